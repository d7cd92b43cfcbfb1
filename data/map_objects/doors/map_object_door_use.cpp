// What the player does to a door: uses it, with its lock, key, lockpicks and trap, or casts at it.
#include <algorithm>

#include "data/effects/effect.h"
#include "data/map_objects/doors/map_object_door.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "data/rules/character_ids.h"
#include "data/spells/spell_type.h"
#include "engine/base/string.h"

namespace {

constexpr int kModeShift = 2;
constexpr uint8_t kModeMask = 0x03;
constexpr int kHighlightFrames = 10;
constexpr const char* kLockedSound = "bsnd_ddoorlocked";

constexpr const char* kNoWayToOpen = "You can't see any method of opening this door.";
constexpr const char* kCannotClose = "You can't close the door.";
constexpr const char* kTrapped = "The door seems to be trapped.";
constexpr const char* kAlsoTrapped = "\rAlso, it seems to be trapped...";
constexpr const char* kSkillShort = "\rYour disarm skill may not be enough.";
constexpr const char* kLockedWithPicks = "The door is locked,\rand you don't have the right key.";
constexpr const char* kLockedNoPicks = "The door is locked,\rand you don't have the right key nor any lockpicks.";

// A spell of that strength beats a lock or trap of that level: at least nine tenths of the
// strength, and by chance up to a tenth more.
bool overcomes(SMapObjectScreen& screen, int32_t strength, int level) {
    return strength > 0 && level > 0 && screen.Random(strength / 10) + 9 * strength / 10 >= level;
}

}  // namespace

void SMapObjectDoor::Use(SMap* map, SPlacedObject& object, const SMapCell* cell, int x, int y) {
    SMapObjectScreen* screen = Screen();
    if (screen == nullptr) return;
    const int mode = cell ? (cell->centreExtra >> kModeShift) & kModeMask : kNoHandle;
    if (object.flags & SPlacedObject::kClosed) {
        useClosed(map, object, mode, x, y);
    } else if (mode == kPlain) {
        Close(object, x, y);
    } else {
        screen->PlaySound(kLockedSound, SMapObjectScreen::kLoudest);
        screen->ShowMessage(kCannotClose);
    }
}

void SMapObjectDoor::CastAt(SPlacedObject& object) {
    SMapObjectScreen* screen = Screen();
    const SSpellType* spell = screen ? screen->SpellBeingCast() : nullptr;
    if (spell == nullptr) return;
    int32_t unlock = 0, disarm = 0;
    for (int k = 0; k < spell->m_effects.Count(); ++k) {
        const SEffect& effect = *spell->m_effects.At(k);
        const int32_t strength = effect.GetMagnitude(screen->CasterLevel());
        if (effect.m_type == kEffectUnlock) unlock = std::max(unlock, strength);
        if (effect.m_type == kEffectDisarm) disarm = std::max(disarm, strength);
    }
    bool acted = false;
    if (overcomes(*screen, disarm, object.TrapLevel())) {
        object.SetTrapLevel(0);
        acted = true;
    }
    if (overcomes(*screen, unlock, object.LockLevel())) {
        object.SetLockLevel(0);
        acted = true;
    }
    if (!acted) return;
    object.flags |= kSpellHighlight;
    screen->SetDoorHighlight(kHighlightFrames);
}

void SMapObjectDoor::useClosed(SMap* map, SPlacedObject& object, int mode, int x, int y) {
    SMapObjectScreen& screen = *Screen();
    if (mode == kNoHandle) {
        screen.ShowMessage(kNoWayToOpen);
        screen.PlaySound(kLockedSound, SMapObjectScreen::kLoudest);
        return;
    }
    SString text;
    bool trapSeen = false;
    if (mode == kPlain || object.LockLevel() == 0) {
        appendTrapLines(object, kTrapped, text, trapSeen);
        if (trapSeen)
            offerChoice(map, object, text.Text(), true, false);
        else
            Open(object, x, y);
        return;
    }
    if (!object.textA.IsEmpty() && screen.PlayerOwnsItem(object.textA.Text())) {
        screen.PlaySound("bsnd_lockout", SMapObjectScreen::kLoudest);
        screen.PlayerLoseItem(object.textA.Text());
        Open(object, x, y);
        return;
    }
    const bool lockpick = screen.PlayerHasLockpick();
    text.Append(lockpick ? kLockedWithPicks : kLockedNoPicks);
    appendTrapLines(object, kAlsoTrapped, text, trapSeen);
    if (trapSeen || lockpick) {
        offerChoice(map, object, text.Text(), trapSeen, lockpick);
    } else {
        screen.PlaySound(kLockedSound, SMapObjectScreen::kLoudest);
        screen.ShowMessage(text.Text());
    }
}

void SMapObjectDoor::offerChoice(SMap* map, SPlacedObject& object, const char* text, bool trapped, bool lockpick) {
    SMapObjectScreen& screen = *Screen();
    screen.PlaySound(kLockedSound, SMapObjectScreen::kLoudest);
    screen.QueueDoorChoice(text, map, &object, *this, trapped, lockpick);
}

void SMapObjectDoor::appendTrapLines(const SPlacedObject& object, const char* seen, SString& text,
                                     bool& trapSeen) const {
    const int trap = object.TrapLevel();
    const int32_t disarm = Screen()->PlayerSkill(kSkillDisarm);
    trapSeen = trap >= 1 && disarm >= trap / 3;
    if (!trapSeen) return;
    text.Append(seen);
    if (disarm < trap) text.Append(kSkillShort);
}
