#pragma once
// SDialogMessage: the game's modal message box, a panel around a scrolling text control with a
// row of up to ten caption buttons. It sizes itself to its text and buttons by screen type,
// centres itself on the screen or over the 3-D view, and shows a text longer than it holds page by
// page behind a lone Continue button before the buttons asked for appear. The text control is the
// caller's, prepared by SGameData::ShowMessageBox; ticks only draw the box.
//
// Its answer: the chosen button's bit (0 for a box without buttons). A box with a parent forwards
// it to the parent's OnCommand and returns the parent's answer. A box without a parent returns the
// bit itself, 1 for 0: an opener that reads the answer (the play screen turns it into a
// question's answer) opens the box without a parent, because the base routing would take a
// returned 1 or 2 for the id of a screen to switch to.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/ctrl_message_button.h"

class SDialogTextCtrl;

class SDialogMessage : public SDialog {
public:
    // The buttons by bit; the bit is also the button's command.
    enum Button : uint32_t {
        kOk = 1,
        kCancel = 2,
        kYes = 4,
        kNo = 8,
        kContinue = 16,
        kLeft = 32,
        kRight = 64,
        kOpen = 128,
        kDisarm = 256,
        kPick = 512,
    };
    static constexpr int kButtonCount = 10;

    void Init(SGameData* game) override;
    // Sets the button of a bit up with its caption and adds it; anything but one of the ten bits
    // does nothing.
    void SetButtons(uint32_t bit);
    // Lays the box out around the text control's pending lines with the buttons of the set (only
    // its low 16 bits count), centred on the screen or over the 3-D view, its text revealed without
    // pauses. Keys and taps count from the next frame on.
    void Show(SDialogTextCtrl* textCtrl, uint32_t buttonSet, bool centreOnScreen);

    // The panel, the text's page, then Continue while lines wait, else the buttons of the set.
    void Draw() override;
    // Continue shows the next page and keeps the box open; any other id answers (see above).
    uint32_t OnCommand(uint32_t id) override;
    // 3006 chooses the first of Ok, Yes and Continue that shows, 3007 the first of Cancel and No;
    // with no button showing, any key closes the box with 0.
    uint32_t OnKey(uint32_t key) override;
    // The buttons take the stylus; with none showing, a release inside the box closes it with 0.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;

    SDialogTextCtrl* m_textCtrl = nullptr;
    uint32_t m_buttonSet = 0;
    SCtrlMessageButton m_buttons[kButtonCount];

private:
    SCtrlMessageButton& button(uint32_t bit);
    bool showing(uint32_t bit) const;
    void addSetButtons();
    // The buttons showing side by side, with their gaps.
    int buttonsWidth() const;
    // Side by side, centred as a row (Continue alone in the middle), on the row below the text.
    void placeButtons();
    void drawPanelAndText();
    void playClick(bool first);

    int32_t m_buttonsTop = 0;  // the button row's offset below the box's top
    bool m_paging = false;     // Continue stands in for the set's buttons
};
