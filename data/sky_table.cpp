#include "data/sky_table.h"

#include <cstdlib>
#include <string>

#include "data/package/module_load_order.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr uint8_t kSkyTableChunkTag = 'B';
// Farther than any key can lie from any roll.
constexpr int kNoDistance = 1000;

uint8_t kindForHour(int hour) {
    if (hour == 6 || hour == 7 || hour == 20 || hour == 21) return SSkyType::kDawnOrDusk;
    return hour >= 8 && hour <= 19 ? SSkyType::kDay : SSkyType::kNight;
}

bool knownKind(uint8_t kind) {
    return kind == SSkyType::kDay || kind == SSkyType::kNight || kind == SSkyType::kDawnOrDusk;
}

SSkyView viewOf(const SSkyType& sky) {
    return {sky.cloudScroll, sky.fogColour, sky.visibility, sky.picture ? sky.picture->slot : 0};
}

}  // namespace

void SSkyTable::serializeChunk(SArchive& archive, int version) {
    archive.SerializeTag(kSkyTableChunkTag);
    m_skies.SerializeList(archive, version, ListOrder::Sorted);
}

bool SSkyTable::Load(SRecordCursor& cursor) {
    const char* what = TableName(SModuleTable::Skies);
    if (!cursor.Read(what, [&](SArchive& archive) { serializeChunk(archive, cursor.version); })) return false;
    for (int i = 0; i < m_skies.Count(); ++i) {
        const SSkyType& sky = *m_skies[i];
        const std::string named = "sky \"" + std::string(sky.name.Text() ? sky.name.Text() : "") + "\"";
        if (!knownKind(sky.kind))
            return cursor.Fail(what, named + " has kind " + std::to_string(sky.kind) +
                                         "; skies are of kind 1 (day), 2 (night) or 4 (dawn and dusk)");
        if (sky.visibility > 100)
            return cursor.Fail(what, named + " has a visibility of " + std::to_string(sky.visibility) + " percent");
    }
    return true;
}

SRecordList SSkyTable::Write(int version) {
    return WriteOneRecord([&](SArchive& archive) { serializeChunk(archive, version); });
}

void SSkyTable::PickForHour(int hour, int weatherRoll, SSkyView& view) const {
    const uint8_t kind = kindForHour(hour);
    const SSkyType* nearest = nullptr;
    int nearestDistance = kNoDistance;
    for (int i = 0; i < m_skies.Count(); ++i) {
        const SSkyType& sky = *m_skies[i];
        const int distance = std::abs(int(sky.key) - weatherRoll);
        if (sky.kind == kind && distance < nearestDistance) {
            nearest = &sky;
            nearestDistance = distance;
        }
    }
    if (nearest) view = viewOf(*nearest);
}

bool SSkyTable::Get(const char* name, SSkyView& view) const {
    const SSkyType* sky = Find(name);
    if (sky) view = viewOf(*sky);
    return sky != nullptr;
}

void SSkyTable::LoadPictures() {
    for (int i = 0; i < m_skies.Count(); ++i) {
        SSkyType& sky = *m_skies[i];
        SPictureEntry* picture = m_cache ? m_cache->FindPicture(sky.pictureName.Text()) : nullptr;
        sky.picture = picture && m_cache->LoadPicture(*picture) ? picture : nullptr;
    }
}
