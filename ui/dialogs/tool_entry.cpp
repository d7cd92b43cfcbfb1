#include "ui/dialogs/tool_entry.h"

#include <algorithm>

#include "data/items/item.h"
#include "data/items/item_type.h"
#include "data/items/item_words.h"
#include "engine/base/string.h"
#include "game/game_data.h"
#include "ui/dialog.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/item_ctrl.h"
#include "ui/widgets/item_type_picture.h"
#include "ui/widgets/title_text_ctrl.h"

bool IsUsableTool(const SItem& tool) { return tool.m_type->m_maxCondition > 0 && !tool.IsNearlyBroken(); }

SToolEntry MakeToolEntry(const SGameData& game, SItem& item) {
    return {item.m_type, &item, ItemTypePicture(game, *item.m_type), ItemTypePalette(game, *item.m_type), 1};
}

const SToolEntry* ToolAt(const SToolEntries& entries, int32_t index) {
    return index >= 0 && size_t(index) < entries.size() ? &entries[size_t(index)] : nullptr;
}

void ShowTool(const SToolEntry* entry, SItemCtrl& picture, STitleTextCtrl& text) {
    if (entry == nullptr) {
        picture.SetItem(nullptr, nullptr, 1);
        text.SetText("", "", 0, 0);
    } else {
        picture.SetItem(entry->picture, entry->palette, 1);
        SString condition;
        condition.Format("Condition: %s", GetConditionWord(entry->item->m_amount, entry->type->m_maxCondition));
        text.SetText(entry->type->m_displayName.Text(), condition.Text(), 0, 0);
    }
    text.SetDirty();
    if (text.m_owner) text.m_owner->SetDirty();
}

void UpdateStepButtons(int32_t index, int32_t count, SButtonCtrl& previous, SButtonCtrl& next) {
    previous.SetEnabled(index > 0);
    next.SetEnabled(index < count - 1);
}

void SetupStepButton(SButtonCtrl& button, const SGameData& game, bool previous, uint32_t command) {
    button.SetupPicture(
        game.InterfaceSet<3>(previous ? SInterfaceRole::kPreviousPageButton : SInterfaceRole::kNextPageButton), command,
        0);
    button.m_hasDisabledPicture = 1;
}

void StepTool(const SToolEntries& entries, int32_t& index, int32_t step) {
    index = std::min(std::max(index + step, 0), int32_t(entries.size()) - 1);
}

void RemoveToolAt(SToolEntries& entries, int32_t& index) {
    if (index < 0 || size_t(index) >= entries.size()) return;
    entries.erase(entries.begin() + index);
    if (size_t(index) >= entries.size()) index = int32_t(entries.size()) - 1;
}

bool WearTool(SItem& tool, int32_t wear) {
    if (wear >= 0) tool.TakeAmount(uint32_t(wear));
    return tool.IsNearlyBroken();
}
