#include "game/interface_roles.h"

#include <gtest/gtest.h>

#include <map>

#include "game/interface_pictures.h"
#include "support/ui_rig.h"

namespace interface_roles_test {

namespace {

// Every role's slots hold pictures on the small, the square and the large screens, and no slot
// serves two roles: a role given a slot without a record, or two roles sharing one, would show
// the wrong picture or none.
TEST(InterfaceRolesTest, everyRoleHasSlotsOfItsOwnThatHoldPictures) {
    std::map<int, int> owner;
    for (int r = 0; r < int(SInterfaceRole::kCount); ++r) {
        const SRoleSlots slots = InterfaceRoleSlots(SInterfaceRole(r));
        EXPECT_GT(slots.count, 0) << "role " << r;
        for (int slot = slots.first; slot < slots.first + slots.count; ++slot) {
            EXPECT_LT(slot, kInterfacePictureSlots) << "role " << r;
            const auto [at, fresh] = owner.emplace(slot, r);
            EXPECT_TRUE(fresh) << "slot " << slot << " serves roles " << at->second << " and " << r;
            for (uint32_t mode : {7u, 8u, 10u})
                EXPECT_NE(InterfacePictureRecord(slot, mode), 0)
                    << "role " << r << " slot " << slot << " mode " << mode;
        }
    }
}

TEST(InterfaceRolesTest, aRoleOutsideTheTableHasNoSlots) {
    EXPECT_EQ(InterfaceRoleSlots(SInterfaceRole::kCount).count, 0);
}

class InterfaceRolePictures : public UiRigTest {};

TEST_F(InterfaceRolePictures, theGameHandsOutARolesPicturesInOrderAndNothingPastThem) {
    struct Row {
        uint32_t mode;
        uint16_t okPressed;  // the record of the OK button's second picture
    };
    for (Row row : {Row{7, 3892}, Row{10, 3251}}) {
        UiRig& rig = Start(row.mode);
        ASSERT_FALSE(HasFailure());
        const SGameData& game = rig.Game();
        ASSERT_NE(game.InterfacePicture(SInterfaceRole::kOkButton, 1), nullptr);
        EXPECT_EQ(game.InterfacePicture(SInterfaceRole::kOkButton, 1)->recordId, row.okPressed);
        EXPECT_EQ(game.InterfacePicture(SInterfaceRole::kOkButton, 3), nullptr);
        EXPECT_EQ(game.InterfacePicture(SInterfaceRole::kOkButton, -1), nullptr);

        const auto frame = game.InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
        for (int i = 0; i < 9; ++i) EXPECT_EQ(frame[i], game.m_interfacePictures[224 + i].get());
        const auto bar = game.InterfaceSet<4>(SInterfaceRole::kTextButtonBarUp);
        EXPECT_NE(bar[2], nullptr);
        EXPECT_EQ(bar[3], nullptr) << "a bar has three pieces";
    }
}

}  // namespace

}  // namespace interface_roles_test
