#include "screens/play/type_pictures.h"

#include "data/map_objects/map_object_type_table.h"
#include "data/monsters/monster_table.h"
#include "engine/packages/resource_cache.h"

namespace {

// The pictures of a type that stays loaded, where freeing another type took one they share.
bool reloadShared(const SMapObjectType& type, SResourceCache& cache) {
    bool all = true;
    for (int k = 0; k < type.PictureNameCount(); ++k)
        if (type.PictureName(k) && !cache.LoadPicture(type.PictureName(k))) all = false;
    return all;
}

}  // namespace

void ResetTypeMarks(SMapObjectTypeTable& types, SMonsterTable& monsters) {
    types.MarkKeepLoaded();
    for (int i = 0; i < monsters.BaseTypeCount(); ++i) monsters.BaseTypeAt(i)->m_inUse = false;
}

void MarkMonsterTypeInUse(const SMonster& monster) {
    if (monster.m_baseType) monster.m_baseType->m_inUse = true;
}

bool LoadMarkedTypes(SMapObjectTypeTable& types, SMonsterTable& monsters, SResourceCache& cache) {
    types.ReleaseUnmarkedPictures();
    for (int i = 0; i < monsters.BaseTypeCount(); ++i) {
        SMonsterBaseType& type = *monsters.BaseTypeAt(i);
        if (!type.m_inUse) type.ReleasePictures(cache);
    }
    bool all = true;
    for (int i = 0; i < types.Count(); ++i) {
        SMapObjectType& type = *types.GetTypeAt(i);
        if (!type.KeepLoaded()) continue;
        const bool loaded = type.IsLoaded() ? reloadShared(type, cache) : type.LoadPictures();
        if (!loaded) all = false;
    }
    for (int i = 0; i < monsters.BaseTypeCount(); ++i) {
        SMonsterBaseType& type = *monsters.BaseTypeAt(i);
        if (type.m_inUse && !type.LoadPictures(cache)) all = false;
    }
    return all;
}
