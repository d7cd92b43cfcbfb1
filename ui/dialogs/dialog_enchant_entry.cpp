#include "ui/dialogs/dialog_enchant_entry.h"

#include "game/game_data.h"
#include "ui/dialogs/enchant_dialog_parts.h"

void SDialogEnchantEntry::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_frame, &m_title, &m_neededLabel, &m_needed, &m_availableLabel,
                                                     &m_available, &m_confirm, &m_cancel})
        ctrl->Attach(this);
}

void SDialogEnchantEntry::beginOpen(uint32_t layoutId, const SEffect& entry) {
    ClearCtrls();
    SetLayout(layoutId);
    CenterOnScreen();
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    PlaceOuterFrame(*this, m_frame);
    PlaceTitle(*this, m_title, "Enchant entry");
    m_entry = entry;
}

void SDialogEnchantEntry::placeStorageAndButtons(int32_t available) {
    PlaceText(*this, m_neededLabel, 247, "Needed enchant storage:", kEnchantText);
    PlaceText(*this, m_needed, 248, "", kEnchantBright);
    PlaceText(*this, m_availableLabel, 249, "Available enchant storage:", kEnchantText);
    PlaceText(*this, m_available, 250, "", kEnchantBright);
    PlacePictureButton(*this, m_confirm, kEnchantConfirm, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kEnchantCancel, SInterfaceRole::kCancelButton);
    SetNumberText(*this, m_available, available, SDigits::Small);
}

void SDialogEnchantEntry::showNeededStorage(SEffectContext context) {
    // The cost leaves the storage alone for a spell, disease or monster kind the tables lack: such
    // an entry needs none.
    int32_t storage = 0, price = 0;
    m_entry.GetEnchantCost(m_game->EffectLookups(), context, storage, price);
    SetNumberText(*this, m_needed, storage, SDigits::Small);
}

uint32_t SDialogEnchantEntry::answer(uint32_t id) {
    m_game->PlaySound("bsnd_clickh", 10);
    return m_parent ? m_parent->OnCommand(id) : 0;
}
