// The door question's answers: open a trapped door (and take the trap), disarm its trap, or pick
// its lock; and the trap's spell, cast at the player.
#include <algorithm>

#include "data/map_objects/doors/map_object_door.h"
#include "data/maps/placed_object.h"
#include "data/rules/character_ids.h"
#include "data/spells/spell_table.h"
#include "engine/audio/volume.h"
#include "game/game_data.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/state_game.h"
#include "ui/dialogs/dialog_message.h"

namespace {

constexpr int kTrapShift = 10;
constexpr int kTrapShift4 = 4;
constexpr uint16_t kTrapBits = 0xF << kTrapShift;

// The trap's level, 0 to 15, from the object's state word.
int trapLevel(const SPlacedObject& object) { return (object.state & kTrapBits) >> kTrapShift; }

struct STrapSpell {
    const char* name;
    int divisor;
};
// By the trap kind, 1 to 7, of the type's trap bits.
constexpr STrapSpell kTrapSpells[8] = {
    {nullptr, 1},
    {"base_spellfireball", 1},
    {"base_spelllightningbolt", 2},
    {"base_spellharmundead", 1},
    {"base_spellplague", 1},
    {"base_spellwarrt", 1},
    {"base_spellpoisontouch", 1},
    {"base_spellcurse", 1},
};

}  // namespace

void SStateGame::AnswerDoorQuestion(uint32_t answer) {
    switch (answer) {
        case SDialogMessage::kOpen: OpenDoorFromChoice(); break;
        case SDialogMessage::kDisarm: DisarmTrap(); break;
        case SDialogMessage::kPick: OpenLockpick(); break;
        default: break;
    }
}

void SStateGame::OpenDoorFromChoice() {
    SPlacedObject* object = m_doorChoice.object;
    if (object == nullptr || m_doorChoice.objectType == nullptr) return;
    SpringTrap(*object, *m_doorChoice.objectType);
    if (m_doorChoice.kind == grid_rules::kDoorCode || m_doorChoice.kind == grid_rules::kSlidingDoorCode)
        if (auto* door = dynamic_cast<SMapObjectDoor*>(m_doorChoice.objectType))
            door->Open(*object, m_playerX, m_playerY);
}

void SStateGame::DisarmTrap() {
    SPlacedObject* object = m_doorChoice.object;
    if (object == nullptr || m_doorChoice.objectType == nullptr) return;
    SPlayer& player = m_game->m_player;
    const int32_t value = std::max(0, player.GetSkillValue(kSkillDisarm));
    const int level = trapLevel(*object);
    SRandom* random = m_game->m_random.get();
    const int32_t roll = random != nullptr ? random->Next(value / 5) : 0;
    if (value * 9 / 10 + roll > level * 10) {
        const bool door = m_doorChoice.kind == grid_rules::kDoorCode ||
                          m_doorChoice.kind == grid_rules::kSlidingDoorCode;
        SString text;
        text.Format("You have disarmed the %s.", door ? "door" : "object");
        AppendMessage(text.Text(), false);
        m_game->PlaySound("bsnd_lockdisarmok", kLoudestVolume);
        object->state = uint16_t(object->state & ~kTrapBits);
    } else {
        m_game->PlaySound("bsnd_lockdisarmtry", kLoudestVolume);
        SpringTrap(*object, *m_doorChoice.objectType);
    }
    player.CountSkillUse(kSkillDisarm);
}

void SStateGame::OpenLockpick() {
    if (m_doorChoice.object == nullptr) return;
    m_lockTarget = m_doorChoice.object;
    m_lockpick.Open();
    m_lockpick.Reset();
    openEmbedded(m_lockpick, SPlaySubMode::kLockPicking);
}

void SStateGame::SpringDoorTrap() {
    if (m_lockTarget != nullptr && m_doorChoice.object == m_lockTarget && m_doorChoice.objectType != nullptr)
        SpringTrap(*m_lockTarget, *m_doorChoice.objectType);
    m_lockTarget = nullptr;
}

void SStateGame::SpringTrap(SPlacedObject& object, const SMapObjectType& type) {
    const STrapSpell& trap = kTrapSpells[(type.m_initialState >> kTrapShift4) & 7];
    if (trap.name == nullptr) return;
    const SSpellType* spell = m_game->m_spells.FindSpell(trap.name);
    if (spell == nullptr) return;
    CastSpellOnPlayer(*spell, trapLevel(object) * 10 / trap.divisor);
}
