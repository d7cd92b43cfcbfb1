#include "tools/sampledata/sample_world_art.h"

#include <cstdint>
#include <vector>

#include "tools/sampledata/plain_textures.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sprite_art.h"
#include "tools/sampledata/world_door_art.h"

namespace {

using namespace plain_textures;

// A sign stands in front of its wall as a free picture does, on a point of the floor: the point
// lies this many texels below the board, so that the board hangs on the wall at head height.
constexpr int kSignFoot = -110;

struct SSpritePicture {
    const char* name;
    SSpriteArt art;
};

// The trees, banners and the plate carry no marks and serve the world as they are.
const SSpritePicture kSpritePictures[] = {
    {"bres_banner", SSpriteArt::Banner},
    {"bres_banner-side", SSpriteArt::BannerSide},
    {"bres_tree", SSpriteArt::Tree},
    {"bres_gate", SSpriteArt::Fireball},
};

// The goblins' 64 rows enlarged to 144: four fifths of the 180 at which a creature's picture
// stands as tall as the player, where the tiny worlds' goblin came up to the player's knee.
constexpr int kGoblinEnlarged = 9, kGoblinDrawn = 4;

}  // namespace

void AddWorldPictures(SSamplePackage& resources) {
    const uint16_t stone = ArtColour(128, 124, 118);
    std::vector<SNamedResource>& pictures = resources.pictures;
    pictures.push_back({"bres_stone", Flagstones(stone, stone, 0).BlockRecord()});
    pictures.push_back({"bres_grass", Ground(ArtColour(70, 130, 50), 30).Record()});
    pictures.push_back({"bres_sand", Ground(ArtColour(200, 180, 130), 12).BlockRecord(2)});
    pictures.push_back({"bres_ceiling", Flagstones(ArtColour(90, 80, 70), stone, 0).BlockRecord()});
    pictures.push_back({"bres_brick", Turned(Bricks(ArtColour(140, 134, 124), ArtColour(78, 72, 64))).Record()});
    pictures.push_back({"bres_doorframe", world_door_art::DoorFrame().Record()});
    pictures.push_back({"bres_doorleaf", world_door_art::DoorLeaf().Record()});
    pictures.push_back({"bres_stairs-up", world_door_art::Steps(false).Record()});
    pictures.push_back({"bres_stairs-down", world_door_art::Steps(true).Record()});
    pictures.push_back({"bres_sign", world_door_art::Sign().Record(kSignFoot)});
    pictures.push_back({"bres_innsign", world_door_art::InnSign().Record(kSignFoot)});
    for (const SSpritePicture& picture : kSpritePictures)
        pictures.push_back({picture.name, SpriteArtPicture(picture.art)});
    pictures.push_back({"bres_goblin", EnlargedGoblinPicture(false, kGoblinEnlarged, kGoblinDrawn)});
    pictures.push_back({"bres_goblin-raised", EnlargedGoblinPicture(true, kGoblinEnlarged, kGoblinDrawn)});
}
