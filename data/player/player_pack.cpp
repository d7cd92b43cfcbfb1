// The player's pack: items coming and going with their messages, weights, charges and gold.
#include <algorithm>

#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "data/player/item_phrase.h"
#include "data/player/player.h"
#include "engine/base/c_string.h"

namespace {

bool IsMoney(const SItemType& type) { return type.m_class == kItemMoney; }

}  // namespace

void SPlayer::addGold(uint32_t amount) { m_gold = uint32_t(std::min<uint64_t>(uint64_t(m_gold) + amount, kMaxGold)); }

SItem* SPlayer::AddItems(const SItemType& type, int32_t n) {
    if (n < 1) return nullptr;
    if (IsMoney(type)) {
        addGold(uint32_t(std::min<uint64_t>(uint64_t(type.m_baseValue) * uint64_t(n), kMaxGold)));
        return nullptr;
    }
    if (m_rules.random == nullptr) return nullptr;
    for (int32_t i = 0; i < n; ++i) {
        const int before = m_pack.Count();
        m_pack.Add(SItem::Create(type, SItem::kFullCondition, *m_rules.random));
        // A full pack has deleted the new item.
        if (m_pack.Count() == before) return nullptr;
    }
    return m_pack.At(m_pack.Count() - 1);
}

void SPlayer::AddOwnedItem(std::unique_ptr<SItem> item) {
    if (item == nullptr) return;
    if (item->m_type && IsMoney(*item->m_type)) {
        addGold(item->m_type->m_baseValue);
        return;
    }
    m_pack.Add(std::move(item));
}

std::unique_ptr<SItem> SPlayer::RemoveOwnedItem(SItem* item) {
    std::unique_ptr<SItem> taken = m_pack.Take(item);
    if (taken && HasInSlots(item)) UnequipItem(item);
    return taken;
}

void SPlayer::DeleteItemIfUsedUp(SItem* item) {
    if (item && item->m_amount == 0) RemoveOwnedItem(item);
}

void SPlayer::RemoveOwnedItemsOfType(const SItemType* type, int32_t n) {
    for (int32_t removed = 0; removed < n; ++removed) {
        SItem* item = m_pack.FindByType(type);
        if (item == nullptr) return;
        RemoveOwnedItem(item);
    }
}

void SPlayer::RemoveItems(const char* name, int32_t n) {
    const SItemType* type = m_rules.items && name ? m_rules.items->FindItemType(name) : nullptr;
    if (type == nullptr || n < 1 || m_pack.CountOfType(type) < n) return;
    RemoveOwnedItemsOfType(type, n);
    SString text("You have lost ");
    FormatItemPhrase(*type, uint32_t(n), text);
    text.Append(".");
    show(text.Text());
}

void SPlayer::giveItems(const char* name, int32_t n, bool announce, const char* verb) {
    const SItemType* type = m_rules.items && name ? m_rules.items->FindItemType(name) : nullptr;
    if (type == nullptr || n < 1) return;
    AddItems(*type, n);
    if (!announce) return;
    SString text;
    text.Format("You have %s ", verb);
    FormatItemPhrase(*type, uint32_t(n), text);
    text.Append(".");
    show(text.Text());
}

void SPlayer::ReceiveItems(const char* name, int32_t n, bool announce) { giveItems(name, n, announce, "received"); }

void SPlayer::FindItems(const char* name, int32_t n, bool announce) { giveItems(name, n, announce, "found"); }

int SPlayer::CountOwnedItemsByName(const char* name) const {
    if (name == nullptr) return 0;
    int count = 0;
    for (int i = 0; i < m_pack.Count(); ++i) {
        const SItemType* type = m_pack.At(i)->m_type;
        if (type && StrCmp(type->NameKey().Text(), name) == 0) ++count;
    }
    return count;
}

uint32_t SPlayer::SumItemWeights() const {
    uint64_t sum = 0;
    for (int i = 0; i < m_pack.Count(); ++i)
        if (const SItemType* type = m_pack.At(i)->m_type) sum += type->m_weight;
    return uint32_t(std::min<uint64_t>(sum, UINT32_MAX));
}

void SPlayer::UseCharge(SItem* item) {
    if (item) item->TakeAmount(1);
}

void SPlayer::ReceiveGold(uint32_t amount, bool announce, bool found) {
    addGold(amount);
    if (!announce) return;
    SString text;
    text.Format("You have %s %ld%c.", found ? "found" : "received", long(amount), kCoinSign);
    show(text.Text());
}

void SPlayer::RemoveGold(uint32_t amount, bool announce) {
    m_gold = amount < m_gold ? m_gold - amount : 0;
    if (!announce) return;
    SString text;
    text.Format("You have lost %ld%c.", long(amount), kCoinSign);
    show(text.Text());
}
