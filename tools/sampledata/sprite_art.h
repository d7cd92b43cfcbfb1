#pragma once
// The sample pictures of the 3-D view's objects: standing pictures with foot offsets, creature
// poses, the two markers, item pictures, a door frame with two leaves, a turning bush, a banner
// with its oblique picture, a projecting sign, a shelf, a roof texture 256 wide and a cell effect.
// The tiny worlds (tiny_world.h) name them.
#include <cstdint>
#include <string_view>
#include <vector>

enum class SSpriteArt {
    Statue,        // stands 6 texels above its bottom edge
    Barrel,        // stands 2 texels above its bottom edge
    Lamp,          // a composite's extra
    Chandelier,    // hangs from its top edge
    Goblin,        // a creature, standing
    GoblinRaised,  // the same creature, arms raised
    MarkerA,       // over item piles: a red ring
    MarkerB,       // a green drop
    Potion,
    Coin,
    Apple,
    Book,
    DoorFrame,  // 320 x 224: an arch whose opening runs from texel 40 to 280 and from row 24 down
    DoorLeft,   // 120 x 200 each
    DoorRight,
    Bush,        // the turning picture
    Banner,      // on a side, seen head-on
    BannerSide,  // the same, seen obliquely
    Sign,        // projecting from its side
    Shelf,       // its board 30 texels above the bottom edge
    Roof,        // format 1, 256 x 128 tiles
    Fireball,    // the cell effect in the free sprite slot
    Notice,      // a panel
    Paper,       // the panel's extra
    Fence,       // the cross picture
    Tree,        // the large picture, standing 4 texels above its bottom edge
    Bird,        // the raised group
    Balcony,     // the upper panel
};

struct SSpriteArtName {
    SSpriteArt art;
    std::string_view name;
};

inline constexpr SSpriteArtName kSpriteArts[] = {
    {SSpriteArt::Statue, "statue"},
    {SSpriteArt::Barrel, "barrel"},
    {SSpriteArt::Lamp, "lamp"},
    {SSpriteArt::Chandelier, "chandelier"},
    {SSpriteArt::Goblin, "goblin"},
    {SSpriteArt::GoblinRaised, "goblin-raised"},
    {SSpriteArt::MarkerA, "marker-a"},
    {SSpriteArt::MarkerB, "marker-b"},
    {SSpriteArt::Potion, "potion"},
    {SSpriteArt::Coin, "coin"},
    {SSpriteArt::Apple, "apple"},
    {SSpriteArt::Book, "book"},
    {SSpriteArt::DoorFrame, "doorframe"},
    {SSpriteArt::DoorLeft, "door-left"},
    {SSpriteArt::DoorRight, "door-right"},
    {SSpriteArt::Bush, "bush"},
    {SSpriteArt::Banner, "banner"},
    {SSpriteArt::BannerSide, "banner-side"},
    {SSpriteArt::Sign, "sign"},
    {SSpriteArt::Shelf, "shelf"},
    {SSpriteArt::Roof, "roof"},
    {SSpriteArt::Fireball, "fireball"},
    {SSpriteArt::Notice, "notice"},
    {SSpriteArt::Paper, "paper"},
    {SSpriteArt::Fence, "fence"},
    {SSpriteArt::Tree, "tree"},
    {SSpriteArt::Bird, "bird"},
    {SSpriteArt::Balcony, "balcony"},
};

std::vector<uint8_t> SpriteArtPicture(SSpriteArt art);
// The goblin drawn numerator / denominator times its size, for a world whose creatures are to stand
// nearer the player's height than the tiny worlds' small one.
std::vector<uint8_t> EnlargedGoblinPicture(bool raised, int numerator, int denominator);
