#include "data/persons/face_table.h"

#include <algorithm>
#include <cstring>

#include "engine/packages/resource_cache.h"

void SFaceTable::LoadPictures() {
    for (int i = 0; i < Count(); ++i)
        if (!At(i)->playerPortrait) LoadPicture(*At(i));
}

bool SFaceTable::LoadPicture(const SFaceType& face) { return m_cache && m_cache->LoadPicture(face.name.Text()); }

const char* SFaceTable::PictureName(const char* name) const {
    const SFaceType* face = Find(name);
    return face ? face->name.Text() : nullptr;
}

std::vector<std::string> SFaceTable::PlayerPortraitNames() const {
    std::vector<const char*> names;
    for (int i = 0; i < Count(); ++i)
        if (At(i)->playerPortrait) names.push_back(At(i)->name.Text());
    std::stable_sort(names.begin(), names.end(), [](const char* a, const char* b) {
        if (a == nullptr || b == nullptr) return a != nullptr && b == nullptr;
        return std::strcmp(a, b) < 0;
    });
    std::vector<std::string> sorted;
    for (const char* name : names) sorted.emplace_back(name ? name : "");
    return sorted;
}
