#include "ui/widgets/dialog_list_ctrl.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/colour_word.h"
#include "widget_fixture.h"

namespace dialog_list_ctrl_test {

namespace {

constexpr uint32_t kId = 40;
constexpr uint32_t kInk = 0x0000FF, kPaper = 0x402010;

// Rows are as tall as the block font, 6 pixels.
constexpr int kRow = kBlockHeight;

class DialogListCtrlTest : public WidgetTest {
protected:
    // A styled list of `rows` rows ("r0", "r1", ... with keys "k0", ... and ids 100, 101, ...) at
    // (10, 10), 60 wide and `height` high, laid out.
    SDialogListCtrl& makeList(int rows, int height = 3 * kRow) {
        place(list, 10, 10, 60, height);
        list.m_id = uint16_t(kId);
        list.SetStyle(1, kInk, kPaper, nullptr);
        list.ClearRows();
        for (int i = 0; i < rows; ++i) {
            const std::string n = std::to_string(i);
            list.AddRow3(("k" + n).c_str(), ("r" + n).c_str(), "");
            list.SetRow(i, nullptr, nullptr, nullptr);
        }
        for (int i = 0; i < rows; ++i) list.m_rows[i].id = uint32_t(100 + i);
        list.Layout(false);
        return list;
    }
    // The middle of row `row` of the page (row 0 at the top).
    int rowY(int row) const { return 10 + row * kRow + kRow / 2; }

    SDialogListCtrl list;
};

// With 3 rows a page, the page follows the selection.
TEST_F(DialogListCtrlTest, keysMoveTheSelectionWrappingAtBothEnds) {
    struct Row {
        const char* name;
        int rows, selected;
        uint32_t key;
        int expected, top;
        uint32_t answer;
        int action;
    };
    const Row rows[] = {
        {"upWithoutRowsKeepsNoSelection", 0, -1, 1000, -1, 0, kId, 0},
        {"downWithoutRowsKeepsNoSelection", 0, -1, 1002, -1, 0, kId, 0},
        {"useWithoutRowsIsNothing", 0, -1, 3006, -1, 0, 0, 5},
        {"upFromNoneTakesTheFirst", 1, -1, 1000, 0, 0, kId, 0},
        {"upOnTheOnlyRowStays", 1, 0, 1000, 0, 0, kId, 0},
        {"downOnTheOnlyRowStays", 1, 0, 1002, 0, 0, kId, 0},
        {"useChoosesTheSelectedRow", 1, 0, 3006, 0, 0, kId, 1},
        {"useWithoutSelectionIsNothing", 1, -1, 3006, -1, 0, 0, 5},
        {"upFromNoneOfFive", 5, -1, 1000, 0, 0, kId, 0},
        {"downFromNoneOfFive", 5, -1, 1002, 0, 0, kId, 0},
        {"upFromTheFirstWrapsToTheLast", 5, 0, 1000, 4, 3, kId, 0},
        {"downFromTheLastWrapsToTheFirst", 5, 4, 1002, 0, 0, kId, 0},
        {"downOntoTheNextPage", 5, 2, 1002, 3, 3, kId, 0},
        {"upOntoThePreviousPage", 5, 3, 1000, 2, 0, kId, 0},
        {"anotherKeyIsNothing", 5, 2, 1004, 2, 0, 0, 5},
    };
    for (const Row& row : rows) {
        makeList(row.rows);
        list.Select(row.selected);
        list.m_action = 5;
        EXPECT_EQ(list.OnKey(row.key), row.answer) << row.name;
        EXPECT_EQ(list.m_selected, row.expected) << row.name;
        EXPECT_EQ(list.m_top, row.top) << row.name;
        EXPECT_EQ(list.m_action, row.action) << row.name;
    }
}

// The control is 20 high: rows 0 to 2 lie wholly inside, row 3 is cut at 18 + 2.
TEST_F(DialogListCtrlTest, theStylusSelectsRowByRowAndAReleaseChoosesOnlyWhenAsked) {
    struct Event {
        int y;
        uint32_t down, drag;
        uint32_t answer;
        int selected, action;
    };
    struct Row {
        const char* name;
        int rows;
        uint32_t clearOnOutside, renotify;
        std::vector<Event> events;
    };
    const int outside = 40, cut = 10 + 3 * kRow + 1;
    const Row rows[] = {
        {"pressSelectsAndDragMovesRowByRow",
         5,
         0,
         0,
         {{rowY(1), 1, 0, kId, 1, 0}, {rowY(1), 1, 1, 0, 1, 0}, {rowY(2), 1, 1, kId, 2, 0}, {rowY(2), 0, 0, 0, 2, 0}}},
        {"renotifyChoosesOnRelease", 5, 0, 1, {{rowY(1), 1, 0, kId, 1, 0}, {rowY(1), 0, 0, kId, 1, 1}}},
        {"aReleaseOnAnotherRowChooses", 5, 0, 0, {{rowY(0), 0, 0, kId, 0, 1}}},
        {"aPartlyVisibleRowIsOutside", 5, 0, 0, {{rowY(0), 1, 0, kId, 0, 0}, {cut, 1, 0, 0, 0, 0}}},
        {"aPartlyVisibleRowClearsWhenAsked", 5, 1, 0, {{rowY(0), 1, 0, kId, 0, 0}, {cut, 1, 0, kId, -1, -1}}},
        {"outsideClearsWhenAsked", 5, 1, 0, {{rowY(0), 1, 0, kId, 0, 0}, {outside, 0, 0, kId, -1, -1}}},
        {"outsideOtherwiseIsNothing", 5, 0, 0, {{rowY(0), 1, 0, kId, 0, 0}, {outside, 1, 0, 0, 0, 0}}},
        {"belowTheLastRowIsOutside", 2, 1, 0, {{rowY(1), 1, 0, kId, 1, 0}, {rowY(2), 1, 0, kId, -1, -1}}},
    };
    for (const Row& row : rows) {
        makeList(row.rows, 3 * kRow + 2);
        list.Select(-1);
        list.m_clearOnOutside = row.clearOnOutside;
        list.m_renotify = row.renotify;
        for (size_t i = 0; i < row.events.size(); ++i) {
            const Event& e = row.events[i];
            EXPECT_EQ(list.OnPen(20, e.y, e.down, e.drag), e.answer) << row.name << " event " << i;
            EXPECT_EQ(list.m_selected, e.selected) << row.name << " event " << i;
            if (e.answer != 0) {
                EXPECT_EQ(list.m_action, e.action) << row.name << " event " << i;
            }
        }
    }
}

TEST_F(DialogListCtrlTest, aListNotYetStyledTakesNoTap) {
    place(list, 10, 10, 60, 20);
    list.m_clearOnOutside = 1;
    list.AddRowId(1, "a");
    list.Layout(false);
    EXPECT_EQ(list.m_rowsPerPage, 0u);
    EXPECT_EQ(list.OnPen(20, 12, 1, 0), 0u);
    EXPECT_EQ(list.OnPen(100, 100, 0, 0), 0u);
    list.Select(0);
    EXPECT_EQ(list.m_top, 0);
}

TEST_F(DialogListCtrlTest, autoSizeShowsEightRowsOfNineAndPagesTheRest) {
    makeList(9);
    list.m_rows[4].text.Assign("widest row");
    list.AutoSize(200);
    EXPECT_EQ(list.m_w, 10 * kBlockAdvance + 1 + 10);
    EXPECT_EQ(list.m_rowsPerPage, 8u);
    EXPECT_EQ(list.m_h, 8 * kRow);
    EXPECT_EQ(list.m_selected, 0);
    list.PageDown();
    EXPECT_EQ(list.m_top, 8);
    EXPECT_EQ(list.m_selected, 8);
    list.PageDown();
    EXPECT_EQ(list.m_top, 8) << "no page past the last";
    list.PageUp();
    list.PageUp();
    EXPECT_EQ(list.m_top, 0) << "no page before the first";
    EXPECT_EQ(list.m_selected, 0);
}

TEST_F(DialogListCtrlTest, selectingFindsRowsAndTheQueriesAnswerNothingWithoutASelection) {
    makeList(5);
    list.SelectById(103);
    EXPECT_EQ(list.m_selected, 3);
    EXPECT_EQ(list.m_top, 3);
    EXPECT_EQ(list.GetSelectedId(), 103u);
    EXPECT_STREQ(list.GetSelectedText(), "r3");
    EXPECT_STREQ(list.GetSelectedKey(), "k3");
    list.SelectByText("r1");
    EXPECT_EQ(list.m_selected, 1);
    list.SelectById(999);
    EXPECT_EQ(list.m_selected, 0) << "no such id selects the first row";
    list.Select(17);
    EXPECT_EQ(list.m_selected, 4) << "past the end selects the last";
    list.Select(-1);
    EXPECT_EQ(list.GetSelectedId(), 0u);
    EXPECT_STREQ(list.GetSelectedText(), "");
    EXPECT_STREQ(list.GetSelectedKey(), "");

    list.m_rows[2].value = 0x1203;
    list.SetRow(2, "key", nullptr, "side");
    list.SetRow(7, "x", "x", "x");
    EXPECT_STREQ(list.Row(2).key.Text(), "key");
    EXPECT_STREQ(list.Row(2).text.Text(), "r2");
    EXPECT_EQ(list.Row(2).value, 0x1200u);

    list.Select(4);
    list.ClearRows();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.GetSelectedId(), 0u);
    list.Select(3);
    EXPECT_EQ(list.m_selected, -1);
    makeList(0).SelectById(1);
    EXPECT_EQ(list.m_selected, -1);
}

TEST_F(DialogListCtrlTest, layoutKeepsAValidSelectionOnlyWhenAsked) {
    makeList(5);
    list.Select(3);
    list.Layout(true);
    EXPECT_EQ(list.m_selected, 3);
    list.Layout(false);
    EXPECT_EQ(list.m_selected, 0);
    list.m_selected = 9;
    list.Layout(true);
    EXPECT_EQ(list.m_selected, 0);
}

// Rows at y 10, 16, 22; the text from x + 1.
TEST_F(DialogListCtrlTest, theSelectedRowIsFilledAcrossTheWidthInSwappedOrHighlightColours) {
    makeList(5);
    list.m_frameOn = 0;
    list.Select(1);
    list.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(kPaper)), "10,10 60x18") << "the ground, and the selected row's text";
    EXPECT_EQ(at(10, 16), ColourWord565(kInk)) << "the selected row in the text colour";
    EXPECT_EQ(at(11, 16), ColourWord565(kPaper)) << "its text in the ground colour";
    EXPECT_EQ(at(11, 10), ColourWord565(kInk)) << "another row's text";

    list.SetHighlight();
    list.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(0x062A86)), "10,16 60x6");
    EXPECT_EQ(boundsOf(ColourWord565(0x00FFFF)), "11,16 9x6");
}

TEST_F(DialogListCtrlTest, theRightColumnShowsSideTextsOrThePictureTheValueBytePicks) {
    makeList(3);
    list.m_frameOn = 0;
    list.Select(-1);
    list.m_rows[0].side.Assign("s");
    list.SetSideText(20);
    list.Draw();
    EXPECT_EQ(at(50, 10), ColourWord565(kInk)) << "the side text at x + w - 20";
    EXPECT_EQ(at(46, 10), ColourWord565(kPaper)) << "the row text stops before the column";

    const std::vector<uint8_t> green = PictureRecord(0, 2, 2, {0, 0, 0, 0}, {0x07E0});
    SPictureEntry picture;
    picture.record = std::make_unique<SPdbRecord>();
    picture.record->bytes = green;
    SReadError error;
    ASSERT_TRUE(picture.Bind(picture.record->bytes, 0, error)) << error.Message();
    const SPictureEntry* table[] = {nullptr, &picture};
    list.m_rows[1].value = 0x301;
    list.m_rows[2].value = 7;
    list.SetSidePictures(table);
    list.Draw();
    EXPECT_EQ(boundsOf(0x07E0), "50,16 2x2") << "only the row whose value byte is in the table";
}

}  // namespace

}  // namespace dialog_list_ctrl_test
