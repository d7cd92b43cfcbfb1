// A map-object type's pictures: found in the resource cache by name, counted into frames, loaded
// and released with the view's needs.
#include <algorithm>

#include "data/map_objects/map_object_type.h"
#include "data/map_objects/map_object_type_table.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr uint8_t kMostFrames = 255;
constexpr uint8_t kDoorFrameMark = 20;
constexpr uint8_t kCityDoorMark = 2;

// The non-zero ids from ids[first] on, counted up to the first zero, the end of the list or
// ids[last].
uint8_t countUntilZero(const std::vector<uint16_t>& ids, size_t first, size_t last) {
    uint8_t count = 0;
    for (size_t k = first; k <= last && k < ids.size() && ids[k] != 0; ++k) ++count;
    return count;
}

uint8_t framesOf(size_t count) { return uint8_t(std::min<size_t>(count, kMostFrames)); }

}  // namespace

uint8_t SMapObjectType::markOfPicture(int k) const {
    if (k == 2 && (m_typeCode == 20 || m_typeCode == 22)) return kDoorFrameMark;
    if (k == 1 && m_typeCode == 11) return kCityDoorMark;
    return uint8_t(m_place[2]);
}

void SMapObjectType::ResolvePictures(const SResourceCache* cache, std::vector<uint8_t>& marks) {
    m_pictureIds.clear();
    // A name the cache lacks still takes its place, so that the ids keep lining up with the names.
    for (int k = 0; k < m_pictureNames.Count(); ++k) {
        const char* name = m_pictureNames[k];
        const SPictureEntry* picture = name && cache ? cache->FindPicture(name) : nullptr;
        const uint16_t slot = picture ? uint16_t(picture->slot) : 0;
        m_pictureIds.push_back(slot);
        if (slot != 0 && slot < marks.size()) marks[slot] = markOfPicture(k);
    }
    countFrames();
    m_animated = animates();
}

// By type code; the defaults table names the codes.
void SMapObjectType::countFrames() {
    const size_t names = size_t(m_pictureNames.Count());
    m_frames = 0;
    m_frames2 = 0;
    switch (m_typeCode) {
        case 1:
        case 3:
        case 4:
        case 30:
        case 36:
        case 37:
        case 41: m_frames = framesOf(names); break;
        case 9:
        case 40:
            m_frames = countUntilZero(m_pictureIds, 1, 7);
            m_frames2 = countUntilZero(m_pictureIds, 9, 15);
            break;
        case 10:
            m_frames = countUntilZero(m_pictureIds, 2, 4);
            m_frames2 = countUntilZero(m_pictureIds, 5, 7);
            break;
        // The first picture is the teleport at rest; the others are its frames. With no picture at
        // all it has no frames either.
        case 25: m_frames = names > 0 ? framesOf(names - 1) : 0; break;
        default: break;
    }
}

bool SMapObjectType::animates() const {
    switch (m_typeCode) {
        case 3:
        case 20:
        case 22:
        case 25:
        case 33:
        case 37:
        case 41:
        case 42: return true;
        case 4:
        case 9:
        case 10:
        case 40: return m_frames != 0 || m_frames2 != 0;
        case 7:
        case 8: return m_linkedType != nullptr;
        default: return false;
    }
}

bool SMapObjectType::loadOwnPictures(SResourceCache& cache) const {
    bool all = true;
    for (int k = 0; k < m_pictureNames.Count(); ++k)
        if (m_pictureNames[k] && !cache.LoadPicture(m_pictureNames[k])) all = false;
    return all;
}

bool SMapObjectType::LoadPictures() {
    if (m_loaded) return true;
    SResourceCache* cache = m_table ? m_table->Cache() : nullptr;
    if (cache == nullptr) return false;
    bool all = true;
    // Each linked type brings its own linked type's pictures too; a chain that comes back to a type
    // already loaded here ends there.
    std::vector<const SMapObjectType*> chain;
    for (const SMapObjectType* type = this; type && std::find(chain.begin(), chain.end(), type) == chain.end();
         type = m_table->Find(type->m_linkedType)) {
        chain.push_back(type);
        if (!type->loadOwnPictures(*cache)) all = false;
    }
    AcquirePalettes(*cache);
    m_loaded = true;
    return all;
}

void SMapObjectType::ReleasePictures() {
    SResourceCache* cache = m_table ? m_table->Cache() : nullptr;
    if (!m_loaded || cache == nullptr) return;
    for (int k = 0; k < m_pictureNames.Count(); ++k)
        if (m_pictureNames[k]) cache->UnloadPicture(m_pictureNames[k]);
    ReleasePalettes(*cache);
    m_loaded = false;
}
