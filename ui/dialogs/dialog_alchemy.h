#pragma once
// SDialogAlchemy: brewing in three steps: choose a mortar and pestle, put up to three ingredients
// into the slots, choose one of the potions the recipes offer for them, then Create (25). A brew
// the player's Alchemy may not manage asks first; every attempt uses up one of each ingredient the
// recipe took and trains Alchemy, and its outcome shows in the dialog's own message box. Close
// (26) goes to the parent. The inventory screen opens it with the mortar the player used.
#include <array>
#include <cstdint>
#include <vector>

#include "data/alchemy/recipe_table.h"
#include "ui/dialog.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/dialogs/tool_entry.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/item_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

class SDialogAlchemy : public SDialog {
public:
    static constexpr uint32_t kLayout = 38;
    static constexpr uint32_t kCreate = 25;
    static constexpr uint32_t kClose = 26;
    static constexpr uint32_t kPotionList = 226;
    static constexpr uint32_t kPreviousMortar = 478;
    static constexpr uint32_t kNextMortar = 479;
    // Slot k's controls: picture 480 + 4k, text 481 + 4k, previous 482 + 4k, next 483 + 4k.
    static constexpr uint32_t kFirstSlotCtrl = 480;
    static constexpr int kSlots = 3;

    // What the dialog waits for while its message box is open.
    enum Pending : uint32_t { kNothing, kQuestion, kResult };

    struct Slot {
        SItemCtrl picture;
        STitleTextCtrl text;
        SButtonCtrl previous;
        SButtonCtrl next;
        int32_t index = -1;  // into the ingredients; -1 for an empty slot
    };

    // The highest roll of 0 to 99 that still brews the potion: 100 above the recipe's level, 90 at
    // it, 5 per point less from 20 points below, so that more than 20 below always fails.
    static int32_t BrewThreshold(int32_t skill, int32_t level);

    void Init(SGameData* game) override;
    void Open(const SItem* mortar);
    // The mortars, and the ingredients by type with how many the pack holds of each.
    void CollectItems();
    void ShowMortar();
    void ShowIngredient(int slot);
    void UpdateSlotButtons();
    // The recipes the slots' ingredient types satisfy, each type asked once.
    void RefreshPotions();
    // Marks the slots the selected potion takes, when the player's Alchemy is sure of it.
    void MarkIngredients();
    void Brew(bool confirmed);
    void ShowMessage(const char* text, uint32_t buttons);
    const SRecipeMatch* SelectedMatch() const;

    uint32_t OnCommand(uint32_t id) override;

    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;
    SBorderCtrl m_frame;
    STextCtrl m_title;
    SBorderCtrl m_stepFrames[3];
    STextCtrl m_stepTexts[3];
    SItemCtrl m_mortarPicture;
    SButtonCtrl m_previousMortar;
    SButtonCtrl m_nextMortar;
    STitleTextCtrl m_mortarText;
    std::array<Slot, kSlots> m_slots;
    SDialogListCtrl m_potions;
    SButtonCtrl m_create;
    SButtonCtrl m_close;
    int32_t m_skill = 0;
    SToolEntries m_mortars;
    int32_t m_mortarIndex = -1;
    SToolEntries m_ingredients;
    std::vector<SRecipeMatch> m_matches;
    Pending m_pending = kNothing;

private:
    void placeStep(int step, uint32_t frameId, uint32_t textId, const char* text);
    void placeSlot(int slot);
    // The ingredient type in the slot; null for an empty one.
    const SItemType* slotType(int slot) const;
    // The slot a previous or next command steps, and which way; false for other commands.
    bool slotStep(uint32_t id, int& slot, int32_t& step) const;
    // After a brew: the pack read again, each slot back on its ingredient type where any is left,
    // and the same recipe selected when it is still offered.
    void refreshAfterBrew(const SRecipe* brewed);
};
