// The books the player has read, and the places marked for Recall.
#include <algorithm>

#include "data/maps/map.h"
#include "data/package/module.h"
#include "data/player/player.h"
#include "data/rules/character_ids.h"
#include "engine/base/c_string.h"

namespace {

constexpr int32_t kIntelligencePerMark = 5;

}  // namespace

void SPlayer::MarkBookRead(const char* name) {
    if (name == nullptr || HasReadBook(name)) return;
    m_booksRead.Add(StrDup(name), ListOrder::Appended);
}

bool SPlayer::HasReadBook(const char* name) const { return m_booksRead.FindString(name) >= 0; }

void SPlayer::UpdateMarkSlots() {
    const int32_t wanted = std::max(GetAttribute(kIntelligence) / kIntelligencePerMark, 1);
    while (m_marks.Count() < wanted && m_marks.Count() < int(SPtrArray<SMarkRecord>::kMaxCount))
        m_marks.Add(new SMarkRecord, ListOrder::Appended);
}

void SPlayer::SetMark(int index, const SModule& package, const SMap& map, uint8_t x, uint8_t y, uint8_t direction) {
    SMarkRecord* mark = m_marks.At(index);
    if (mark == nullptr) return;
    mark->packageIdentifier = package.Header().identifier;
    mark->packageName = package.Header().name;
    mark->mapName.Assign(map.Name());
    mark->mapText = map.Title();
    mark->x = x;
    mark->y = y;
    mark->direction = direction;
}

bool SPlayer::HasMarkedPosition() const {
    for (int i = 0; i < m_marks.Count(); ++i)
        if (!m_marks[i]->packageIdentifier.IsEmpty()) return true;
    return false;
}
