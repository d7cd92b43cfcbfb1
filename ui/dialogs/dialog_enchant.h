#pragma once
// SDialogEnchant: where an item without enchantments gets them. The player builds a list of
// entries within the enchant storage the item and the worker allow, through one of two entry
// editors (wands and scrolls take one spell; weapons, armour, accessories, staves, throwing weapons
// and bows any number of effects), sees the storage left and, when an enchanter works, the price,
// and confirms. Its answers to the enchant item chooser: 25 when the enchanting succeeded (once its
// message closes) or an empty list was confirmed, 26 on Cancel. A refusal keeps it open.
#include <cstdint>
#include <memory>

#include "data/effects/effect_list.h"
#include "ui/dialog.h"
#include "ui/dialogs/dialog_enchant_entry_other.h"
#include "ui/dialogs/dialog_enchant_entry_wand_scroll.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SItem;
class SNpcType;

class SDialogEnchant : public SDialog {
public:
    static constexpr uint32_t kLayout = 26;
    static constexpr uint32_t kEntryList = 257;
    static constexpr uint32_t kAdd = 281;
    static constexpr uint32_t kModify = 282;
    static constexpr uint32_t kRemove = 283;

    enum State : uint32_t { kMain, kEditing, kMessage, kEnchanted };
    enum class Outcome { Empty, Refused, Enchanted };

    void Init(SGameData* game) override;
    // Builds the dialog for an item of the player's without enchantments. `host` is the enchanter,
    // null for the player's own magic; the capacity is the worker's, and the item's own storage
    // may lower it.
    void Open(const SNpcType* host, SItem& item, uint32_t capacity);
    uint32_t OnCommand(uint32_t id) override;

    // The storage the list fills, its price and what is left; the texts follow.
    void Recalculate();
    void FillEntries();
    // Each opens an entry editor, or refuses with a message; Add does nothing for an item that has
    // no editor.
    void AddEntry();
    void ModifyEntry();
    void RemoveEntry();
    // An empty list applies nothing; a refusal shows its message; otherwise the item takes the
    // list, the enchanter is paid and the success message opens.
    Outcome Apply();

    SDialogEnchantEntryWandScroll m_wandScrollEditor;
    SDialogEnchantEntryOther m_otherEditor;
    SBorderCtrl m_frame;
    SBorderCtrl m_listFrame;
    SBorderCtrl m_infoFrame;
    STextCtrl m_title;
    STextCtrl m_itemLabel;
    STextCtrl m_itemName;
    STextCtrl m_storageLabel;
    STextCtrl m_storage;
    STextCtrl m_listLabel;
    SDialogListCtrl m_entries;
    SButtonCtrl m_add;
    SButtonCtrl m_modify;
    SButtonCtrl m_remove;
    STextCtrl m_priceLabel;
    STextCtrl m_price;
    STextCtrl m_goldLabel;
    STextCtrl m_gold;
    SButtonCtrl m_confirm;
    SButtonCtrl m_cancel;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;

    State m_state = kMain;
    SItem* m_item = nullptr;
    const SNpcType* m_host = nullptr;
    SEffectContext m_context = kContextNone;
    // The entries being built: the dialog's until the item takes them or the player cancels.
    std::unique_ptr<SEffectList> m_list;
    uint32_t m_priceGold = 0;
    int32_t m_remaining = 0;  // below 0 while the entries ask more than the capacity
    int32_t m_capacity = 0;
    // The entry under edit, out of the list while its editor is open.
    std::unique_ptr<SEffect> m_entry;
    int m_entryIndex = 0;
    bool m_adding = false;

private:
    bool hasWandScrollEditor() const;
    bool hasOtherEditor() const;
    void openEditor();
    // Takes the editor's answer: the edited entry (25) or the entry as it was (26).
    void closeEditor(uint32_t id);
    void showMessage(const char* text);
    void placeBarButton(SButtonCtrl& button, uint32_t id, const char* caption);
};
