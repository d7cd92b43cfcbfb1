#include "ui/dialogs/dialog_alchemy.h"

#include <algorithm>

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/scene_frames.h"

namespace {

constexpr uint32_t kAlchemySkill = 16;

}  // namespace

int32_t SDialogAlchemy::BrewThreshold(int32_t skill, int32_t level) {
    if (skill > level) return 100;
    if (skill == level) return 90;
    return (skill - level + 20) * 5;
}

void SDialogAlchemy::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_frame, &m_title, &m_mortarPicture, &m_previousMortar,
                                                     &m_nextMortar, &m_mortarText, &m_potions, &m_create, &m_close})
        ctrl->Attach(this);
    for (int i = 0; i < 3; ++i) {
        m_stepFrames[i].Attach(this);
        m_stepTexts[i].Attach(this);
    }
    for (Slot& slot : m_slots)
        for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&slot.picture, &slot.text, &slot.previous, &slot.next})
            ctrl->Attach(this);
}

void SDialogAlchemy::placeStep(int step, uint32_t frameId, uint32_t textId, const char* text) {
    m_stepFrames[step].Setup(m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet), 0, 0, SBorderSides::kAll);
    PlaceCtrl(m_stepFrames[step], frameId);
    PlaceCtrl(m_stepTexts[step], textId);
    m_stepTexts[step].SetTextEx(text, STextAlign::kCentred, 1, kWhite, kShade);
}

void SDialogAlchemy::placeSlot(int k) {
    Slot& slot = m_slots[size_t(k)];
    const uint32_t first = kFirstSlotCtrl + 4 * uint32_t(k);
    PlaceCtrl(slot.picture, first);
    if (PlaceCtrl(slot.previous, first + 2)) SetupStepButton(slot.previous, *m_game, true, first + 2);
    if (PlaceCtrl(slot.next, first + 3)) SetupStepButton(slot.next, *m_game, false, first + 3);
    PlaceCtrl(slot.text, first + 1);
    slot.text.Setup(1, kLightGrey, kLightGrey, 0, 0, 0, 0, kLightGrey, kLightGrey);
}

void SDialogAlchemy::Open(const SItem* mortar) {
    ClearCtrls();
    m_message.Init(m_game);
    // The dialog keeps its place: the layout's rows are where the controls stand on the screen.
    SetLayout(kLayout);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    const bool small = IsSmallScreenType(m_game->m_screenMode);

    m_frame.Setup(SceneFrameSet(*m_game), 0, 0, SBorderSides::kAll);
    PlaceCtrl(m_frame, 19);
    PlaceCtrl(m_title, 476);
    m_title.SetTextEx("Alchemy", STextAlign::kCentred, 2, kWhite, kShade);
    placeStep(0, 497, 492, "1. Select the mortar/pestle");
    PlaceCtrl(m_mortarPicture, 475);
    if (PlaceCtrl(m_previousMortar, kPreviousMortar)) SetupStepButton(m_previousMortar, *m_game, true, kPreviousMortar);
    if (PlaceCtrl(m_nextMortar, kNextMortar)) SetupStepButton(m_nextMortar, *m_game, false, kNextMortar);
    PlaceCtrl(m_mortarText, 477);
    m_mortarText.Setup(1, kLightGrey, kLightGrey, 0, 0, 0, 0, kLightGrey, kLightGrey);
    placeStep(1, 496, 493, small ? "2. Select the ingredients" : "2. Select the alchemy ingredients");
    for (int k = 0; k < kSlots; ++k) placeSlot(k);
    placeStep(2, 495, 494, small ? "3. Select the potion" : "3. Select the potion to be created");
    m_potions.SetStyle(1, kLightGrey, kShade, nullptr);
    PlaceCtrl(m_potions, kPotionList);
    if (PlaceCtrl(m_create, kCreate))
        m_create.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kOkButton), kCreate, 0);
    if (PlaceCtrl(m_close, kClose))
        m_close.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kClose, 0);
    m_pending = kNothing;

    m_skill = m_game->m_player.GetSkillValue(kAlchemySkill);
    CollectItems();
    m_mortarIndex = -1;
    for (size_t i = 0; i < m_mortars.size() && mortar != nullptr && m_mortarIndex < 0; ++i)
        if (m_mortars[i].type == mortar->m_type) m_mortarIndex = int32_t(i);
    for (Slot& slot : m_slots) slot.index = -1;
    ShowMortar();
    for (int k = 0; k < kSlots; ++k) ShowIngredient(k);
    RefreshPotions();
    ResetPenGate();
}

void SDialogAlchemy::CollectItems() {
    m_mortars.clear();
    m_ingredients.clear();
    const SPlayer& player = m_game->m_player;
    for (int i = 0; i < player.ItemCount(); ++i) {
        SItem& item = *player.Item(i);
        if (item.m_type->m_class == kItemAlchemy) {
            if (item.m_type->m_maxCondition > 0) m_mortars.push_back(MakeToolEntry(*m_game, item));
        } else if (item.m_type->m_class == kItemIngredient) {
            auto same = std::find_if(m_ingredients.begin(), m_ingredients.end(),
                                     [&](const SToolEntry& entry) { return entry.type == item.m_type; });
            if (same != m_ingredients.end())
                ++same->count;
            else
                m_ingredients.push_back(MakeToolEntry(*m_game, item));
        }
    }
}

void SDialogAlchemy::ShowMortar() {
    ShowTool(ToolAt(m_mortars, m_mortarIndex), m_mortarPicture, m_mortarText);
    UpdateStepButtons(m_mortarIndex, int32_t(m_mortars.size()), m_previousMortar, m_nextMortar);
}

const SItemType* SDialogAlchemy::slotType(int slot) const {
    const SToolEntry* entry = ToolAt(m_ingredients, m_slots[size_t(slot)].index);
    return entry ? entry->type : nullptr;
}

void SDialogAlchemy::ShowIngredient(int k) {
    Slot& slot = m_slots[size_t(k)];
    const SToolEntry* entry = ToolAt(m_ingredients, slot.index);
    if (entry == nullptr) {
        slot.picture.SetItem(nullptr, nullptr, 1);
        slot.text.SetText("", "", 0, 0);
    } else {
        slot.picture.SetItem(entry->picture, entry->palette, entry->count);
        SString effects;
        if (const SEffectList* list = entry->type->m_effects.get())
            list->Describe(m_game->EffectLookups(), entry->type->GetEffectContext(), m_skill, effects, true);
        effects.ReplaceAll("Unknown effect", "?");
        slot.text.SetText(entry->type->m_displayName.Text(), effects.Text(), 0, 0);
    }
    // The slot's text has no background of its own: the dialog repaints behind it.
    SetDirty();
    UpdateSlotButtons();
}

void SDialogAlchemy::UpdateSlotButtons() {
    const int32_t last = int32_t(m_ingredients.size()) - 1;
    for (Slot& slot : m_slots) {
        // An ingredient can be taken out of its slot again.
        slot.previous.SetEnabled(slot.index > -1);
        slot.next.SetEnabled(slot.index < last);
    }
}

void SDialogAlchemy::RefreshPotions() {
    m_potions.ClearRows();
    m_matches.clear();
    std::array<const SItemType*, kSlots> types{slotType(0), slotType(1), slotType(2)};
    if (types[1] == types[0]) types[1] = nullptr;
    if (types[2] == types[0] || types[2] == types[1]) types[2] = nullptr;
    if (types[0] != nullptr || types[1] != nullptr || types[2] != nullptr)
        m_matches = m_game->m_recipes.FindMatching(m_skill, types[0], types[1], types[2], m_game->m_items);
    for (const SRecipeMatch& match : m_matches) m_potions.AddRow3("", match.text.Text(), "");
    m_potions.Layout(false);
    MarkIngredients();
}

const SRecipeMatch* SDialogAlchemy::SelectedMatch() const {
    const int32_t row = m_potions.m_selected;
    return row >= 0 && size_t(row) < m_matches.size() ? &m_matches[size_t(row)] : nullptr;
}

void SDialogAlchemy::MarkIngredients() {
    for (Slot& slot : m_slots) {
        slot.picture.m_marked = 0;
        slot.picture.SetDirty();
    }
    const SRecipeMatch* match = SelectedMatch();
    if (match == nullptr || match->recipe->m_level > m_skill || match->hidden) return;
    for (int k = 0; k < kSlots; ++k) {
        const SItemType* type = slotType(k);
        if (type && std::find(match->ingredients.begin(), match->ingredients.end(), type) != match->ingredients.end())
            m_slots[size_t(k)].picture.m_marked = 1;
    }
}

void SDialogAlchemy::Brew(bool confirmed) {
    const SRecipeMatch* match = SelectedMatch();
    if (match == nullptr) return;
    const SRecipe& recipe = *match->recipe;
    if ((recipe.m_level > m_skill || match->hidden) && !confirmed) {
        m_game->PlaySound("bsnd_clickh", 10);
        ShowMessage("Your alchemy skill seems too low to create this potion. Do you want to try it anyway?",
                    SDialogMessage::kYes | SDialogMessage::kNo);
        m_pending = kQuestion;
        return;
    }
    SPlayer& player = m_game->m_player;
    std::vector<const SItemType*> used;
    for (const SItemType* type : match->ingredients)
        if (type && std::find(used.begin(), used.end(), type) == used.end()) used.push_back(type);
    for (const SItemType* type : used) player.RemoveOwnedItemsOfType(type, 1);
    player.CountSkillUse(kAlchemySkill);

    m_pending = kResult;
    std::unique_ptr<SItem> potion;
    if (m_game->m_random->Next(100) <= BrewThreshold(m_skill, recipe.m_level))
        potion = recipe.CreatePotion(m_game->m_items, m_skill, *m_game->m_random);
    if (potion == nullptr) {
        m_game->PlaySound("bsnd_alchemyfailed", 10);
        ShowMessage("You have failed to create the potion.", SDialogMessage::kOk);
    } else {
        SString text;
        text.Format("You have successfully created a potion of %s.", potion->m_type->m_displayName.Text());
        player.AddOwnedItem(std::move(potion));
        ShowMessage(text.Text(), SDialogMessage::kOk);
        m_game->PlaySound("bsnd_fillpotion", 10);
    }
    refreshAfterBrew(&recipe);
}

void SDialogAlchemy::refreshAfterBrew(const SRecipe* brewed) {
    std::array<const SItemType*, kSlots> types{slotType(0), slotType(1), slotType(2)};
    CollectItems();
    for (int k = 0; k < kSlots; ++k) {
        auto found = std::find_if(m_ingredients.begin(), m_ingredients.end(), [&](const SToolEntry& entry) {
            return types[size_t(k)] && entry.type == types[size_t(k)];
        });
        m_slots[size_t(k)].index = found == m_ingredients.end() ? -1 : int32_t(found - m_ingredients.begin());
        ShowIngredient(k);
    }
    RefreshPotions();
    for (size_t i = 0; i < m_matches.size(); ++i)
        if (m_matches[i].recipe == brewed) m_potions.Select(int(i));
    MarkIngredients();
}

void SDialogAlchemy::ShowMessage(const char* text, uint32_t buttons) {
    m_game->ShowChildMessageBox(text, buttons, m_messageText, m_message, *this);
}

bool SDialogAlchemy::slotStep(uint32_t id, int& slot, int32_t& step) const {
    if (id < kFirstSlotCtrl + 2 || id >= kFirstSlotCtrl + 4 * kSlots) return false;
    const uint32_t offset = id - kFirstSlotCtrl;
    if (offset % 4 < 2) return false;
    slot = int(offset / 4);
    step = offset % 4 == 2 ? -1 : 1;
    return true;
}

uint32_t SDialogAlchemy::OnCommand(uint32_t id) {
    if (m_pending != kNothing) {
        const bool brewAnyway = m_pending == kQuestion && id == SDialogMessage::kYes;
        ResetOpen();
        m_pending = kNothing;
        if (brewAnyway) Brew(true);
        SetDirty();
        return 0;
    }
    int slot = 0;
    int32_t step = 0;
    if (slotStep(id, slot, step)) {
        m_game->PlaySound("bsnd_click", 10);
        Slot& chosen = m_slots[size_t(slot)];
        chosen.index = std::min(std::max(chosen.index + step, -1), int32_t(m_ingredients.size()) - 1);
        ShowIngredient(slot);
        RefreshPotions();
        return 0;
    }
    switch (id) {
        case kCreate: Brew(false); return 0;
        // The parent's answer comes back, so that a screen it switches to is not lost.
        case kClose: m_game->PlaySound("bsnd_clickh", 10); return m_parent ? m_parent->OnCommand(id) : 0;
        case kPotionList:
            m_game->PlaySound("bsnd_click", 10);
            MarkIngredients();
            return 0;
        case kPreviousMortar:
        case kNextMortar:
            m_game->PlaySound("bsnd_click", 10);
            StepTool(m_mortars, m_mortarIndex, id == kNextMortar ? 1 : -1);
            ShowMortar();
            return 0;
        default: return 0;
    }
}
