#pragma once
// SCharacterHeader: what stands above every sub-page of the inventory's character page: the
// player's portrait with the button that chooses another, the name with the rename button, and
// the five sub-page tabs (Main, Skills, Abilities, Diseases, Active effects) with their frames.
#include <cstdint>

#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SDialog;
class SGameData;

class SCharacterHeader {
public:
    enum Element : uint32_t {
        kPortrait = 36,
        kRename = 355,
        kChoosePortrait = 356,
        kHeaderFrame = 357,
        kName = 358,
        kTabsFrame = 359,
        kFurtherFrame = 557,
    };
    static constexpr int kSubPages = 5;
    // The tabs' commands by sub-page: the diseases and active-effects ids are not in the pages'
    // order.
    static constexpr uint32_t kTabs[kSubPages] = {360, 361, 363, 364, 362};

    // The sub-page a tab's command opens, or -1 for any other command.
    static int SubPageOf(uint32_t command);

    void Attach(SDialog* owner);
    // Places the controls by the owner's layout, with the tab of the sub-page checked.
    void Build(SDialog& owner, SGameData& game, uint32_t subPage);
    // The player's face when the face table has it, else the game's default portrait.
    void ShowPortrait(SGameData& game);

    SBorderCtrl m_frame;
    SFaceCtrl m_portrait;
    STextCtrl m_name;
    SButtonCtrl m_rename;
    SButtonCtrl m_choosePortrait;
    STopicButtonCtrl m_tabs[kSubPages];
    SBorderCtrl m_tabsFrame;
    SBorderCtrl m_furtherFrame;
};
