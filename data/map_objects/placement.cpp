#include "data/map_objects/placement.h"

namespace {

constexpr int kFaceSteps = 32;
constexpr int kFacePixels = 240;  // a picture this wide or high spans the face
constexpr int kFillingWidth = 336;
constexpr int kMiddle = 16;
constexpr int kLastStep = 31;
// Pictures that stand out from their face all have up step 1 (bit 0x400).
constexpr int kStandingOut = 1;

int steps(int pixels) { return pixels * kFaceSteps / kFacePixels; }

// The step across the face that places a picture `widthSteps` wide by `across` (0 to 32).
int acrossStep(int widthSteps, int across) {
    return (widthSteps - 1) / 2 + ((kFaceSteps + 1 - widthSteps) * across) / kFaceSteps;
}

// Fields are packed as unsigned bits, so that a step out of range spoils only its own word.
constexpr uint16_t pack(int low, int middle, int high) {
    return uint16_t(uint32_t(low) | uint32_t(middle) << 5 | uint32_t(high) << 10);
}

}  // namespace

uint16_t PackPlacement(int facing, SPictureSize picture, int a, int b) {
    int across = kMiddle;
    if (picture.width < kFillingWidth && a != kMiddle) across = acrossStep(steps(picture.width), a);
    int up = b;
    if (picture.height < kFacePixels && b != 1) up = ((kFaceSteps - steps(picture.height)) * b) / kFaceSteps + 1;
    switch (facing) {
        case 1: return pack(kLastStep, across, up);
        case 2: return pack(kFaceSteps - across, kLastStep, up);
        case 3: return pack(1, kFaceSteps - across, up);
        default: return pack(across, 1, up);
    }
}

uint16_t PackPlacementFlagged(int facing, SPictureSize picture, bool flagged, int a, int b) {
    if (picture.width >= kFillingWidth) return pack(1, 1, kStandingOut);
    const int width = steps(picture.width);
    const int across = acrossStep(width, a);
    const int second = flagged ? b : acrossStep(width, b);
    switch (facing) {
        case 1: return pack(kFaceSteps - second, across, kStandingOut);
        case 2: return pack(kFaceSteps - across, kFaceSteps - second, kStandingOut);
        case 3: return pack(second, kFaceSteps - across, kStandingOut);
        default: return pack(across, second, kStandingOut);
    }
}

void RotatePoint(int& x, int& y, int facing) {
    const int oldX = x;
    if (facing == 2) {
        x = kFaceSteps - x;
        y = kFaceSteps - y;
    } else if (facing == 3) {
        x = y;
        y = kFaceSteps - oldX;
    }
}
