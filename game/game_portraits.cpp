#include "game/game_portraits.h"

#include "data/monsters/monster_table.h"
#include "data/persons/face_table.h"

const char* SGamePortraits::FacePictureName(const char* name) const { return m_faces.PictureName(name); }

std::optional<SBaseTypePictures> SGamePortraits::FindBaseType(const char* name) const {
    const SMonsterBaseType* type = m_monsters.FindBaseType(name);
    if (type == nullptr) return std::nullopt;
    return SBaseTypePictures{type->m_kind, type->Pictures()};
}
