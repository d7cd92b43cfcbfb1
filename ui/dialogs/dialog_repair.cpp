#include "ui/dialogs/dialog_repair.h"

#include <algorithm>

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_words.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"

namespace {

constexpr uint32_t kRepairSkill = 14;

const char* conditionOf(const SToolEntry& entry) {
    return GetConditionWord(entry.item->m_amount, entry.type->m_maxCondition);
}

}  // namespace

void SDialogRepair::Init(SGameData* game) {
    SRepairDialogBase::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_hammerPrompt, &m_hammerPicture, &m_previousHammer,
                                                     &m_nextHammer, &m_hammerText})
        ctrl->Attach(this);
}

void SDialogRepair::Open(const SItem* hammer) {
    placeHead(kLayout);
    PlaceCtrl(m_hammerPrompt, 31);
    m_hammerPrompt.SetTextEx("Select a repair hammer to use:", STextAlign::kLeft, 1, kWhite, 0);
    PlaceCtrl(m_hammerPicture, 27);
    if (PlaceCtrl(m_previousHammer, kPreviousHammer)) SetupStepButton(m_previousHammer, *m_game, true, kPreviousHammer);
    if (PlaceCtrl(m_nextHammer, kNextHammer)) SetupStepButton(m_nextHammer, *m_game, false, kNextHammer);
    PlaceCtrl(m_hammerText, 28);
    m_hammerText.Setup(1, kLightGrey, kLightGrey, 0, 0, 0, 0, kLightGrey, kLightGrey);
    placeList(IsLargeScreenType(m_game->m_screenMode) ? 100 : 80);

    const SPlayer& player = m_game->m_player;
    m_skill = player.GetSkillValue(kRepairSkill);
    CollectItems();
    m_hammerIndex = -1;
    for (size_t i = 0; i < m_hammers.size(); ++i)
        if (m_hammers[i].item == hammer) m_hammerIndex = int32_t(i);
    ShowHammer();
    FillList();
    ResetPenGate();
}

void SDialogRepair::CollectItems() {
    m_hammers.clear();
    m_damaged.clear();
    const SPlayer& player = m_game->m_player;
    for (int i = 0; i < player.ItemCount(); ++i) {
        SItem& item = *player.Item(i);
        if (item.m_type->m_class == kItemRepair) {
            if (IsUsableTool(item)) m_hammers.push_back(MakeToolEntry(*m_game, item));
        } else if (IsDamaged(item)) {
            m_damaged.push_back({item.m_type, &item});
        }
    }
}

void SDialogRepair::ShowHammer() {
    ShowTool(SelectedHammer(), m_hammerPicture, m_hammerText);
    UpdateStepButtons(m_hammerIndex, int32_t(m_hammers.size()), m_previousHammer, m_nextHammer);
}

void SDialogRepair::FillList() {
    m_list.ClearRows();
    SString key;
    for (size_t i = 0; i < m_damaged.size(); ++i) {
        key.Format("%u", unsigned(i));
        m_list.AddRow3(key.Text(), m_damaged[i].type->m_displayName.Text(), conditionOf(m_damaged[i]));
    }
    m_list.Layout(false);
    UpdateScrollButtons();
}

void SDialogRepair::showRepairedRow(int32_t row) {
    const SToolEntry& entry = m_damaged[size_t(row)];
    if (!IsDamaged(*entry.item)) {
        m_damaged.erase(m_damaged.begin() + row);
        FillList();
    } else {
        m_list.SetRow(row, nullptr, nullptr, conditionOf(entry));
    }
}

void SDialogRepair::DoRepair() {
    const int32_t row = selectedRow();
    if (SelectedHammer() == nullptr || row < 0) return;
    SRandom& random = *m_game->m_random;
    const int32_t wear = (120 - m_skill) / 2;
    if (WearTool(*SelectedHammer()->item, random.Next(wear) + wear)) RemoveToolAt(m_hammers, m_hammerIndex);
    ShowHammer();
    SPlayer& player = m_game->m_player;
    player.CountSkillUse(kRepairSkill);
    if (random.Next(100) > 2 * m_skill) {
        m_game->PlaySound("bsnd_repairfail", 10);
        return;
    }
    m_game->PlaySound("bsnd_repairok", 10);
    SItem& item = *m_damaged[size_t(row)].item;
    const int32_t gain = (m_skill + 150) / 2;
    item.AddAmount(uint32_t(std::max(random.Next(gain) + gain, 0)));
    item.m_amount = std::min<uint32_t>(item.m_amount, item.m_type->m_maxCondition);
    showRepairedRow(row);
    SetDirty();
}

void SDialogRepair::stepHammer(int32_t step) {
    m_game->PlaySound("bsnd_click", 10);
    StepTool(m_hammers, m_hammerIndex, step);
    ShowHammer();
}

uint32_t SDialogRepair::OnCommand(uint32_t id) {
    uint32_t result = 0;
    if (listCommand(id, result)) return result;
    switch (id) {
        case kRepair: DoRepair(); return 0;
        case kPreviousHammer: stepHammer(-1); return 0;
        case kNextHammer: stepHammer(1); return 0;
        default: return 0;
    }
}
