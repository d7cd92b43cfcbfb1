#include "ui/ctrl.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "recording_ui.h"

namespace ctrl_test {

namespace {

using ui_test::Log;
using ui_test::RecordingCtrl;

class CtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.m_display = std::make_unique<SDisplay>();
        game.m_text = std::make_unique<SText>();
        owner.Init(&game);
        ctrl.Attach(&owner);
    }

    SGameData game;
    SDialog owner;
    Log log;
    RecordingCtrl ctrl{log, "ctrl", SCtrlInput::kKeys};
};

TEST_F(CtrlTest, attachingTakesTheDialogsGameServices) {
    EXPECT_EQ(ctrl.m_owner, &owner);
    EXPECT_EQ(ctrl.m_game, &game);
    EXPECT_EQ(ctrl.m_display, game.m_display.get());
    EXPECT_EQ(ctrl.m_text, game.m_text.get());
}

TEST_F(CtrlTest, aLayoutRowPlacesTheControlRelativeToItsOwner) {
    owner.SetPos(30, 40);
    ctrl.SetFromTemplate(SLayoutRow{7, 5, 6, 20, 10});
    EXPECT_EQ(ctrl.m_id, 7);
    EXPECT_EQ(ctrl.m_x, 35);
    EXPECT_EQ(ctrl.m_y, 46);
    EXPECT_EQ(ctrl.m_w, 20);
    EXPECT_EQ(ctrl.m_h, 10);
    EXPECT_EQ(ctrl.m_flags, SCtrlFlags::kPlaced);
    EXPECT_TRUE(ctrl.IsShown());
}

TEST_F(CtrlTest, aMissingLayoutRowLeavesTheControlOut) {
    ctrl.m_flags = SCtrlFlags::kPlaced | SCtrlFlags::kChecked;
    ctrl.SetFromTemplate(std::nullopt);
    EXPECT_EQ(ctrl.m_flags, 0);
    EXPECT_FALSE(ctrl.IsShown());
}

TEST_F(CtrlTest, hidingRepaintsTheOwnerAndShowingOnlyTheControl) {
    ctrl.m_flags = SCtrlFlags::kVisible | SCtrlFlags::kActive;
    ctrl.SetVisible(false);
    EXPECT_FALSE(ctrl.IsShown());
    EXPECT_TRUE(owner.IsDirty()) << "the owner paints its background over the hidden control";

    owner.ClearDirty();
    ctrl.SetVisible(true);
    EXPECT_TRUE(ctrl.IsShown());
    EXPECT_TRUE(ctrl.IsDirty());
    EXPECT_FALSE(owner.IsDirty());
}

// A state change redraws the control even when the bit already had the asked value.
struct FlagCase {
    const char* name;
    uint16_t before;
    std::function<void(SCtrl&)> change;
    uint16_t after;
};
std::ostream& operator<<(std::ostream& out, const FlagCase& c) { return out << c.name; }

class CtrlFlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(CtrlFlagTest, changesTheBitAndMarksTheControlDirty) {
    SCtrl ctrl;
    ctrl.m_flags = GetParam().before;
    GetParam().change(ctrl);
    EXPECT_EQ(ctrl.m_flags, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, CtrlFlagTest,
                         ::testing::Values(FlagCase{"enableEnabled", 0x04, [](SCtrl& c) { c.SetEnabled(true); }, 0x06},
                                           FlagCase{"disable", 0x34, [](SCtrl& c) { c.Disable(); }, 0x32},
                                           FlagCase{"releaseReleased", 0x00, [](SCtrl& c) { c.Release(); }, 0x02},
                                           FlagCase{"press", 0x30, [](SCtrl& c) { c.SetPressed(true); }, 0x33},
                                           FlagCase{"checkChecked", 0x08, [](SCtrl& c) { c.SetChecked(true); }, 0x0A},
                                           FlagCase{"uncheck", 0x38, [](SCtrl& c) { c.SetChecked(false); }, 0x32}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace ctrl_test
