#pragma once
// How a creature answers the player's attempts to harm it while it is peaceful.
class SMap;
class SMonster;
struct SCreature;
struct SMonsterContext;

// Not hostile, and it belongs to a map object or has something to say.
bool LooksPeaceful(const SMonster& monster, const SMap& map, const SCreature& creature);
// The player is told off, commits a crime and loses fame.
void PunishAttackOnPeople(SMonsterContext& context);
// The player is told the creature looks peaceful.
void WarnOfPeacefulCreature(SMonsterContext& context);
