#pragma once
// The sample pictures of the 3-D view: floors 256 texels wide in the three texel formats with blend
// variants and a blend mask, walls stored turned (a picture's x runs down the wall), a pit side, a
// ceiling, a second-storey wall and a canopy. Each carries a red corner mark at its top left and a
// letter, so that a texture drawn turned or mirrored shows at a glance.
#include <cstdint>
#include <string_view>
#include <vector>

enum class SRenderArt {
    StoneFloor,    // format 1, flagstones
    StoneBlend,    // format 1, mossy flagstones: the blend variant of the stone
    GrassFloor,    // format 0
    DirtBlend,     // format 0, the blend variant of the grass
    SandFloor,     // format 2
    BlendMask,     // format 0, 16 x 128: one bit per 2 x 2 texel block of a 256-wide floor
    BrickWall,     // stored turned
    PitSide,       // format 1, 256 wide, since a pit's faces take the floor's first picture
    Ceiling,       // format 1, 256 wide, drawn by the floor filler
    UpperWall,     // stored turned: the second storey
    Canopy,        // format 1, 256 wide
    UpperCeiling,  // format 1, 256 wide: under a second-storey wall
};

struct SRenderArtName {
    SRenderArt art;
    std::string_view name;
};

inline constexpr SRenderArtName kRenderArts[] = {
    {SRenderArt::StoneFloor, "stone"}, {SRenderArt::StoneBlend, "moss"}, {SRenderArt::GrassFloor, "grass"},
    {SRenderArt::DirtBlend, "dirt"},   {SRenderArt::SandFloor, "sand"},  {SRenderArt::BlendMask, "mask"},
    {SRenderArt::BrickWall, "brick"},  {SRenderArt::PitSide, "pitside"}, {SRenderArt::Ceiling, "ceiling"},
    {SRenderArt::UpperWall, "upper"},  {SRenderArt::Canopy, "canopy"},   {SRenderArt::UpperCeiling, "vault"},
};

std::vector<uint8_t> RenderArtPicture(SRenderArt art);
