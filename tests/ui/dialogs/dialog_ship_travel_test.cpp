#include "ui/dialogs/dialog_ship_travel.h"

#include <gtest/gtest.h>

#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_ship_travel_test {

namespace {

class ShipTravelTest : public PlayDialogTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        dialog.Init(&Game());
        return rig;
    }
    void sail(const char* text, const char* destination) {
        dialog.Open(text, destination);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }

    SDialogShipTravel dialog;
};

TEST_F(ShipTravelTest, aNullTextOrDestinationKeepsTheLastVoyagesOne) {
    open();
    ASSERT_FALSE(HasFailure());
    sail("The ship leaves the harbour.", "base_port_north");
    sail(nullptr, nullptr);
    EXPECT_STREQ(dialog.m_text.m_words.Text(), "The ship leaves the harbour.");
    EXPECT_STREQ(dialog.m_destination.Text(), "base_port_north");
    sail("Back south.", nullptr);
    EXPECT_STREQ(dialog.m_text.m_words.Text(), "Back south.");
    EXPECT_STREQ(dialog.m_destination.Text(), "base_port_north");
    sail(nullptr, "base_port_south");
    EXPECT_STREQ(dialog.m_text.m_words.Text(), "Back south.");
    EXPECT_STREQ(dialog.m_destination.Text(), "base_port_south");
}

TEST_F(ShipTravelTest, theVoyageLoopPlaysUntilOkWhichTravelsToTheDestination) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Game().m_music.Play("bmus_main");
    sail("The sea is calm.", "base_port_north");
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_shiptravel 10 looped"});
    EXPECT_TRUE(Game().m_music.Paused());
    rig.Frames(3);
    EXPECT_TRUE(Play().m_positionTravels.empty()) << "the player travels only on OK";
    rig.Sounds().Clear();
    rig.Tap(dialog.m_ok.m_x + 2, dialog.m_ok.m_y + 2);
    EXPECT_EQ(rig.Sounds().Lines(), (std::vector<std::string>{"stop all", "bsnd_clickh 10"}));
    EXPECT_EQ(Play().m_positionTravels, std::vector<std::string>{"base_port_north"});
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogShipTravel::kOk});
}

TEST_F(ShipTravelTest, aMissingVoyageSoundLeavesTheSceneSilent) {
    UiRig& rig = Start(7);
    ASSERT_FALSE(HasFailure());
    dialog.Init(&Game());
    sail("The sea is calm.", "base_port_north");
    EXPECT_TRUE(rig.Sounds().Lines().empty());
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

TEST_F(ShipTravelTest, theVoyageLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        sail("The ship sails north along the coast. Gulls follow it the whole day.", "base_port_north");
        const std::string name = "ship_travel_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
    }
}

}  // namespace

}  // namespace dialog_ship_travel_test
