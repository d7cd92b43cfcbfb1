// The target panels as the play screen draws them over its 3-D view.
#include <gtest/gtest.h>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "engine/draw/text.h"
#include "screens/play/state_game.h"
#include "support/map_fixture.h"
#include "support/play_driver.h"

namespace target_panel_drawing_test {

namespace {

using TargetPanelDrawingTest = PlayDriverTest;

// The width of each CR-separated line of the text in the panel font.
std::vector<int> lineWidths(SGameData& game, const std::string& text) {
    std::vector<int> widths;
    game.m_text->SelectFont(1, game.m_interfaceTextColour, game.m_interfaceShadeColour);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        widths.push_back(game.m_text->TextWidth(text.substr(start, end - start).c_str()));
        start = end + 1;
    }
    return widths;
}

TEST_F(TargetPanelDrawingTest, aLabelWrapsAtThePanelWidthAndKeepsTwoLines) {
    PlayDriver& driver = Start();
    SStateGame& play = driver.Play();
    const int width = play.TargetPanels().left.textWidth;
    ASSERT_GT(width, 20);
    struct Row {
        const char* text;
        int lines;
    };
    const Row rows[] = {
        {"Rat", 1},
        {"", 0},
        {"The old grey wolf of the northern woods that nobody has ever seen by day or by night", 2},
    };
    for (const Row& row : rows) {
        SLookTarget label;
        play.SetLabelText(label, row.text);
        EXPECT_EQ(label.lines, row.lines) << row.text;
        if (row.lines == 0) continue;
        const std::vector<int> widths = lineWidths(driver.Game(), label.text);
        EXPECT_EQ(int(widths.size()), row.lines) << label.text;
        for (int lineWidth : widths) EXPECT_LE(lineWidth, width) << label.text;
    }
}

// A hostile creature two cells ahead: the left panel shows a framed box with its name and a red
// bar of its health; the right panel, with no second creature, is not drawn.
TEST_F(TargetPanelDrawingTest, theCreatureAheadIsNamedInTheLeftPanel) {
    PlayDriver& driver = Start();
    SStateGame& play = driver.Play();
    std::unique_ptr<SMonster> orc = MakeMapMonster("base_orc", 20);
    orc->m_displayName.Assign("Orc");
    SCreature* creature = play.m_currentMap->AddCreature(orc.get(), 5, 3);
    ASSERT_NE(creature, nullptr);
    creature->state = SCreature::kAggressive;
    creature->hp = 10;
    TestGrid grid;
    grid.Cell(5, 3).creatures[0] = creature->id;
    play.m_grid = &grid;
    play.m_fog = {0, 7};
    play.m_redrawPending = 1;
    driver.Frames(2);
    driver.Rig().Shot("target_panel");

    ASSERT_TRUE(play.LookTargets()[0].shown);
    EXPECT_EQ(play.LookTargets()[0].text, "Orc");
    const STargetPanel& left = play.TargetPanels().left;
    const STargetPanelBox& box = left.oneLine;
    UiRig& rig = driver.Rig();
    EXPECT_EQ(rig.Pixel(left.left, box.top + 3), 0) << "the frame";
    EXPECT_EQ(rig.Pixel(left.left + 1, box.top + 3), 0xF800) << "the bar's start";
    const int barEnd = left.left + 1 + (left.width - 2) / 2;
    EXPECT_EQ(rig.Pixel(barEnd - 1, box.top + 3), 0xF800) << "half health, half the bar";
    EXPECT_NE(rig.Pixel(barEnd + 1, box.top + 3), 0xF800);
    const STargetPanel& right = play.TargetPanels().right;
    EXPECT_NE(rig.Pixel(right.left, box.top + 3), 0) << "no second creature, no frame";
    play.m_grid = nullptr;
}

}  // namespace

}  // namespace target_panel_drawing_test
