#include "data/persons/face_table.h"

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
