#include "tools/sampledata/interface_art.h"

#include <gtest/gtest.h>

#include "engine/draw/picture.h"
#include "game/interface_pictures.h"

namespace interface_art_test {

namespace {

using R = SInterfaceRole;

struct Size {
    int w, h;
    bool operator==(const Size&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Size& s) { return out << s.w << "x" << s.h; }

// The picture of a role, checked.
SPicture pictureOf(std::vector<uint8_t>& bytes, R role, int index, bool large) {
    bytes = RolePicture(role, index, large);
    SPicture picture;
    SReadError error;
    EXPECT_TRUE(picture.Read(bytes, error)) << error.Message();
    return picture;
}

Size sizeOf(R role, int index, bool large) {
    std::vector<uint8_t> bytes;
    const SPicture picture = pictureOf(bytes, role, index, large);
    return {picture.Width(), picture.Height()};
}

// Sizes that the widgets rely on: buttons take theirs from the picture (the choice list's page
// buttons are 20x12), frame pieces must meet (lists keep 3 pixels inside the small frame), bar
// pieces must be of one height, portraits are 50x50, the meters' middles reach the whole track,
// the compass strip covers 360 degrees at 3 per pixel, the loading pictures are as large as
// their layout elements.
TEST(InterfaceArtTest, eachRoleIsDrawnAtASizeThatFitsIt) {
    struct Row {
        R role;
        int index;
        Size small, large;
    };
    const Row rows[] = {
        {R::kOkButton, 0, {24, 24}, {36, 36}},
        {R::kNextPageButton, 2, {24, 24}, {36, 36}},
        {R::kSmallFrameSet, 0, {3, 3}, {3, 3}},
        {R::kSmallFrameSet, 1, {3, 8}, {3, 8}},
        {R::kSmallFrameSet, 3, {8, 3}, {8, 3}},
        {R::kUpArrowButton, 1, {20, 12}, {20, 12}},
        {R::kDownArrowButton, 0, {20, 12}, {20, 12}},
        {R::kLoadingPictures, 0, {120, 60}, {240, 120}},
        {R::kLoadingPictures, 3, {120, 28}, {240, 56}},
        {R::kLargeFrameSet, 8, {9, 9}, {14, 14}},
        {R::kMessagePanel, 4, {16, 16}, {16, 16}},
        {R::kTextButtonBarUp, 0, {6, 20}, {8, 30}},
        {R::kTextButtonBarDown, 1, {8, 20}, {8, 30}},
        {R::kMessageButtonBarUp, 2, {6, 24}, {8, 32}},
        {R::kKeyboardKeyBarDown, 0, {4, 18}, {6, 28}},
        {R::kDefaultPicture, 0, {50, 50}, {50, 50}},
        {R::kRacePictures, 5, {50, 50}, {50, 50}},
        {R::kPortraitMarks, 1, {40, 40}, {50, 50}},
        {R::kFirstVerticalBar, 0, {8, 4}, {12, 6}},
        {R::kFirstVerticalBar, 1, {8, 120}, {12, 240}},
        {R::kSecondHorizontalBar, 1, {120, 8}, {240, 12}},
        {R::kCompass, 0, {120, 16}, {120, 24}},
        {R::kCompass, 2, {6, 16}, {10, 24}},
        {R::kFireFrames, 7, {40, 40}, {60, 60}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(sizeOf(row.role, row.index, false), row.small) << "role " << int(row.role) << " #" << row.index;
        EXPECT_EQ(sizeOf(row.role, row.index, true), row.large) << "role " << int(row.role) << " #" << row.index;
    }
}

// The three looks of a button differ, and the glyph is drawn in the button's middle.
TEST(InterfaceArtTest, aButtonsNormalPressedAndDisabledLooksDifferAndCarryAGlyph) {
    std::vector<uint8_t> bytes[3];
    SPicture looks[3];
    for (int state = 0; state < 3; ++state) looks[state] = pictureOf(bytes[state], R::kCancelButton, state, false);
    EXPECT_NE(bytes[0], bytes[1]);
    EXPECT_NE(bytes[0], bytes[2]);
    EXPECT_NE(bytes[1], bytes[2]);
    auto colourAt = [](const SPicture& p, int x, int y) { return p.Colour(p.Texels()[y * p.Width() + x]); };
    // The cross's centre is ink, a point between its arms is face.
    EXPECT_NE(colourAt(looks[0], 12, 12), colourAt(looks[0], 12, 6));
}

// A record the small and the large screens share is written once; its role must draw it the same
// for both, or the picture would depend on which screen class was written last.
TEST(InterfaceArtTest, aRecordSharedByBothScreenClassesLooksTheSameForBoth) {
    for (int r = 0; r < int(R::kCount); ++r) {
        const SRoleSlots slots = InterfaceRoleSlots(R(r));
        for (int i = 0; i < slots.count; ++i) {
            const int slot = slots.first + i;
            if (InterfacePictureRecord(slot, 7) != InterfacePictureRecord(slot, 10)) continue;
            EXPECT_EQ(RolePicture(R(r), i, false), RolePicture(R(r), i, true)) << "role " << r << " slot " << slot;
        }
    }
}

}  // namespace

}  // namespace interface_art_test
