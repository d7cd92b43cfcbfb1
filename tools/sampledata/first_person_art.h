#pragma once
// The sample first-person pictures: what the player's hands hold, drawn for a view of about 380 x
// 320 as the weapon hand shows it rising into the bottom-right corner. The off hand shows its
// picture mirrored in the bottom-left corner; an arrow goes with the bow.
#include <cstdint>
#include <vector>

enum class SFirstPersonArt { Fist, Sword, Shield, Bow, Arrow };

inline constexpr SFirstPersonArt kFirstPersonArts[] = {SFirstPersonArt::Fist, SFirstPersonArt::Sword,
                                                       SFirstPersonArt::Shield, SFirstPersonArt::Bow,
                                                       SFirstPersonArt::Arrow};

// The picture record, one colour index per pixel, keyed around the shapes.
std::vector<uint8_t> FirstPersonPicture(SFirstPersonArt art);
