// The player's actions in free play: using what lies ahead, the spell book, the potions and the
// map.
#include "data/effects/effect_list.h"
#include "data/items/item.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "engine/audio/volume.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/map_flags.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"
#include "screens/play/world_grid.h"

uint32_t SStateGame::Interact(int side, uint32_t hand) {
    // A person who stands in the player's own cell, in the half of it ahead, is the one used.
    if (SCreature* person = creatureInSlot(m_playerX, m_playerY, 0); person != nullptr && person->IsPerson()) {
        const SItemPileRecord* sprite = m_grid != nullptr ? m_grid->CreatureSprite(*person) : nullptr;
        if (sprite != nullptr) {
            const uint32_t quarter = (m_heading % 360) / 90;
            const bool ahead = quarter == 0   ? sprite->m_y < kCellCentre
                               : quarter == 1 ? sprite->m_x < kCellCentre
                               : quarter == 2 ? sprite->m_y > kCellCentre
                                              : sprite->m_x > kCellCentre;
            if (ahead) return SendObjectEvent(kEventUse, kWhereFirstCreature, m_playerX, m_playerY, -1);
        }
    }
    SFacingCell facing;
    if (GetFacingCell(side, facing) == nullptr) return 0;
    const uint32_t where = hand != 0 ? kWhereAll : kWhereAll & ~kWhereSecondCreature;
    const uint32_t next = SendObjectEvent(kEventUse, where, facing.x, facing.y, int(facing.oppositeSide));
    if (next == 0 && m_child != nullptr) m_child->Draw();
    return next;
}

void SStateGame::OpenSpellBook() {
    if (IsBusy() || m_currentMap == nullptr) return;
    if ((m_currentMap->Flags() & map_flags::kNoMagic) != 0) return refuse("Magic is forbidden on this map.");
    if (m_game->m_player.IsMagicImmune()) return refuse("You have active magic immunity effect.");
    m_game->PlaySound("bsnd_bookopen", kLoudestVolume);
    m_spellbook.Open();
    openEmbedded(m_spellbook, SPlaySubMode::kSpellBook);
}

void SStateGame::OpenPotions() {
    if (IsBusy()) return;
    m_potions.Open();
    if (m_potions.m_list.RowCount() == 0) return refuse("You don't have any potions.");
    m_game->PlaySound("bsnd_clickh", kLoudestVolume);
    openEmbedded(m_potions, SPlaySubMode::kPotions);
}

void SStateGame::DrinkPotion() {
    SPlayer& player = m_game->m_player;
    SItem* potion = m_potions.GetSelectedItem();
    if (potion == nullptr) return;
    const SEffectList* effects = potion->Effects();
    if (effects && effects->HasPermanentAttribute()) {
        if (player.PermanentPotions() > 0)
            return refuse("You cannot drink more potions with permanent effects until your level advances.");
        player.CountPermanentPotion();
    }
    m_game->PlaySound("bsnd_drink", kLoudestVolume);
    player.ApplyItemEffects(*potion);
    player.RemoveOwnedItem(potion);
    refreshBars();
    RunMonsterPass();
}

void SStateGame::OpenMapDialog() {
    if (m_moving != 0 || m_turning != 0 || !m_combatAnims.empty()) return;
    m_mapDialog.Open();
    openEmbedded(m_mapDialog, SPlaySubMode::kMap);
    m_game->PlaySound("bsnd_letteropenclose", kLoudestVolume);
}

int32_t SStateGame::MapX() const { return OnSurface() ? m_playerX - kFirstMiddleCell : m_playerX; }
int32_t SStateGame::MapY() const { return OnSurface() ? m_playerY - kFirstMiddleCell : m_playerY; }

int SStateGame::CountGroundAcross(int x, int y, int side, uint16_t value) const {
    const int32_t acrossX = play_tables::kSideDy[side & 3], acrossY = play_tables::kSideDx[side & 3];
    int count = 0;
    for (int k = -1; k <= 1; ++k) {
        uint16_t ground = value;
        if (IsGroundCode3(x + k * acrossX, y + k * acrossY, true, ground)) ++count;
    }
    return count;
}
