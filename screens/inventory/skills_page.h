#pragma once
// SSkillsPage: the Skills sheet of the inventory's character page: the six primary and fourteen
// other skills in the player's order with their values and raise buttons, and the unspent skill
// points. A raise costs 1 point for a primary skill and 2 for another; a skill cannot rise past
// twice its governing attribute, which a message says. Points spent can be undone until the page
// is rebuilt.
#include <cstdint>

#include "data/player/player.h"
#include "screens/inventory/pending_raises.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SDialog;
class SGameData;
class SString;

class SSkillsPage {
public:
    static constexpr int kPrimaryRows = SPlayer::kMajorSkillRows;
    static constexpr int kRows = SPlayer::kMajorSkillRows + SPlayer::kOtherSkillRows;
    // Rows 0..5 are the primary skills, 6..19 the others. A row's label, value and raise button
    // elements; the raise buttons' commands are their element ids.
    static constexpr uint32_t kFirstPrimaryLabel = 412;
    static constexpr uint32_t kFirstOtherLabel = 424;
    static constexpr uint32_t kFirstPrimaryRaise = 454;
    static constexpr uint32_t kFirstOtherRaise = 460;
    static constexpr uint32_t kPointsLabel = 452;
    static constexpr uint32_t kPoints = 453;
    static constexpr uint32_t kUndo = 474;
    static constexpr uint32_t kPrimaryTitle = 564;
    static constexpr uint32_t kOtherTitle = 565;

    static uint32_t LabelId(int row) { return kFirstPrimaryLabel + 2 * uint32_t(row); }
    static uint32_t ValueId(int row) { return LabelId(row) + 1; }
    static uint32_t RaiseId(int row) { return kFirstPrimaryRaise + uint32_t(row); }
    // The row a raise button's command belongs to, or -1.
    static int RowOf(uint32_t command);
    // A skill id the sheet may use: saved games and worlds give the rows, so an id outside
    // 1..20 is an empty row.
    static bool IsSkillId(uint32_t skill) { return skill >= 1 && skill <= SPlayer::kLastSkill; }

    void Attach(SDialog* owner);
    // Places the controls by the owner's layout and shows the player's skills; no raise is
    // pending afterwards.
    void Build(SDialog& owner, SGameData& game);
    void UpdateValues();
    // Raises the skill of the row's button, or, where its governing attribute holds it back or
    // the race may not have it, writes the reason into `refusal` and changes nothing. The button
    // shows only where points and allowance are enough.
    void Increase(uint32_t command, SString& refusal);
    void Undo();
    void ForgetRaises();
    // The skill id of a row as the player's record holds it.
    uint32_t SkillOf(int row) const;
    const SPendingRaises<SPlayer::kSkillCount>& Pending() const { return m_raises; }

    STextCtrl m_primaryTitle;
    STextCtrl m_otherTitle;
    STextCtrl m_labels[kRows];
    STextCtrl m_values[kRows];
    SButtonCtrl m_raiseButtons[kRows];
    STextCtrl m_pointsLabel;
    STextCtrl m_points;
    STopicButtonCtrl m_undo;

private:
    const char* labelName(uint32_t skill) const;
    void showRaise(int row);
    void showUndo();

    SDialog* m_owner = nullptr;
    SGameData* m_game = nullptr;
    SPendingRaises<SPlayer::kSkillCount> m_raises;  // by skill 1..20
};
