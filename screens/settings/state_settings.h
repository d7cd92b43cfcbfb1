#pragma once
// SStateSettings: the settings screen (screen 14), which the main menu opens over itself. The
// player sets the sound and music volume on two bars of eleven cells, turns the display on the
// devices that can be turned, shrinks the 3-D view on the large screens, and binds nine keys or
// buttons for the orientation shown. Every change but a key step is written to the registry at
// once; key steps go with the next change that writes, at the latest when the screen closes.
#include <cstdint>

#include "screens/settings/key_choices.h"
#include "ui/state.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/fill_color_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SStateSettings : public SState {
public:
    static constexpr uint32_t kLayout = 46;
    static constexpr int kVolumeCells = 11;

    // Element ids, which are also the commands of the controls placed at them.
    enum Element : uint32_t {
        kTitle = 16,
        kClose = 25,
        kSoundLabel = 595,
        kMusicLabel = 606,
        kOrientationLabel = 619,
        kPortrait = 620,
        kLeftLandscape = 621,
        kKeysLabel = 622,
        kDefaultKeys = 655,
        kRightLandscape = 659,
        kViewSizeLabel = 660,
        kViewSizeValue = 661,
        kViewSizeUp = 662,  // one step smaller
        kViewSizeDown = 663,
    };
    // Cell i sets the volume i.
    static constexpr uint32_t kSoundCells[kVolumeCells] = {607, 596, 597, 598, 599, 600, 601, 602, 603, 604, 605};
    static constexpr uint32_t kMusicCells[kVolumeCells] = {618, 608, 609, 610, 611, 612, 613, 614, 615, 616, 617};
    static constexpr uint32_t kOrientationButtons[3] = {kPortrait, kLeftLandscape, kRightLandscape};
    static constexpr uint32_t kRowNames[kKeyRows] = {623, 624, 625, 626, 152, 631, 632, 633, 634};
    static constexpr uint32_t kRowValues[kKeyRows] = {627, 628, 629, 630, 656, 635, 636, 637, 638};
    static constexpr uint32_t kRowPrevious[kKeyRows] = {639, 641, 642, 643, 657, 644, 645, 646, 647};
    static constexpr uint32_t kRowNext[kKeyRows] = {640, 648, 649, 650, 658, 651, 652, 653, 654};

    struct SKeyRow {
        STextCtrl name;
        SButtonCtrl previous;
        STextCtrl value;
        SButtonCtrl next;
    };

    void Init(SGameData* game) override;
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    uint32_t OnCommand(uint32_t id) override;

    // Lays the screen out by layout 46 for the screen mode and the orientation being edited.
    void Build();
    void SetSoundVolume(uint32_t level);
    void SetMusicVolume(uint32_t level);
    // Up 1 makes the view one step smaller, down 1 one step larger.
    void StepViewSize(int step);
    // Steps a row's binding to the previous (-1) or the next (+1) choice; stops at either end.
    void StepKey(int row, int step);
    void SetDefaultKeys();
    // Turns the display (0 portrait, 1 left landscape, 2 right landscape) and switches the screen
    // mode within its pair, then lays the screen out again for it.
    void SetOrientation(uint32_t orientation);

    // The orientation whose view size and bindings the screen shows.
    uint32_t EditedOrientation() const { return m_orientation; }
    // The binding word of a row in the edited orientation's table; 0 past row 8.
    uint32_t GetKey(int row) const;
    void SetKey(int row, uint32_t value);

    STextCtrl m_title;
    STextCtrl m_soundLabel;
    STextCtrl m_musicLabel;
    SFillColorCtrl m_soundCells[kVolumeCells];
    SFillColorCtrl m_musicCells[kVolumeCells];
    STextCtrl m_orientationLabel;
    STopicButtonCtrl m_orientations[3];
    STextCtrl m_viewSizeLabel;
    SButtonCtrl m_viewSizeUp;
    STextCtrl m_viewSizeValue;
    SButtonCtrl m_viewSizeDown;
    STextCtrl m_keysLabel;
    SKeyRow m_rows[kKeyRows];
    STopicButtonCtrl m_defaultKeys;
    SButtonCtrl m_close;

private:
    bool keyboard() const;
    uint32_t& viewSize();
    // The binding table of the orientation being edited, in the game's settings record.
    uint32_t* keyTable() const;
    void playClick();
    // Writes the whole settings record to the registry.
    void save();

    void buildVolumeBars();
    void buildOrientation();
    void buildViewSize();
    void buildKeyRows();
    void updateVolumeBars();
    void updateViewSize();
    void updateKeyRows();
    // The mode of the pair that draws the orientation: the landscape one unless it is portrait.
    uint32_t pairedScreenMode(uint32_t orientation) const;
    // Presents the frame, recreates the display turned for the screen mode and begins a frame on it.
    void switchDisplay(uint32_t screenMode);

    uint32_t m_orientation = 0;
};
