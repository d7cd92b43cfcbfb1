#include "ui/dialogs/dialog_loading.h"

#include "engine/draw/display.h"
#include "engine/draw/text.h"
#include "game/game_data.h"

namespace {

// The layout elements of the four pictures, in the order of the game's loading pictures; the
// fourth is drawn keyed, over what lies under it.
constexpr uint32_t kPictureElements[4] = {10, 13, 14, 11};
// The caption, the frame and the bar all take their place from this one.
constexpr uint32_t kBarElement = 12;
constexpr uint32_t kCaptionColor = 0x00FFFF;

}  // namespace

void PlaceLoadingPictures(SDialog& dialog, SPicCtrl (&pictures)[4], bool keepAspect) {
    for (int i = 0; i < 4; ++i) {
        if (!dialog.PlaceCtrl(pictures[i], kPictureElements[i])) continue;
        if (keepAspect) pictures[i].m_keepAspect = 1;
        pictures[i].SetPicture(dialog.m_game->InterfacePicture(SInterfaceRole::kLoadingPictures, i), i == 3 ? 1 : 0, 0,
                               1);
    }
}

void SDialogLoading::Init(SGameData* game) {
    SDialog::Init(game);
    for (SPicCtrl& picture : m_pictures) picture.Attach(this);
    m_caption.Attach(this);
    m_frame.Attach(this);
    m_bar.Attach(this);
}

void SDialogLoading::Open() {
    ClearCtrls();
    SetLayout(kLayout);
    SetBackgroundColor();
    PlaceLoadingPictures(*this, m_pictures, false);
    const std::optional<SLayoutRow> element = m_game->GetLayoutCtrl(kLayout, kBarElement);
    if (element) {
        m_text->SelectFont(1, kCaptionColor, 0);
        const int fontHeight = m_text->LineHeight();
        PlaceCtrl(m_caption, kBarElement);
        m_caption.m_h = uint16_t(fontHeight + 1);
        m_caption.m_y = int16_t(m_caption.m_y + element->height / 2);
        // Centred above the bar; the loaders that name what they load give it its text.
        m_caption.SetTextEx("", 2, 1, kCaptionColor, 0);

        PlaceCtrl(m_frame, kBarElement);
        m_frame.SetRect(int16_t(m_x + element->x + (element->width - 5 * fontHeight) / 2),
                        int16_t(m_y + element->y + element->height / 2 + fontHeight + 10), uint16_t(5 * fontHeight),
                        uint16_t(fontHeight));
        m_frame.Setup(m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet), 0, 0, SBorderSides::kAll);

        PlaceCtrl(m_bar, kBarElement);
        m_bar.SetRect(int16_t(m_frame.m_x + 4), int16_t(m_frame.m_y + 4), uint16_t(m_frame.m_w - 8),
                      uint16_t(m_frame.m_h - 8));
        m_bar.Reset();
    }
    SetDirty();
}

void SDialogLoading::Start(uint32_t count) {
    m_bar.SetMaximum(int32_t(count));
    drawAndPresent();
}

void SDialogLoading::Step() {
    m_bar.Step();
    drawAndPresent();
}

void SDialogLoading::drawAndPresent() {
    Draw();
    m_display->Flip();
}
