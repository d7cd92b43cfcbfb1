#include "tools/sampledata/interface_layout.h"

#include <gtest/gtest.h>

#include "engine/draw/picture.h"
#include "engine/files/settings.h"
#include "tests/tools/layout_expectations.h"
#include "tools/sampledata/interface_art.h"

namespace interface_layout_test {

namespace {

// The loading dialog (layout 3) in every screen mode of both records: it covers the screen, its
// pictures lie inside it, the keyed emblem's element has the emblem's own size (a keyed picture
// is never stretched), and element 12 holds the caption at its middle and the bar's frame, a font
// height tall, below it.
TEST(InterfaceLayoutTest, theLoadingLayoutFitsEveryScreenMode) {
    struct Row {
        uint16_t mode;
        bool squareOrLarge;
        uint32_t width, height;
        int fontHeight;
    };
    const Row rows[] = {{6, false, 320, 240, 15},  {7, false, 240, 320, 15}, {9, false, 640, 480, 26},
                        {10, false, 480, 640, 26}, {8, true, 240, 240, 15},  {11, true, 480, 480, 20},
                        {14, true, 800, 480, 26},  {15, true, 800, 584, 26}, {16, true, 640, 240, 15}};
    for (const Row& row : rows) {
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(row.squareOrLarge));
        const SLayoutRecord layout(bytes);
        uint32_t w = 0, h = 0;
        ASSERT_TRUE(layout.FindSize(row.mode, 3, w, h)) << "mode " << row.mode;
        EXPECT_EQ(w, row.width) << "mode " << row.mode;
        EXPECT_EQ(h, row.height) << "mode " << row.mode;
        for (uint16_t element : {10, 11, 12, 13, 14}) {
            const auto e = layout.FindCtrl(row.mode, 3, element);
            ASSERT_TRUE(e) << "mode " << row.mode << " element " << element;
            EXPECT_LE(e->x + e->width, row.width) << "mode " << row.mode << " element " << element;
            EXPECT_LE(e->y + e->height, row.height) << "mode " << row.mode << " element " << element;
        }
        std::vector<uint8_t> emblemBytes =
            RolePicture(SInterfaceRole::kLoadingPictures, 3, IsLargeScreenMode(row.mode));
        SPicture emblem;
        SReadError error;
        ASSERT_TRUE(emblem.Read(emblemBytes, error)) << error.Message();
        const auto e11 = layout.FindCtrl(row.mode, 3, 11);
        EXPECT_EQ(e11->width, emblem.Width()) << "mode " << row.mode;
        EXPECT_EQ(e11->height, emblem.Height()) << "mode " << row.mode;
        const auto e12 = layout.FindCtrl(row.mode, 3, 12);
        EXPECT_LE(e12->height / 2 + 2 * row.fontHeight + 10, e12->height) << "mode " << row.mode;
        EXPECT_GE(e12->width, 5 * row.fontHeight) << "mode " << row.mode;
    }
}

// The menu draws its three scenes in their own proportions at their elements' widths: each stays
// inside its element, so that no scene reaches down over the menu's rows.
TEST(InterfaceLayoutTest, theMenusScenesKeptInProportionStayInsideTheirElements) {
    for (const LayoutScreenMode& screen : kLayoutScreenModes) {
        const std::string name = "mode " + std::to_string(screen.mode);
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(screen.squareOrLarge));
        const SLayoutRecord layout(bytes);
        for (int picture : {0, 1, 2}) {
            const uint16_t element = uint16_t(picture == 0 ? 10 : 12 + picture);
            SPicture scene;
            SReadError error;
            ASSERT_TRUE(scene.Read(
                RolePicture(SInterfaceRole::kLoadingPictures, picture, IsLargeScreenMode(screen.mode)), error))
                << error.Message();
            const auto row = layout.FindCtrl(screen.mode, 3, element);
            ASSERT_TRUE(row) << name << " element " << element;
            EXPECT_LE(scene.Height() * row->width / scene.Width(), row->height) << name << " element " << element;
        }
    }
}

// The map dialog (layout 8) in every screen mode of both records: it covers the screen, every
// control lies inside it, the three buttons are as big as their pictures (a picture button takes
// its picture's size) with the two face buttons in one place, and the map lies between the header
// and the bottom row without touching either.
TEST(InterfaceLayoutTest, theMapDialogLayoutFitsEveryScreenMode) {
    struct Row {
        uint16_t mode;
        bool squareOrLarge;
        uint32_t width, height;
    };
    const Row rows[] = {{6, false, 320, 240},  {7, false, 240, 320}, {9, false, 640, 480},
                        {10, false, 480, 640}, {8, true, 240, 240},  {11, true, 480, 480},
                        {14, true, 800, 480},  {15, true, 800, 584}, {16, true, 640, 240}};
    for (const Row& row : rows) {
        const std::string name = "mode " + std::to_string(row.mode);
        const std::vector<uint8_t> bytes = SLayoutRecord::Build(SampleLayout(row.squareOrLarge));
        const SLayoutRecord layout(bytes);
        uint32_t w = 0, h = 0;
        ASSERT_TRUE(layout.FindSize(row.mode, 8, w, h)) << name;
        EXPECT_EQ(w, row.width) << name;
        EXPECT_EQ(h, row.height) << name;
        for (uint16_t id : {44, 45, 46, 47, 48, 49, 50, 51, 52}) {
            const auto c = layout.FindCtrl(row.mode, 8, id);
            ASSERT_TRUE(c) << name << " control " << id;
            EXPECT_LE(c->x + c->width, row.width) << name << " control " << id;
            EXPECT_LE(c->y + c->height, row.height) << name << " control " << id;
        }
        SPicture button;
        SReadError error;
        ASSERT_TRUE(button.Read(RolePicture(SInterfaceRole::kMapCloseButton, 0, IsLargeScreenMode(row.mode)), error));
        for (uint16_t id : {48, 49, 50}) {
            EXPECT_EQ(layout.FindCtrl(row.mode, 8, id)->width, button.Width()) << name << " button " << id;
            EXPECT_EQ(layout.FindCtrl(row.mode, 8, id)->height, button.Height()) << name << " button " << id;
        }
        EXPECT_EQ(layout.FindCtrl(row.mode, 8, 49)->x, layout.FindCtrl(row.mode, 8, 50)->x) << name;
        const auto map = layout.FindCtrl(row.mode, 8, 46);
        EXPECT_GE(map->y, layout.FindCtrl(row.mode, 8, 47)->y + layout.FindCtrl(row.mode, 8, 47)->height) << name;
        EXPECT_LE(map->y + map->height, layout.FindCtrl(row.mode, 8, 48)->y) << name;
        EXPECT_LE(map->y + map->height, layout.FindCtrl(row.mode, 8, 52)->y) << name;
        EXPECT_LE(layout.FindCtrl(row.mode, 8, 52)->x + layout.FindCtrl(row.mode, 8, 52)->width,
                  layout.FindCtrl(row.mode, 8, 49)->x)
            << name;
    }
}

}  // namespace

}  // namespace interface_layout_test
