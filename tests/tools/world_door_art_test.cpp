// The sample world's own doors and walls: the leaf fills the opening of its arch, the arch stands a
// storey high, and none of the pictures is the renderer tests' marked art.
#include "tools/sampledata/world_door_art.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/sampledata/render_art.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_world_art.h"
#include "tools/sampledata/sprite_art.h"

namespace world_door_art_test {

namespace {

using namespace world_door_art;

// A door frame spans the cell, 1024 units, and stands h * 1024 / w units high; a storey is 731.
TEST(WorldDoorArtTest, theArchStandsAStoreyHighAndTheLeafFillsItsOpening) {
    const SArtCanvas frame = DoorFrame(), leaf = DoorLeaf();
    const int archHeight = frame.Height() * 1024 / frame.Width();
    EXPECT_NEAR(archHeight, 731, 731 / 10);
    EXPECT_EQ(leaf.Height(), frame.Height());
    EXPECT_EQ(kLeafLeft + leaf.Width() + kLeafLeft, frame.Width()) << "the leaf stands in the middle";
    // Left of, right of and above the opening the arch is solid; inside it clear; the leaf covers
    // exactly the clear part.
    struct Probe {
        int x, y;
        bool archClear;
    };
    for (const Probe& p : {Probe{kLeafLeft - 1, 80, false}, Probe{kLeafLeft + kLeafWidth, 80, false},
                           Probe{kLeafLeft + 10, kLintel - 1, false}, Probe{kLeafLeft, kLintel, true},
                           Probe{kLeafLeft + kLeafWidth - 1, frame.Height() - 1, true}}) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_EQ(frame.At(p.x, p.y) == SArtCanvas::kClear, p.archClear);
        const int leafX = p.x - kLeafLeft;
        if (leafX >= 0 && leafX < leaf.Width()) {
            EXPECT_EQ(leaf.At(leafX, p.y) != SArtCanvas::kClear, p.archClear);
        }
    }
}

// The renderer's pictures carry letters and corner marks to show how they were drawn; the world
// has pictures of its own under the same names.
TEST(WorldDoorArtTest, theWorldsWallsDoorsAndSignsAreNotTheRenderersMarkedArt) {
    SSamplePackage resources;
    AddWorldPictures(resources);
    auto picture = [&](const std::string& name) {
        for (const SNamedResource& named : resources.pictures)
            if (named.name == name) return named.bytes;
        ADD_FAILURE() << name << " is missing";
        return std::vector<uint8_t>{};
    };
    EXPECT_NE(picture("bres_brick"), RenderArtPicture(SRenderArt::BrickWall));
    EXPECT_NE(picture("bres_stone"), RenderArtPicture(SRenderArt::StoneFloor));
    EXPECT_NE(picture("bres_grass"), RenderArtPicture(SRenderArt::GrassFloor));
    EXPECT_NE(picture("bres_sand"), RenderArtPicture(SRenderArt::SandFloor));
    EXPECT_NE(picture("bres_ceiling"), RenderArtPicture(SRenderArt::Ceiling));
    EXPECT_NE(picture("bres_doorframe"), SpriteArtPicture(SSpriteArt::DoorFrame));
    EXPECT_NE(picture("bres_doorleaf"), SpriteArtPicture(SSpriteArt::DoorLeft));
    EXPECT_NE(picture("bres_sign"), SpriteArtPicture(SSpriteArt::Sign));
}

}  // namespace

}  // namespace world_door_art_test
