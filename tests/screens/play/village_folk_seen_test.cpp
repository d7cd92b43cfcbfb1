// The townsfolk as the player meets them in Eastbrook: a townsman straight ahead is drawn in his
// own colours where he stands in the view, and Return talks to him (or, from behind, asks to rob
// him), on arrival as much as after a night's rest until morning or a trip away and back by the
// teleport plate.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/maps/map_cell.h"
#include "data/monsters/creature_pose.h"
#include "game/feldmar2.h"
#include "render/render.h"
#include "render/view_descriptor.h"
#include "screens/play/person.h"
#include "screens/play/village_play.h"
#include "support/person_probe.h"
#include "support/view_probe.h"
#include "tools/sampledata/sample_village.h"

namespace village_folk_seen_test {

namespace {

constexpr uint32_t kEast = 270;
// His facing sides: 1 east, 3 west.
constexpr int kEastSide = 1;
constexpr int kWest = 3;
// A town section's cell (x, y) lies at (x + 7, y + 7) on the grid.
constexpr int kSectionBorder = 7;
constexpr uint32_t kRestHours = 8;
// A townsman one cell ahead shows about a hundred pixels of his coat at 240 x 320; one six cells
// off, a handful.
constexpr int kFewestCoatPixels = 60;
// A minute of frames: the townsfolk in sight walk a few cells in it.
constexpr int kWanderFrames = 1500;

// What happened between facing the townsman and the frame drawn of him.
enum class Since { kArrival, kRestUntilMorning, kTripByTeleportPlate };

class VillageFolkSeenTest : public VillageTest {
protected:
    // The first townsman of the town, with the player on the street cell west of him, facing him.
    SCreature& FaceTownsman() {
        SCreature* townsman = TownCreature("base_townsman");
        EXPECT_NE(townsman, nullptr);
        StandInTown(townsman->x - 1, townsman->y, kEast);
        Play().m_redrawRequest = 1;
        m_driver->Frame();
        return *townsman;
    }
    void Pass(Since since) {
        switch (since) {
            case Since::kArrival: break;
            case Since::kRestUntilMorning:
                // Into the night, when the townsfolk go home, and on until morning brings them back.
                Play().PassHours(kRestHours);
                ASSERT_TRUE(Play().IsNight());
                Play().PassHours(kRestHours);
                ASSERT_TRUE(Play().IsDay());
                break;
            case Since::kTripByTeleportPlate: {
                const int x = Play().m_playerX, y = Play().m_playerY;
                Play().TravelToPosition("base_start", 1);
                m_driver->RunUntilIdle(100);
                ASSERT_STREQ(Play().m_currentMap->Name(), "base_cellar");
                Play().TravelToPosition("base_s0303townportal", 1);
                m_driver->RunUntilIdle(100);
                Play().m_playerX = x;
                Play().m_playerY = y;
                Play().m_heading = kEast;
                break;
            }
        }
    }
    int CoatPixelsAhead() { return CountPersonColourAhead(m_driver->Rig(), Game().PlayView(), TownsmanCoatColour()); }
    // Return pressed: what the screen then shows.
    std::string AfterReturn() {
        m_driver->Press(kActionUse);
        if (Game().m_currentScreen == &Talk()) return "conversation";
        m_driver->RunUntilIdle(20);
        return m_driver->OpenMessageText().find("Do you try to steal") != std::string::npos ? "steal question" : "";
    }
};

TEST_F(VillageFolkSeenTest, aTownsmanAheadIsDrawnAndAnswersReturnFromTheFrontAndFromBehind) {
    const struct {
        Since since;
        const char* name;
    } meetings[] = {
        {Since::kArrival, "on-arrival"},
        {Since::kRestUntilMorning, "after-a-rest-until-morning"},
        {Since::kTripByTeleportPlate, "after-a-trip-by-the-teleport-plate"},
    };
    // Facing the player he talks; with his back to the player a use asks whether to rob him.
    const struct {
        int side;
        const char* shows;
    } facings[] = {{kWest, "conversation"}, {kEastSide, "steal question"}};
    for (const auto& meeting : meetings) {
        for (const auto& facing : facings) {
            SCOPED_TRACE(std::string(meeting.name) + ", then " + facing.shows);
            PlayDriver& driver = StartInTown();
            SCreature& townsman = FaceTownsman();
            Pass(meeting.since);
            if (HasFatalFailure()) return;
            // The view drawn afresh, as any key would have it.
            Play().m_redrawRequest = 1;
            driver.Frame();
            driver.Rig().Shot(std::string("village-townsman-ahead-") + meeting.name);
            ASSERT_EQ(townsman.x + kSectionBorder, Play().m_playerX + 1) << "he stands straight ahead";
            ASSERT_EQ(townsman.y + kSectionBorder, Play().m_playerY);
            EXPECT_GE(CoatPixelsAhead(), kFewestCoatPixels);
            SetFacingSide(townsman, facing.side);
            EXPECT_EQ(AfterReturn(), facing.shows);
        }
    }
}

// A townsman in the next cell stands about as tall as the player, whose eye is the horizon: his hat
// is drawn above it and his boots on the floor below it. His pixels are where the view differs
// with him and without him.
TEST_F(VillageFolkSeenTest, aTownsmanAheadStandsAsTallAsThePlayer) {
    StartInTown();
    SCreature& townsman = FaceTownsman();
    const ViewShot withHim = RedrawView(*m_driver);
    withHim.Keep("village-townsman-height");
    const int gridX = townsman.x + kSectionBorder, gridY = townsman.y + kSectionBorder;
    SMapCell& cell = *Play().GetCell(gridX, gridY);
    const uint8_t standing = cell.creatures[0];
    cell.creatures[0] = 0;
    Play().BuildCellView(gridX, gridY);
    const ViewShot withoutHim = RedrawView(*m_driver);
    cell.creatures[0] = standing;
    Play().BuildCellView(gridX, gridY);
    // Above the target panel, which names him.
    const int panelTop = Play().TargetPanels().left.twoLines.top - Game().PlayView().m_viewY;
    const ViewArea him = Difference(withoutHim.Top(panelTop), withHim.Top(panelTop)).bounds;
    ASSERT_FALSE(him.Empty()) << "he is drawn";
    // Eye height, on the face of his cell nearest the player.
    const int horizon = FaceArea(*m_driver, gridX, gridY, kWest, 0, 0).top;
    const int floor = FaceArea(*m_driver, gridX, gridY, kWest, SRender::kLevels[2], SRender::kLevels[2]).top;
    EXPECT_LT(him.top, horizon) << "his head above the eye";
    EXPECT_GT(him.top, horizon - (floor - horizon) / 3) << "but not far above";
    EXPECT_GT(him.bottom, horizon + (floor - horizon) / 2) << "his feet on the floor";
}

// The townsfolk walk about while the player stands in the street: each step into the next cell
// puts them in that cell's view, which the renderer draws, and not only in the cell's list of
// creatures, so that no one walks out of sight into a cell ahead.
TEST_F(VillageFolkSeenTest, townsfolkWhoWalkOnAreDrawnInTheCellsTheyReach) {
    PlayDriver& driver = StartInTown();
    StandInTown(6, 6, kEast);
    driver.Frame();
    int cellsCrossed = 0;
    for (int frame = 0; frame < kWanderFrames; ++frame) {
        std::vector<std::pair<int, int>> before;
        for (const auto& person : Play().Persons()) before.emplace_back(person->cellX, person->cellY);
        driver.Frame();
        for (size_t i = 0; i < before.size() && i < Play().Persons().size(); ++i) {
            const SPerson& person = *Play().Persons()[i];
            if (before[i] == std::pair<int, int>(person.cellX, person.cellY)) continue;
            ++cellsCrossed;
            const SCreature* creature = person.map->FindCreature(person.id);
            ASSERT_NE(creature, nullptr);
            const SCellViewRecord& view = *Play().GetRenderCell(person.cellX, person.cellY);
            EXPECT_TRUE(view.m_itemPiles[0] == creature->displaySlot || view.m_itemPiles[1] == creature->displaySlot)
                << "a townsperson stepped into cell " << int(person.cellX) << "," << int(person.cellY)
                << " and is not in its view";
        }
    }
    EXPECT_GT(cellsCrossed, 0) << "the townsfolk stood still";
}

}  // namespace

}  // namespace village_folk_seen_test
