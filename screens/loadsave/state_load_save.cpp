#include "screens/loadsave/state_load_save.h"

#include <string>

#include "engine/audio/sound.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "game/save_names.h"

namespace {

// Colour words: red in the lowest byte.
constexpr uint32_t kLight = 0xC8C8C8;
constexpr uint32_t kDark = 0x161616;
constexpr uint32_t kLoadSaveTitleColour = 0xFFFFFF;

constexpr uint32_t kYesNo = SDialogMessage::kYes | SDialogMessage::kNo;
// The role's pictures: load, save and remove, each normal and pressed.
constexpr int kLoadPictures = 0;
constexpr int kSavePictures = 2;
constexpr int kRemovePictures = 4;

// The saved game a row stands for: the auto-save, 0, has no row.
uint32_t fileOf(int slot) { return uint32_t(slot) + 1; }

}  // namespace

void SStateLoadSave::Init(SGameData* game) {
    SState::Init(game);
    m_title.Attach(this);
    for (SSlotRow& row : m_rows) {
        row.frame.Attach(this);
        row.thumbnail.Attach(this);
        row.text.Attach(this);
    }
    m_action.Attach(this);
    m_remove.Attach(this);
    m_back.Attach(this);
    m_message.Init(game);
    m_loading.Init(game);
}

void SStateLoadSave::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_selected = -1;
    m_subMode = kList;
    for (int slot = 0; slot < kSlots; ++slot) readSummary(slot);
    build();
    SelectSlot(-1);
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateLoadSave::Leave() {
    for (std::unique_ptr<SSaveSlotInfo>& summary : m_summaries) summary.reset();
    SState::Leave();
}

void SStateLoadSave::readSummary(int slot) { m_summaries[slot] = m_game->m_saveNames.ReadSaveSlotInfo(fileOf(slot)); }

void SStateLoadSave::build() {
    ClearCtrls();
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    m_bgBitmap = nullptr;
    m_bgColor = kDark;
    m_bgOn = 1;
    const uint32_t type = m_game->m_screenMode;
    if (PlaceCtrl(m_title, kTitle))
        m_title.SetTextEx(LoadMode() ? "Load a game" : "Save a game", STextAlign::kCentred | STextAlign::kMiddle, 2,
                          kLoadSaveTitleColour, kDark);
    const uint32_t font = type == 9 || type == 10 || type == 14 || type == 15 ? 2 : 1;
    const uint32_t align = (type == 16 ? STextAlign::kCentred : STextAlign::kLeft) | STextAlign::kMiddle;
    const SFrameSet frames = m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
    for (int slot = 0; slot < kSlots; ++slot) {
        SSlotRow& row = m_rows[slot];
        if (PlaceCtrl(row.frame, kFrames[slot])) row.frame.Setup(frames, 1, kLight, SBorderSides::kAll);
        PlaceCtrl(row.thumbnail, kThumbnails[slot]);
        if (PlaceCtrl(row.text, kTexts[slot])) row.text.SetTextEx("", align, font, kLight, kDark);
        UpdateSlot(slot);
    }
    const auto pictures = [this](int first) {
        return SPictureSet{m_game->InterfacePicture(SInterfaceRole::kLoadSaveButtons, first),
                           m_game->InterfacePicture(SInterfaceRole::kLoadSaveButtons, first + 1), nullptr};
    };
    if (PlaceCtrl(m_action, kAction))
        m_action.SetupPicture(pictures(LoadMode() ? kLoadPictures : kSavePictures), kAction, 0);
    if (PlaceCtrl(m_remove, kRemove)) m_remove.SetupPicture(pictures(kRemovePictures), kRemove, 0);
    if (PlaceCtrl(m_back, kBack)) m_back.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kBack, 0);
    SetDirty();
}

void SStateLoadSave::UpdateSlot(int slot) {
    SSlotRow& row = m_rows[slot];
    const SSaveSlotInfo* summary = m_summaries[slot].get();
    if (summary) {
        row.thumbnail.SetRaw(summary->thumbnail, summary->width, summary->height);
        row.text.SetText((summary->mapTitle + "\r" + summary->dateText).c_str());
    } else {
        row.text.SetText("- empty -");
    }
    // Placed only where the layout has the element: a row left out stays unseen.
    if (row.thumbnail.m_flags != 0) row.thumbnail.SetVisible(summary != nullptr);
    row.text.Layout();
    row.text.SetDirty();
    SetDirty();
}

void SStateLoadSave::SelectSlot(int slot) {
    m_selected = slot >= 0 && slot < kSlots ? slot : -1;
    for (int i = 0; i < kSlots; ++i) {
        SSlotRow& row = m_rows[i];
        const bool selected = i == m_selected;
        if (row.frame.m_flags != 0) row.frame.SetVisible(selected);
        row.text.m_textColor = selected ? kDark : kLight;
        row.text.SetBlendColor(selected ? kLight : kDark);
        row.text.SetDirty();
    }
    const bool holdsGame = m_selected >= 0 && m_summaries[m_selected] != nullptr;
    const bool canAct = m_selected >= 0 && (!LoadMode() || holdsGame);
    if (m_action.m_flags != 0) m_action.SetVisible(canAct);
    if (m_remove.m_flags != 0) m_remove.SetVisible(holdsGame);
    // A row's colours changed under its text, which has no background of its own.
    SetDirty();
}

uint32_t SStateLoadSave::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    if (PenBlocked(down, drag)) return kStay;
    if (m_child == nullptr && down != 0 && drag == 0)
        for (int slot = 0; slot < kSlots; ++slot) {
            const SBorderCtrl& frame = m_rows[slot].frame;
            if (frame.m_flags == 0 || !frame.Contains(x, y)) continue;
            playSound(m_game->m_interfaceSound2);
            SelectSlot(slot);
            break;
        }
    return SState::OnPen(x, y, down, drag);
}

uint32_t SStateLoadSave::OnCommand(uint32_t id) {
    if (m_subMode != kList) return answer(id);
    switch (id) {
        case kAction:
            playSound(m_game->m_interfaceSound1);
            if (LoadMode()) return load();
            askOverwrite();
            return kStay;
        case kRemove:
            playSound(m_game->m_interfaceSound1);
            askRemove();
            return kStay;
        case kBack: playSound(m_game->m_interfaceSound1); return kGoBack;
        default: return kStay;
    }
}

uint32_t SStateLoadSave::answer(uint32_t id) {
    const SubMode open = m_subMode;
    m_subMode = kList;
    Reopen();
    m_openFrame = m_game->m_frameCounter;
    switch (open) {
        case kAskOverwrite:
            if (id == SDialogMessage::kYes) save();
            return kStay;
        case kAskRemove:
            if (id == SDialogMessage::kYes) remove();
            return kStay;
        case kSaved: return kGoBack;
        default: return kStay;
    }
}

void SStateLoadSave::tell(const char* text, uint32_t buttons, SubMode subMode) {
    m_subMode = subMode;
    m_game->ShowChildMessageBox(text, buttons, m_messageText, m_message, *this);
    m_message.m_openFrame = m_game->m_frameCounter;
}

void SStateLoadSave::askOverwrite() {
    if (m_selected < 0) return;
    if (m_summaries[m_selected] == nullptr) {
        save();
        return;
    }
    tell("Do you want to overwrite this saved game?", kYesNo, kAskOverwrite);
}

void SStateLoadSave::save() {
    const int slot = m_selected;
    if (slot < 0) return;
    m_summaries[slot].reset();
    std::string error;
    const bool saved = m_game->m_saveNames.SaveGame(fileOf(slot), error);
    // A failed save leaves the old file: the row shows what it still holds.
    readSummary(slot);
    UpdateSlot(slot);
    SelectSlot(slot);
    Draw();
    if (saved)
        tell("Game saved.", SDialogMessage::kOk, kSaved);
    else
        tell(error.c_str(), SDialogMessage::kOk, kSaveFailed);
    Draw();
}

void SStateLoadSave::askRemove() {
    if (m_selected < 0 || m_summaries[m_selected] == nullptr) return;
    tell("Do you want to physically remove this saved game?", kYesNo, kAskRemove);
}

void SStateLoadSave::remove() {
    const int slot = m_selected;
    if (slot < 0) return;
    m_summaries[slot].reset();
    m_game->m_saveNames.DeleteSaveSlot(fileOf(slot));
    // A file the folder would not give up is still listed, and said so.
    readSummary(slot);
    UpdateSlot(slot);
    SelectSlot(slot);
    // The list is drawn again under the answer, which is smaller than the question it replaces.
    Draw();
    if (m_summaries[slot] == nullptr)
        tell("The saved game has been removed.", SDialogMessage::kOk, kRemoved);
    else
        tell("The saved game could not be removed.", SDialogMessage::kOk, kRemoveFailed);
}

uint32_t SStateLoadSave::load() {
    const int slot = m_selected;
    // An emptied row offers no load; a key or a stale tap must not reach one either.
    if (slot < 0 || m_summaries[slot] == nullptr) return kStay;
    const std::string music = m_game->m_music.Name();
    m_game->m_music.Stop();
    m_loading.Open();
    SetChild(&m_loading);
    std::string error;
    // The saved game is read and checked before anything of the running game changes: a refused
    // load leaves the kept screens, the world and this list as they were.
    const bool loaded = m_game->m_saveNames.LoadGame(fileOf(slot), m_loading, error);
    ResetOpen();
    if (!loaded) {
        m_game->m_music.Play(music.c_str());
        tell(error.c_str(), SDialogMessage::kOk, kLoadFailed);
        SetDirty();
        Draw();
        return kStay;
    }
    m_game->PopAllStates();
    m_param[0] = 0;
    m_openFrame = m_game->m_frameCounter;
    return kPlayScreen;
}

void SStateLoadSave::playSound(SSoundType& sound) const {
    if (m_game->m_sound) m_game->m_sound->Play(sound, 10);
}
