#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_screen.h"
#include "engine/base/random.h"

namespace {

bool isSet(const char* sound) { return sound != nullptr && *sound != '\0'; }

}  // namespace

void SMonster::PlayCreatureSound(SMonsterContext& context, int volume) const {
    if (m_baseType == nullptr) return;
    if (m_kind != SMonsterBaseType::kKindPeople) {
        if (isSet(m_baseType->m_creatureSound)) context.screen.PlaySound(m_baseType->m_creatureSound, volume);
        return;
    }
    // People speak with one of their voices, whichever are set.
    const char* voices[4] = {};
    int count = 0;
    for (const char* sound : m_baseType->m_sounds)
        if (isSet(sound)) voices[count++] = sound;
    if (isSet(m_baseType->m_creatureSound)) voices[count++] = m_baseType->m_creatureSound;
    if (count > 0) context.screen.PlaySound(voices[context.random.Next(count)], volume);
}

void SMonster::PlayHitSound(SMonsterContext& context, int volume) const {
    if (m_baseType && isSet(m_baseType->m_sounds[1])) context.screen.PlaySound(m_baseType->m_sounds[1], volume);
}

void SMonster::PlayDeathSound(SMonsterContext& context, int volume) const {
    if (m_baseType && isSet(m_baseType->m_sounds[2])) context.screen.PlaySound(m_baseType->m_sounds[2], volume);
}
