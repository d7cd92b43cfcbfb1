#pragma once
// The sample first-person pictures: what the player's hands hold, drawn for a view of about 380 x
// 320 as the weapon hand shows it rising into the bottom-right corner. The off hand shows its
// picture mirrored in the bottom-left corner; an arrow goes with the bow.
#include <cstdint>
#include <vector>

// SwordSwing is the sword in the middle of a blow: a stroke shows it rising from the corner, where
// the resting sword would only sink and come back.
enum class SFirstPersonArt { Fist, Sword, Shield, Bow, Arrow, SwordSwing };

// The hands of the tiny worlds and the viewer.
inline constexpr SFirstPersonArt kFirstPersonArts[] = {SFirstPersonArt::Fist, SFirstPersonArt::Sword,
                                                       SFirstPersonArt::Shield, SFirstPersonArt::Bow,
                                                       SFirstPersonArt::Arrow};

// The colour of the streaks the swung sword leaves, which no other hand picture has.
uint16_t SwingStreakColour();
// The picture record, one colour index per pixel, keyed around the shapes.
std::vector<uint8_t> FirstPersonPicture(SFirstPersonArt art);
