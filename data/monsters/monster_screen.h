#pragma once
// SMonsterScreen: what the monster rules need of the play screen: where the player stands, the
// acting monsters and the queues that animate their missiles and spells, the questions and talks a
// creature starts, messages, sounds and the view. The play screen answers it; tests record it.
#include <cstdint>

class SFpsItem;
class SMap;
class SSpellType;
struct SCreature;

class SMonsterScreen {
public:
    virtual ~SMonsterScreen() = default;

    // The player's cell on the map the creatures stand on.
    virtual int PlayerX() const = 0;
    virtual int PlayerY() const = 0;
    // Degrees, 0 looking north, 90 west.
    virtual int PlayerHeading() const = 0;
    // 10 less the distance from the player to the cell, 1..10.
    virtual int SoundVolumeAt(int x, int y) const = 0;
    // Through the sound table; nothing for an unknown name.
    virtual void PlaySound(const char* name, int volume) = 0;

    virtual void ShowMessageBox(const char* text) = 0;
    virtual void RedrawView() = 0;
    // The option that warns before the player harms peaceful creatures.
    virtual bool WarnsOfPeacefulTargets() const = 0;

    // The monster's move chose an area spell for the creature: it stands off the player's row and
    // column with one at hand.
    virtual bool ChoseAreaAttack(const SCreature& creature) const = 0;
    // Answers the side (0..3) the creature was stored with, -1 when it was not acting.
    virtual int RemoveActiveMonster(const SCreature& creature) = 0;
    // The sound of the monster-attack animation shown from that side (any side for -1): null
    // without one, "" when its record names none.
    virtual const char* PendingAttackSound(int side) const = 0;

    // The weather that slows missiles: on a surface map, the rain (0..1000) and the game clock in
    // minutes since the start.
    virtual bool OnSurface() const = 0;
    virtual int RainIntensity() const = 0;
    virtual uint32_t GameMinutes() const = 0;
    // The missile flies from the creature's cell towards the player.
    virtual void LaunchMissile(SMap& map, SCreature& creature, const SFpsItem& missile, uint16_t paletteSlot) = 0;
    // The spell leaves the creature and succeeds at `chance` percent.
    virtual void CastMonsterSpell(SMap& map, SCreature& creature, const SSpellType& spell, int chance) = 0;

    // The player used a person from behind.
    virtual void QueueStealQuestion(SMap& map, SCreature& creature) = 0;
    virtual void TalkToCreature(SMap& map, SCreature& creature) = 0;
    // The creature's level, hit points and effects, shown once.
    virtual void ShowCreatureInfo(SMap& map, SCreature& creature) = 0;
    virtual void RemoveCreatureFromCell(SMap& map, SCreature& creature) = 0;
    // The picture in this cache slot is on screen, so it stays loaded a while (the mark counts down).
    virtual void MarkPictureInUse(uint16_t slot, uint8_t mark) = 0;
};
