#include "tools/sampledata/sample_world_art.h"

#include <cstdint>
#include <vector>

#include "tools/sampledata/render_art.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sprite_art.h"

namespace {

struct SRenderPicture {
    const char* name;
    SRenderArt art;
};

struct SSpritePicture {
    const char* name;
    SSpriteArt art;
};

const SRenderPicture kRenderPictures[] = {
    {"bres_stone", SRenderArt::StoneFloor}, {"bres_grass", SRenderArt::GrassFloor},
    {"bres_sand", SRenderArt::SandFloor},   {"bres_ceiling", SRenderArt::Ceiling},
    {"bres_brick", SRenderArt::BrickWall},
};

const SSpritePicture kSpritePictures[] = {
    {"bres_doorframe", SSpriteArt::DoorFrame}, {"bres_doorleaf", SSpriteArt::DoorLeft},
    {"bres_banner", SSpriteArt::Banner},       {"bres_banner-side", SSpriteArt::BannerSide},
    {"bres_sign", SSpriteArt::Sign},           {"bres_tree", SSpriteArt::Tree},
    {"bres_goblin", SSpriteArt::Goblin},       {"bres_goblin-raised", SSpriteArt::GoblinRaised},
    {"bres_water", SSpriteArt::Potion},        {"bres_gold", SSpriteArt::Coin},
    {"bres_berries", SSpriteArt::Apple},       {"bres_gate", SSpriteArt::Fireball},
};

}  // namespace

void AddWorldPictures(SSamplePackage& resources) {
    for (const SRenderPicture& picture : kRenderPictures)
        resources.pictures.push_back({picture.name, RenderArtPicture(picture.art)});
    for (const SSpritePicture& picture : kSpritePictures)
        resources.pictures.push_back({picture.name, SpriteArtPicture(picture.art)});
}
