#pragma once
// SFaceCtrl: a character's portrait found by name, on a background colour, with an optional
// overlay (a mark, or a picture of the game's picture table with its palette). It reports a tap
// unless an overlay shows.
#include <cstdint>

#include "ui/ctrl.h"

struct SPaletteEntry;
struct SPictureEntry;

class SFaceCtrl : public SCtrl {
public:
    // The portrait of people (kind 4) is their tenth picture, anyone else's their seventh.
    static constexpr int kPeoplePortrait = 9;
    static constexpr int kCreaturePortrait = 6;
    static constexpr uint8_t kPeopleKind = 4;

    SFaceCtrl();

    // The face of that name in the face table, else the portrait of the monster base type of that
    // name; with neither, or a base type without its portrait, the control shows nothing.
    void SetFace(const char* name);
    // The picture of that name from the resource cache, loaded on first use.
    void SetPictureName(const char* name);
    // Either of these clears the overlay and the background colour.
    void SetPicture(const SPictureEntry* picture);
    // Entry `pictureIndex` of the resource cache over the portrait, in the colours of palette
    // `paletteIndex` (0: its own).
    void SetOverlay(uint32_t pictureIndex, uint32_t paletteIndex);
    // The game's first or second portrait mark over the portrait.
    void SetMark(uint32_t keyed, uint32_t second);
    // An interface picture over the portrait, drawn whole and keyed while `keyed` is not 0.
    void SetInterfaceOverlay(const SPictureEntry* picture, uint32_t keyed);
    void ClearOverlay();

    // A pen-up on the control answers its id, unless an overlay shows.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    const SPictureEntry* m_portrait = nullptr;
    int32_t m_picW = 0;
    int32_t m_picH = 0;
    uint32_t m_bgColor = 0;
    const SPictureEntry* m_overlay = nullptr;
    const SPaletteEntry* m_overlayPalette = nullptr;
    uint32_t m_overlayKeyed = 0;

private:
    void drawOverlay(int sourceX, int sourceY);
};
