#include "ui/dialogs/dialog_list.h"

#include <gtest/gtest.h>

#include <string>

#include "support/ui_rig.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/widget_fixture.h"

namespace dialog_list_test {

namespace {

constexpr const char* kTitle = "What do you want?";

// A choice list as a script fills it: rows "Row n" with keys "key n", styled and sized to its rows.
void fillList(SDialogListCtrl& list, SDialog& owner, int rows) {
    list.Attach(&owner);
    list.SetStyle(1, 0x161616, 0x94D6E7, nullptr);
    list.SetHighlight();
    list.ClearRows();
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i + 1);
        list.AddRowLabel(("key " + n).c_str(), ("Row " + n).c_str(), 0);
    }
    list.AutoSize(200);
}

// In memory with the block font (5 pixels a character, lines 6 high), on a 160x120 screen.
class ListDialogTest : public WidgetTest {
protected:
    SDialogList& open(int rows, int listWidth = 0) {
        fillList(list, dialog, rows);
        if (listWidth) list.m_w = uint16_t(listWidth);
        box.Init(&game);
        box.Open(list);
        game.m_frameCounter += 1;
        return box;
    }

    SDialogListCtrl list;
    SDialogList box;
};

TEST_F(ListDialogTest, okAnswersOneWithTheSelectedKeyAndCancelEmptiesTheResult) {
    open(3);
    EXPECT_EQ(box.OnCommand(SDialogList::kOk), 1u);
    EXPECT_EQ(std::string(box.m_result.Text()), "key 1") << "AutoSize selects the first row";
    list.Select(2);
    EXPECT_EQ(box.OnCommand(SDialogList::kOk), 1u);
    EXPECT_EQ(std::string(box.m_result.Text()), "key 3");
    EXPECT_EQ(box.OnCommand(SDialogList::kCancel), 2u);
    EXPECT_TRUE(box.m_result.IsEmpty());
    list.Select(-1);
    EXPECT_EQ(box.OnCommand(SDialogList::kOk), 1u);
    EXPECT_TRUE(box.m_result.IsEmpty()) << "Ok without a selection";
    // The refuse key cancels as the button does.
    list.Select(0);
    EXPECT_EQ(box.OnKey(3007), 2u);
    EXPECT_TRUE(box.m_result.IsEmpty());
}

// The list answers inside the dialog: a moved selection keeps it open, the use key chooses.
TEST_F(ListDialogTest, theListsOwnAnswersKeepTheDialogOpenUntilARowIsChosen) {
    open(3);
    EXPECT_EQ(box.OnKey(1002), 0u);
    EXPECT_EQ(list.m_selected, 1);
    EXPECT_EQ(box.OnPen(list.m_x + 2, list.m_y + 2 * kBlockHeight + 1, 1, 0), 0u);
    EXPECT_EQ(list.m_selected, 2);
    EXPECT_EQ(box.OnKey(3006), 1u);
    EXPECT_EQ(std::string(box.m_result.Text()), "key 3");
}

TEST_F(ListDialogTest, pageButtonsComeWithMoreThanEightRowsAndTurnOnlyWhereThereIsAPage) {
    open(8);
    EXPECT_EQ(box.m_paged, 0u);
    EXPECT_EQ(box.m_ctrls.Count(), 4);
    EXPECT_EQ(box.OnCommand(SDialogList::kPageDown), 0u);
    EXPECT_EQ(list.m_top, 0);

    open(9);
    EXPECT_EQ(box.m_paged, 1u);
    ASSERT_EQ(box.m_ctrls.Count(), 6);
    EXPECT_EQ(box.m_pageUp.m_x, list.m_x + list.m_w + 5);
    EXPECT_EQ(box.m_pageUp.m_y, list.m_y);
    EXPECT_EQ(box.m_pageDown.m_y, list.m_y + list.m_h - 12);
    EXPECT_EQ(box.m_pageDown.m_w, 20);
    EXPECT_EQ(box.m_pageDown.m_h, 12);
    EXPECT_EQ(box.OnCommand(SDialogList::kPageUp), 0u);
    EXPECT_EQ(list.m_top, 0);
    EXPECT_EQ(box.OnCommand(SDialogList::kPageDown), 0u);
    EXPECT_EQ(list.m_top, 8);
    EXPECT_EQ(list.m_selected, 8);
    EXPECT_EQ(box.OnCommand(SDialogList::kPageDown), 0u);
    EXPECT_EQ(list.m_top, 8);
    EXPECT_EQ(box.OnCommand(SDialogList::kPageUp), 0u);
    EXPECT_EQ(list.m_top, 0);
}

// Title height: lines x 6 + 3. The dialog: content + 100 wide (at least 180), list + Ok + title +
// 102 high (at least 154); the buttons have no bar pictures here, so Ok is 0 high.
TEST_F(ListDialogTest, theDialogSizesItselfAroundTheListAndTheTitle) {
    struct Row {
        const char* name;
        int glyphWidth, rows, listWidth;
        int content, titleHeight, w, h;
    };
    const int titleWidth = 17 * kBlockAdvance;
    const Row rows[] = {
        {"aWideListKeepsItsWidth", kBlockWidth, 3, 100, 100, 9, 200, 154},
        {"aNarrowListWidensToTheTitle", kBlockWidth, 3, 40, titleWidth + 1, 9, 186, 154},
        {"aLongListMakesItTall", kBlockWidth, 8, 100, 100, 9, 200, 8 * 6 + 9 + 102},
        // 25 pixels a character: the title needs 425 on one line, so it wraps at 340. (A list
        // narrower than the first word takes the title whole on one line.)
        {"aLongTitleWidensTo340AndWraps", 24, 3, 130, 340, 15, 440, 154},
    };
    for (const Row& row : rows) {
        UseBlockFont(*game.m_text, row.glyphWidth);
        open(row.rows, row.listWidth);
        EXPECT_EQ(box.m_title.m_w, row.content) << row.name;
        EXPECT_EQ(box.m_title.m_h, row.titleHeight) << row.name;
        EXPECT_EQ(list.m_w, row.w - 100) << row.name;
        EXPECT_EQ(box.m_w, row.w) << row.name;
        EXPECT_EQ(box.m_h, row.h) << row.name;
        EXPECT_EQ(list.m_x, box.m_x + 50) << row.name;
        EXPECT_EQ(list.m_y, box.m_y + row.titleHeight + 41) << row.name;
        EXPECT_STREQ(box.m_title.m_words.Text(), kTitle);
    }
}

class ListDialogOnScreen : public UiRigTest {
protected:
    UiRig& open(uint32_t mode, int rows) {
        UiRig& rig = Start(mode);
        if (HasFailure()) return rig;
        fillList(list, rig.PlayScreen(), rows);
        box.Init(&rig.Game());
        box.Open(list);
        rig.OpenDialog(box);
        rig.Frame();
        return rig;
    }

    SDialogListCtrl list;
    SDialogList box;
};

// It keeps its place (380 - w) / 2, (320 - h) / 3 where that fits, and moves inside the screen
// where it would not: on 240x320 a 180-wide dialog at 100 would run 40 pixels off, and on 480x640
// the tall rows of the large font would start it above the top.
TEST_F(ListDialogOnScreen, aChoiceOfNineRowsStandsWhollyOnTheScreenAndPages) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode, 9);
        ASSERT_FALSE(HasFailure());
        const std::string name = "list_dialog_9_rows_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_GE(box.m_x, 0) << name;
        EXPECT_LE(box.m_x + box.m_w, rig.Width()) << name;
        EXPECT_EQ(box.m_x, std::min((380 - box.m_w) / 2, rig.Width() - box.m_w)) << name;
        EXPECT_EQ(box.m_y, std::max(0, (320 - box.m_h) / 3)) << name;
        EXPECT_LE(box.m_ok.m_y + box.m_ok.m_h, box.m_y + box.m_h) << name;
        EXPECT_LE(list.m_y + list.m_h, box.m_ok.m_y) << name;
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;

        rig.Tap(box.m_pageDown.m_x + 10, box.m_pageDown.m_y + 6);
        EXPECT_EQ(list.m_top, 8) << name;
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name << " on the second page";
        EXPECT_TRUE(rig.Shot(name + "_page2"));
        EXPECT_TRUE(rig.PlayScreen().m_commands.empty());
    }
}

}  // namespace

}  // namespace dialog_list_test
