#include "ui/dialogs/dialog_repair_shop.h"

#include <algorithm>

#include "data/items/item.h"
#include "engine/base/format_count.h"
#include "engine/draw/digit_glyphs.h"
#include "game/game_data.h"
#include "ui/colour_word.h"

namespace {

constexpr uint32_t kSideWidth = 80;
// The fonts' coin glyph, after a price and after the gold.
constexpr char kCoin = 9;

}  // namespace

void SDialogRepairShop::Init(SGameData* game) {
    SRepairDialogBase::Init(game);
    m_goldFrame.Attach(this);
    m_gold.Attach(this);
}

void SDialogRepairShop::Open(uint32_t priceFactor) {
    placeHead(kLayout);
    m_goldFrame.Setup(m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet), 0, 0,
                      SBorderSides::kAll | SBorderSides::kFill);
    PlaceCtrl(m_goldFrame, 294);
    PlaceCtrl(m_gold, 22);
    m_gold.SetTextEx("", STextAlign::kCentred | STextAlign::kMiddle, 1, kLightGrey, 0);
    placeList(kSideWidth);
    m_priceFactor = priceFactor;
    CollectDamaged();
    FillList(-1);
    FormatGold();
    ResetPenGate();
}

void SDialogRepairShop::CollectDamaged() {
    m_candidates.clear();
    const SPlayer& player = m_game->m_player;
    for (int i = 0; i < player.ItemCount(); ++i)
        if (IsDamaged(*player.Item(i))) m_candidates.push_back({player.Item(i)->m_type, player.Item(i)});
}

uint32_t SDialogRepairShop::Price(const SItem& item) const {
    const uint64_t missing = item.m_type->m_maxCondition -
                             std::min<uint32_t>(item.m_amount, item.m_type->m_maxCondition);
    const uint64_t base = std::max<uint64_t>(missing * m_priceFactor / 100, 1);
    // Haggling past 100 per cent would make the repair free or pay the player.
    const uint32_t adjusted = m_game->m_player.AdjustPrice(uint32_t(std::min<uint64_t>(base, UINT32_MAX)), true);
    return std::max<uint32_t>(adjusted, 1);
}

void SDialogRepairShop::FillList(int32_t selection) {
    m_list.ClearRows();
    SString key, side;
    for (size_t i = 0; i < m_candidates.size(); ++i) {
        key.Format("%u", unsigned(i));
        side.Format("%u%c", Price(*m_candidates[i].item), kCoin);
        m_list.AddRow3(key.Text(), m_candidates[i].type->m_displayName.Text(), side.Text());
    }
    m_list.Layout(false);
    if (selection >= 0) m_list.Select(selection);
    UpdateScrollButtons();
}

void SDialogRepairShop::FormatGold() {
    SString amount, line;
    FormatGoldShort(m_game->m_player.Gold(), amount);
    line.Format("Player gold:\r%s%c", amount.Text(), kCoin);
    ToDigitGlyphs(line);
    m_gold.SetText(line.Text());
    m_goldFrame.SetDirty();
}

void SDialogRepairShop::DoRepair() {
    const int32_t row = selectedRow();
    if (row < 0) return;
    SItem& item = *m_candidates[size_t(row)].item;
    const uint32_t price = Price(item);
    SPlayer& player = m_game->m_player;
    if (!player.HasGold(price)) return;
    m_game->PlaySound("bsnd_repairok", 10);
    item.RepairFully();
    player.RemoveGold(price, false);
    m_candidates.erase(m_candidates.begin() + row);
    FillList(row);
    FormatGold();
}

uint32_t SDialogRepairShop::OnCommand(uint32_t id) {
    uint32_t result = 0;
    if (listCommand(id, result)) return result;
    if (id == kRepair) DoRepair();
    return 0;
}
