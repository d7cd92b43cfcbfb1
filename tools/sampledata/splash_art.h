#pragma once
// The splash screen's pictures: the Brim Vale logo (its finished form, and the same lettering the
// dots reveal), the text under it for the small screens and the others, and four sparkles of the
// dots' size.
#include <cstdint>
#include <map>
#include <vector>

// Record id to picture record.
std::map<uint16_t, std::vector<uint8_t>> SplashPictures();

// The text picture's width and height on the small screens or the others.
int SplashTextWidth(bool small);
int SplashTextHeight(bool small);
