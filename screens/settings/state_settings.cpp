#include "screens/settings/state_settings.h"

#include "engine/audio/sound.h"
#include "engine/draw/display.h"
#include "engine/files/settings.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "ui/colour_word.h"

namespace {

// Colour words: red in the lowest byte.
constexpr uint32_t kSettingsLabelColour = 0xC8C8C8;
constexpr uint32_t kSettingsValueColour = 0x64C8C8;
constexpr uint32_t kOptionColour = 0x64C8C8;
constexpr uint32_t kOptionHighlight = 0x00FFFF;
constexpr uint32_t kCellOff = 0x585858;
constexpr uint32_t kCellOn = 0xC8C8C8;

constexpr uint32_t kLeftBottom = STextAlign::kLeft | STextAlign::kBottom;

constexpr const char* kOrientationNames[3] = {"Portrait", "Left Landscape", "Right Landscape"};
constexpr const char* kViewSizeLabels[3] = {"Portrait view size:", "Left landscape view size:",
                                            "Right landscape view size:"};
constexpr const char* kKeysLabels[3] = {"Portrait keys:", "Left landscape keys:", "Right landscape keys:"};
constexpr const char* kViewSizeNames[SSettings::kSmallestViewSize + 1] = {"largest", "moderate", "smallest"};

template <size_t N>
int indexOf(const uint32_t (&ids)[N], uint32_t id) {
    for (size_t i = 0; i < N; ++i)
        if (ids[i] == id) return int(i);
    return -1;
}

}  // namespace

void SStateSettings::Init(SGameData* game) {
    SState::Init(game);
    SCtrl* ctrls[] = {&m_title,         &m_soundLabel,  &m_musicLabel,    &m_orientationLabel,
                      &m_viewSizeLabel, &m_viewSizeUp,  &m_viewSizeValue, &m_viewSizeDown,
                      &m_keysLabel,     &m_defaultKeys, &m_close};
    for (SCtrl* ctrl : ctrls) ctrl->Attach(this);
    for (int i = 0; i < kVolumeCells; ++i) {
        m_soundCells[i].Attach(this);
        m_musicCells[i].Attach(this);
    }
    for (STopicButtonCtrl& button : m_orientations) button.Attach(this);
    for (SKeyRow& row : m_rows) {
        row.name.Attach(this);
        row.previous.Attach(this);
        row.value.Attach(this);
        row.next.Attach(this);
    }
}

bool SStateSettings::keyboard() const { return IsKeyboardScreenMode(int(m_game->m_screenMode)); }

uint32_t& SStateSettings::viewSize() {
    SSettings& settings = m_game->m_settings;
    return m_orientation == 1 ? settings.leftViewSize : m_orientation == 2 ? settings.rightViewSize : settings.viewSize;
}

uint32_t* SStateSettings::keyTable() const {
    SSettings& settings = m_game->m_settings;
    return m_orientation == 1 ? settings.leftKeys : m_orientation == 2 ? settings.rightKeys : settings.keys;
}

uint32_t SStateSettings::GetKey(int row) const { return row >= 0 && row < kKeyRows ? keyTable()[row] : 0; }

void SStateSettings::SetKey(int row, uint32_t value) {
    if (row >= 0 && row < kKeyRows) keyTable()[row] = value;
}

void SStateSettings::playClick() {
    if (m_game->m_sound) m_game->m_sound->Play(m_game->m_interfaceSound1, 10);
}

void SStateSettings::save() { m_game->SaveSettings(); }

void SStateSettings::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    // Keyboards bind keys in the one table they read, whatever the stored orientation.
    const int32_t orientation = m_display ? m_display->m_orientation : 0;
    m_orientation = !keyboard() && orientation >= 0 && orientation <= 2 ? uint32_t(orientation) : 0;
    Build();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateSettings::Build() {
    ClearCtrls();
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kSettingsBackground));
    if (PlaceCtrl(m_title, kTitle))
        m_title.SetTextEx("Settings", STextAlign::kCentred, 2, kSettingsLabelColour, kShade);
    buildVolumeBars();
    buildOrientation();
    buildViewSize();
    buildKeyRows();
    if (PlaceCtrl(m_close, kClose))
        m_close.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kClose, kActionUse);
    SetDirty();
}

void SStateSettings::buildVolumeBars() {
    if (PlaceCtrl(m_soundLabel, kSoundLabel))
        m_soundLabel.SetTextEx("Sound volume:", STextAlign::kLeft, 1, kSettingsLabelColour, kShade);
    if (PlaceCtrl(m_musicLabel, kMusicLabel))
        m_musicLabel.SetTextEx("Music volume:", STextAlign::kLeft, 1, kSettingsLabelColour, kShade);
    for (int i = 0; i < kVolumeCells; ++i) {
        for (auto [cell, id] :
             {std::pair{&m_soundCells[i], kSoundCells[i]}, std::pair{&m_musicCells[i], kMusicCells[i]}}) {
            if (!PlaceCtrl(*cell, id)) continue;
            cell->m_input = SCtrlInput::kPen;
            cell->SetColor(kCellOff);
        }
    }
    updateVolumeBars();
}

void SStateSettings::buildOrientation() {
    if (!HasOrientationChoice(int(m_game->m_screenMode))) return;
    if (PlaceCtrl(m_orientationLabel, kOrientationLabel))
        m_orientationLabel.SetTextEx("Orientation:", STextAlign::kLeft, 1, kSettingsLabelColour, kShade);
    for (uint32_t o = 0; o < 3; ++o) {
        STopicButtonCtrl& button = m_orientations[o];
        if (!PlaceCtrl(button, kOrientationButtons[o])) continue;
        button.SetupSimple(kOrientationNames[o], kOrientationButtons[o], kOptionColour, kOptionHighlight, kShade);
        button.SetChecked(o == m_orientation);
    }
}

void SStateSettings::buildViewSize() {
    const int mode = int(m_game->m_screenMode);
    if (!IsLargeScreenMode(mode)) return;
    if (PlaceCtrl(m_viewSizeLabel, kViewSizeLabel)) {
        const char* label = HasOrientationChoice(mode) ? kViewSizeLabels[m_orientation] : "View size:";
        m_viewSizeLabel.SetTextEx(label, kLeftBottom, 1, kSettingsLabelColour, kShade);
    }
    if (PlaceCtrl(m_viewSizeUp, kViewSizeUp))
        m_viewSizeUp.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kPreviousChoiceButton), kViewSizeUp, 0);
    if (PlaceCtrl(m_viewSizeValue, kViewSizeValue))
        m_viewSizeValue.SetTextEx("", STextAlign::kCentred, 1, kSettingsValueColour, kShade);
    if (PlaceCtrl(m_viewSizeDown, kViewSizeDown))
        m_viewSizeDown.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kNextChoiceButton), kViewSizeDown, 0);
    updateViewSize();
}

void SStateSettings::buildKeyRows() {
    const int mode = int(m_game->m_screenMode);
    if (PlaceCtrl(m_keysLabel, kKeysLabel)) {
        const char* label = HasOrientationChoice(mode) ? kKeysLabels[m_orientation] : "Keys:";
        m_keysLabel.SetTextEx(label, STextAlign::kLeft, 1, kSettingsLabelColour, kShade);
    }
    const auto previous = m_game->InterfaceSet<3>(SInterfaceRole::kPreviousChoiceButton);
    const auto next = m_game->InterfaceSet<3>(SInterfaceRole::kNextChoiceButton);
    for (int r = 0; r < kKeyRows; ++r) {
        SKeyRow& row = m_rows[r];
        if (PlaceCtrl(row.name, kRowNames[r]))
            row.name.SetTextEx(RowLabel(r, keyboard()), STextAlign::kLeft, 1, kSettingsLabelColour, kShade);
        if (PlaceCtrl(row.previous, kRowPrevious[r])) row.previous.SetupPicture(previous, kRowPrevious[r], 0);
        if (PlaceCtrl(row.value, kRowValues[r]))
            row.value.SetTextEx("", STextAlign::kCentred, 1, kSettingsValueColour, kShade);
        if (PlaceCtrl(row.next, kRowNext[r])) row.next.SetupPicture(next, kRowNext[r], 0);
    }
    if (PlaceCtrl(m_defaultKeys, kDefaultKeys))
        m_defaultKeys.SetupSimple("Default keys", kDefaultKeys, kOptionColour, kOptionHighlight, kShade);
    updateKeyRows();
}

void SStateSettings::updateVolumeBars() {
    const SSettings& settings = m_game->m_settings;
    for (uint32_t i = 0; i < uint32_t(kVolumeCells); ++i) {
        m_soundCells[i].SetColor(i > settings.soundVolume ? kCellOff : kCellOn);
        m_musicCells[i].SetColor(i > settings.musicVolume ? kCellOff : kCellOn);
    }
    SetDirty();
}

void SStateSettings::updateViewSize() {
    if (viewSize() > SSettings::kSmallestViewSize) {
        viewSize() = 0;
        save();
    }
    const uint32_t size = viewSize();
    m_viewSizeValue.SetText(kViewSizeNames[size]);
    m_viewSizeUp.SetEnabled(size < SSettings::kSmallestViewSize);
    m_viewSizeDown.SetEnabled(size >= 1);
}

void SStateSettings::updateKeyRows() {
    for (int r = 0; r < kKeyRows; ++r) {
        const std::span<const SKeyChoice> choices = RowChoices(r, keyboard());
        const int i = FindChoice(choices, GetKey(r));
        // A word the row does not offer is shown, and from now on kept, as "none".
        SetKey(r, choices[size_t(i)].code);
        m_rows[r].value.SetText(choices[size_t(i)].name);
        m_rows[r].previous.SetEnabled(i > 0);
        m_rows[r].next.SetEnabled(i + 1 < int(choices.size()));
    }
}

uint32_t SStateSettings::OnCommand(uint32_t id) {
    if (const int level = indexOf(kSoundCells, id); level >= 0) {
        SetSoundVolume(uint32_t(level));
    } else if (const int level = indexOf(kMusicCells, id); level >= 0) {
        SetMusicVolume(uint32_t(level));
    } else if (const int orientation = indexOf(kOrientationButtons, id); orientation >= 0) {
        SetOrientation(uint32_t(orientation));
    } else if (const int row = indexOf(kRowPrevious, id); row >= 0) {
        StepKey(row, -1);
    } else if (const int row = indexOf(kRowNext, id); row >= 0) {
        StepKey(row, +1);
    } else if (id == kViewSizeUp || id == kViewSizeDown) {
        StepViewSize(id == kViewSizeUp ? +1 : -1);
    } else if (id == kDefaultKeys) {
        SetDefaultKeys();
    } else if (id == kClose) {
        if (m_game->m_sound) m_game->m_sound->Play(m_game->m_interfaceSound2, 10);
        save();
        return kGoBack;
    }
    return kStay;
}

void SStateSettings::SetSoundVolume(uint32_t level) {
    m_game->m_settings.soundVolume = level;
    save();
    if (m_game->m_sound) m_game->m_sound->SetVolumes(int(level), int(m_game->m_settings.musicVolume));
    playClick();
    updateVolumeBars();
}

void SStateSettings::SetMusicVolume(uint32_t level) {
    SSettings& settings = m_game->m_settings;
    settings.musicVolume = level;
    save();
    if (SSound* sound = m_game->m_sound.get()) {
        // The click starts with the sound volume at the new music level, so that a sound library
        // that takes the volume as a sound starts plays it as loud as the music will be. (The
        // program's own mixer applies the sound volume while it mixes: there the click keeps the
        // sound volume.)
        const int soundLevel = int(settings.soundVolume);
        sound->SetVolumes(int(level), int(level));
        playClick();
        sound->SetVolumes(soundLevel, int(level));
    }
    updateVolumeBars();
}

void SStateSettings::StepViewSize(int step) {
    playClick();
    const int size = int(viewSize()) + step;
    viewSize() = size >= 0 && size <= int(SSettings::kSmallestViewSize) ? uint32_t(size) : 0;
    save();
    updateViewSize();
    SetDirty();
}

void SStateSettings::StepKey(int row, int step) {
    const std::span<const SKeyChoice> choices = RowChoices(row, keyboard());
    if (choices.empty()) return;
    playClick();
    const int i = FindChoice(choices, GetKey(row)) + step;
    if (i >= 0 && i < int(choices.size())) SetKey(row, choices[size_t(i)].code);
    // Saved at once, as every other setting is: a window closed over the screen must not lose it.
    save();
    updateKeyRows();
    SetDirty();
}

void SStateSettings::SetDefaultKeys() {
    playClick();
    const std::span<const uint32_t, 9> defaults = DefaultBindings(m_orientation, keyboard());
    for (int r = 0; r < kKeyRows; ++r) SetKey(r, defaults[size_t(r)]);
    save();
    updateKeyRows();
    SetDirty();
}

uint32_t SStateSettings::pairedScreenMode(uint32_t orientation) const {
    const uint32_t mode = m_game->m_screenMode;
    const bool turned = orientation != 0;
    if (mode == 3 || mode == 4) return turned ? 4 : 3;
    if (mode == 6 || mode == 7) return turned ? 6 : 7;
    if (mode == 9 || mode == 10) return turned ? 9 : 10;
    return mode;
}

void SStateSettings::SetOrientation(uint32_t orientation) {
    if (orientation > 2 || orientation == m_orientation || !HasOrientationChoice(int(m_game->m_screenMode))) return;
    playClick();
    m_orientation = orientation;
    m_display->SetOrientation(int(orientation));
    m_game->m_settings.startMode = orientation;
    save();
    switchDisplay(pairedScreenMode(orientation));
    Build();
}

void SStateSettings::switchDisplay(uint32_t screenMode) {
    m_display->Present();
    m_game->m_screenMode = screenMode;
    // The display is made again, turned for the orientation; the surface keeps nothing of the old
    // one, so the whole screen is drawn afresh on the new frame.
    m_game->SetDisplayMode(false);
    m_display->BeginFrame();
}
