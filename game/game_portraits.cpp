#include "game/game_portraits.h"

#include "data/monsters/monster_table.h"

std::optional<SBaseTypePictures> SGamePortraits::FindBaseType(const char* name) const {
    const SMonsterBaseType* type = m_monsters.FindBaseType(name);
    if (type == nullptr) return std::nullopt;
    return SBaseTypePictures{type->m_kind, type->Pictures()};
}
