#pragma once
// SPicCtrl: one picture, or a raw RGB565 image, fitted to the control, with an optional frame
// around it and a background; it reports a tap on the picture.
#include <cstdint>
#include <span>

#include "ui/ctrl.h"
#include "ui/picture_sets.h"

class SPicCtrl : public SCtrl {
public:
    SPicCtrl();

    // A picture of exactly the control's size is drawn as it is at the top left; any other size is
    // stretched to the control (with `m_keepAspect`, to the control's width and the picture's own
    // proportions). A keyed picture that would be stretched is not drawn. Since an unstretched
    // picture always fills the control, `centered` changes nothing; it is taken for the callers'
    // argument lists.
    void SetPicture(const SPictureEntry* picture, uint32_t keyed, uint32_t centered, uint32_t bgOn);
    // A raw image of width x height pixels, row by row; it must outlive its showing. An image
    // shorter than its size is not shown.
    void SetRaw(std::span<const uint16_t> image, int32_t width, int32_t height);
    // A frame of the set around the picture, 4 pixels from it.
    void SetFrame(const SFrameSet& frameSet);

    // A pen-down on the picture answers the control's id.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    std::span<const uint16_t> m_raw;
    const SPictureEntry* m_picture = nullptr;
    uint32_t m_keyed = 0;
    uint32_t m_keepAspect = 0;  // set by the owner
    uint32_t m_stretched = 0;
    // Shown when there is neither picture nor raw image; null shows the game's default picture.
    const SPictureEntry* m_placeholder = nullptr;
    int32_t m_drawX = 0;
    int32_t m_drawY = 0;
    int32_t m_picW = 0;  // the size drawn (for a raw image, its own size)
    int32_t m_picH = 0;
    uint32_t m_bgOn = 0;
    uint32_t m_bgColor = 0;
    uint32_t m_frameOn = 0;
    SFrameSet m_frameSet{};
    uint32_t m_frameMarginX = 4;
    uint32_t m_frameMarginY = 4;

private:
    void drawRaw();
    void drawPlaceholder();
};
