#pragma once
// SDialogSelectSkill: one of the twenty skills for a primary-skill slot of a new character. Every
// skill is an entry (medium names on the small screen types); the chosen one is lit and its
// description shown. OK (25) and Cancel (26) go to the parent, which reads `m_selected` on 25.
#include <array>
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SDialogSelectSkill : public SDialog {
public:
    static constexpr uint32_t kLayout = 10;
    static constexpr int kSkillCount = 20;
    // Skill k's entry has this id and command plus k.
    static constexpr uint32_t kEntryBase = 62;

    void Init(SGameData* game) override;
    // Skill 0 (or one past the twenty) chooses none.
    void Open(uint32_t skill);
    // Lights the entry of that command and shows its skill's description; a command of no entry
    // only puts out every light.
    void Select(uint32_t command);
    void UpdateDescription();
    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_outerFrame;
    STextCtrl m_title;
    SBorderCtrl m_listFrame;
    std::array<STopicButtonCtrl, kSkillCount> m_entries;  // skill k at k - 1
    STextCtrl m_descriptionLabel;
    STextCtrl m_description;
    SButtonCtrl m_ok;
    SButtonCtrl m_cancel;
    std::array<uint32_t, kSkillCount + 1> m_entryIds{};  // 0 for no skill, then each skill's command
    uint32_t m_selected = 0;
};
