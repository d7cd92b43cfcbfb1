#include "ui/dialogs/dialog_enchant.h"

#include <algorithm>
#include <cstdint>

#include "data/items/item.h"
#include "data/items/item_type.h"
#include "engine/base/format_count.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/dialogs/enchant_dialog_parts.h"
#include "ui/dialogs/enchant_pricing.h"

namespace {

constexpr uint32_t kListFrame = 567;
constexpr uint32_t kInfoFrame = 568;

// A gold amount in short form with the coin sign, in the fonts' small digits.
void setGoldText(SDialog& dialog, STextCtrl& text, uint32_t amount) {
    SString words;
    FormatGoldAmount(amount, words);
    ToDigitGlyphs(words);
    text.SetText(words.Text());
    dialog.SetDirty();
}

}  // namespace

void SDialogEnchant::Init(SGameData* game) {
    SDialog::Init(game);
    m_wandScrollEditor.Init(game);
    m_otherEditor.Init(game);
    m_message.Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_frame, &m_listFrame, &m_infoFrame, &m_title, &m_itemLabel,
                                                     &m_itemName, &m_storageLabel, &m_storage, &m_listLabel, &m_entries,
                                                     &m_add, &m_modify, &m_remove, &m_priceLabel, &m_price,
                                                     &m_goldLabel, &m_gold, &m_confirm, &m_cancel})
        ctrl->Attach(this);
}

void SDialogEnchant::placeBarButton(SButtonCtrl& button, uint32_t id, const char* caption) {
    if (!PlaceCtrl(button, id)) return;
    button.SetupBar(m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarDown),
                    m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarUp), caption, id, 1, kEnchantText,
                    kEnchantBlend, kEnchantHighlight, kEnchantBlend, 0);
}

void SDialogEnchant::Open(const SNpcType* host, SItem& item, uint32_t capacity) {
    ClearCtrls();
    SetLayout(kLayout);
    // Laid out in screen positions: the dialog covers the screen.
    SetPos(0, 0);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    PlaceOuterFrame(*this, m_frame);
    if (PlaceCtrl(m_listFrame, kListFrame))
        m_listFrame.Setup(m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet), 0, 0,
                          m_game->m_screenMode == 10 ? SBorderSides::kAll
                                                     : SBorderSides::kLeft | SBorderSides::kBottom);
    PlaceSmallFrame(*this, m_infoFrame, kInfoFrame, 0, SBorderSides::kAll);
    PlaceTitle(*this, m_title, "Enchant");
    PlaceText(*this, m_itemLabel, 280, "Item:", kEnchantText);
    PlaceText(*this, m_itemName, 277, item.m_type->m_displayName.Text(), kEnchantBright);
    PlaceText(*this, m_storageLabel, 249, "Available enchant storage:", kEnchantText);
    PlaceText(*this, m_storage, 250, "", kEnchantText);
    PlaceText(*this, m_listLabel, 255, "Enchantments:", kEnchantText);
    PlaceList(*this, m_entries, kEntryList);
    placeBarButton(m_add, kAdd, "Add");
    placeBarButton(m_modify, kModify, "Modify");
    placeBarButton(m_remove, kRemove, "Remove");
    PlaceText(*this, m_priceLabel, 284, "Price:", kEnchantText, kEnchantAlignRight);
    PlaceText(*this, m_price, 285, "", kEnchantText);
    PlaceText(*this, m_goldLabel, 286, "Your gold:", kEnchantText, kEnchantAlignRight);
    PlaceText(*this, m_gold, 22, "", kEnchantText);
    PlacePictureButton(*this, m_confirm, kEnchantConfirm, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kEnchantCancel, SInterfaceRole::kCancelButton);

    m_host = host;
    m_item = &item;
    m_state = kMain;
    m_context = item.m_type->GetEffectContext();
    m_list = std::make_unique<SEffectList>();
    m_entry.reset();
    m_adding = false;
    m_priceGold = 0;
    m_capacity = int32_t(std::min<uint32_t>(item.m_type->m_enchantCapacity, capacity));
    m_remaining = m_capacity;
    // The player's own magic costs nothing: no price, no gold.
    ShowCtrls(*this, {&m_priceLabel, &m_price, &m_goldLabel, &m_gold}, host != nullptr);
    FillEntries();
    Recalculate();
    SetDirty();
    ResetPenGate();
}

void SDialogEnchant::Recalculate() {
    int32_t used = 0, rawPrice = 0;
    m_list->GetEnchantCost(m_game->EffectLookups(), m_context, used, rawPrice);
    // The enchanted item is worth what its enchantments cost.
    m_list->m_value = uint32_t(std::max(rawPrice, 0));
    m_priceGold = m_host ? ApplyPriceFactor(rawPrice, EnchantPriceFactor(*m_game, *m_host)) : m_list->m_value;
    m_remaining = int32_t(std::clamp<int64_t>(int64_t(m_capacity) - used, INT32_MIN, INT32_MAX));
    SString storage;
    storage.Format("%d/%d", m_remaining, m_capacity);
    ToDigitGlyphs(storage);
    m_storage.SetText(storage.Text());
    setGoldText(*this, m_price, m_priceGold);
    setGoldText(*this, m_gold, m_game->m_player.Gold());
}

void SDialogEnchant::FillEntries() {
    m_entries.ClearRows();
    const SEffectLookups lookups = m_game->EffectLookups();
    const uint32_t mode = m_game->m_screenMode;
    const bool narrow = mode == 5 || mode == 8;
    SString text;
    for (int i = 0; i < m_list->Count(); ++i) {
        const SEffect& entry = *m_list->Get(i);
        entry.Describe(lookups, m_context, entry.m_baseMagnitude, text, IsSmallScreenType(mode), narrow);
        m_entries.AddRowId(uint32_t(i), text.Text());
    }
    m_entries.Layout(false);
}

bool SDialogEnchant::hasWandScrollEditor() const { return m_context == kContextWand || m_context == kContextScroll; }

bool SDialogEnchant::hasOtherEditor() const {
    switch (m_context) {
        case kContextArmour:
        case kContextWeapon:
        case kContextAccessory:
        case kContextMagicStaff:
        case kContextThrown:
        case kContextBow: return true;
        default: return false;
    }
}

void SDialogEnchant::AddEntry() {
    if (hasWandScrollEditor() && m_list->Count() > 0) {
        showMessage(m_context == kContextWand ? "A wand cannot contain more than one spell."
                                              : "A scroll cannot contain more than one spell.");
        return;
    }
    // Spellbooks and books have nothing an editor could give them.
    if (!hasWandScrollEditor() && !hasOtherEditor()) return;
    m_entry = std::make_unique<SEffect>(m_context);
    m_entryIndex = 0;
    m_adding = true;
    openEditor();
}

void SDialogEnchant::ModifyEntry() {
    const int selected = m_entries.m_selected;
    if (selected < 0 || selected >= m_list->Count()) return;
    m_entry = m_list->Take(selected);
    m_entryIndex = selected;
    m_adding = false;
    // The editor is shown the storage the other entries leave.
    Recalculate();
    openEditor();
}

void SDialogEnchant::RemoveEntry() {
    const int selected = m_entries.m_selected;
    if (selected < 0 || selected >= m_list->Count()) return;
    // Taken out, and freed with its target name as it goes.
    m_list->Take(selected);
    FillEntries();
    Recalculate();
}

void SDialogEnchant::openEditor() {
    m_state = kEditing;
    if (hasWandScrollEditor()) {
        SetChild(&m_wandScrollEditor);
        m_wandScrollEditor.Open(*m_entry, m_remaining, m_context == kContextScroll);
    } else {
        SetChild(&m_otherEditor);
        m_otherEditor.Open(*m_entry, m_remaining, m_context);
    }
    // What the opening changed shows around the editor at once.
    Draw();
}

void SDialogEnchant::closeEditor(uint32_t id) {
    if (id == kEnchantConfirm) *m_entry = hasWandScrollEditor() ? m_wandScrollEditor.m_entry : m_otherEditor.m_entry;
    // A new entry goes to the end; a modified one, and one whose change was cancelled, back to its
    // place. A cancelled new entry is dropped.
    if (m_adding && id == kEnchantConfirm)
        m_list->Add(std::move(m_entry));
    else if (!m_adding)
        m_list->Insert(m_entryIndex, std::move(m_entry));
    m_entry.reset();
    m_entryIndex = 0;
    m_adding = false;
    FillEntries();
    Recalculate();
}

SDialogEnchant::Outcome SDialogEnchant::Apply() {
    if (m_list->Count() == 0) return Outcome::Empty;
    SPlayer& player = m_game->m_player;
    if (m_host && !player.HasGold(m_priceGold)) {
        showMessage("You don't have enough gold.");
        return Outcome::Refused;
    }
    if (m_remaining < 0) {
        showMessage("There isn't enough available storage for this enchantment.");
        return Outcome::Refused;
    }
    if (m_list->Has(kEffectFortifyHp) && m_list->Has(kEffectFortifyUnholy)) {
        showMessage("The item cannot contain both fortify hp and fortify unholy enchantments.");
        return Outcome::Refused;
    }
    if (m_context == kContextWand) m_item->m_amount = uint32_t(std::max<int16_t>(m_list->Get(0)->m_baseMagnitude, 0));
    m_item->m_effects = std::move(m_list);
    m_list = std::make_unique<SEffectList>();
    SString text("The enchanting was successful.");
    if (m_host) {
        SString price;
        FormatGoldShort(m_priceGold, price);
        text.Format("The enchanting was successful.\rYou pay %s gold.", price.Text());
        player.RemoveGold(m_priceGold, false);
    }
    showMessage(text.Text());
    m_state = kEnchanted;
    return Outcome::Enchanted;
}

void SDialogEnchant::showMessage(const char* text) {
    m_game->ShowChildMessageBox(text, SDialogMessage::kOk, m_messageText, m_message, *this);
    m_message.ResetPenGate();
    m_state = kMessage;
    Draw();
}

uint32_t SDialogEnchant::OnCommand(uint32_t id) {
    switch (m_state) {
        case kEditing:
            Reopen();
            m_state = kMain;
            if (id == kEnchantConfirm || id == kEnchantCancel) {
                m_game->PlaySound("bsnd_clickh", 10);
                closeEditor(id);
            }
            return 0;
        case kMessage:
            m_state = kMain;
            Reopen();
            return 0;
        case kEnchanted:
            m_state = kMain;
            Reopen();
            return m_parent ? m_parent->OnCommand(kEnchantConfirm) : 0;
        case kMain: break;
    }
    switch (id) {
        case kAdd:
        case kModify:
        case kRemove:
            m_game->PlaySound("bsnd_clickh", 10);
            if (id == kAdd)
                AddEntry();
            else if (id == kModify)
                ModifyEntry();
            else
                RemoveEntry();
            return 0;
        case kEnchantConfirm:
            m_game->PlaySound("bsnd_clickh", 10);
            if (Apply() != Outcome::Empty) return 0;
            return m_parent ? m_parent->OnCommand(kEnchantConfirm) : 0;
        case kEnchantCancel:
            m_list = std::make_unique<SEffectList>();
            m_game->PlaySound("bsnd_clickh", 10);
            return m_parent ? m_parent->OnCommand(kEnchantCancel) : 0;
        default: return 0;
    }
}
