// What the player faces: the creature ahead in the first target panel and its companion in the
// same cell in the second, or the name of a character on the wall ahead.
#include "data/map_objects/map_object_type.h"
#include "data/maps/creature.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/maps/placed_object.h"
#include "data/monsters/monster.h"
#include "engine/base/string.h"
#include "game/game_data.h"
#include "render/view_descriptor.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

namespace {

constexpr uint8_t kWall = 5;
constexpr uint8_t kDoor = 20;
constexpr uint8_t kDoubleDoor = 22;
constexpr uint8_t kWallCharacter = 12;
constexpr int kPanelFont = 1;
constexpr int kMostLines = 2;
constexpr char kLineBreak = '\r';
constexpr uint16_t kLookHalfCell = 0x8000;

// Absent objects hide nothing; present ones only while they are visible.
bool absentOrVisible(const SPlacedObject* object) {
    return object == nullptr || (object->flags & SPlacedObject::kVisible) != 0;
}

// Whether a person standing at (x, y) inside the player's cell stands in its half ahead; the
// heading's quarter counts 0 north, 1 west, 2 south, 3 east.
bool inHalfAhead(uint32_t quarter, uint16_t x, uint16_t y) {
    switch (quarter) {
        case 0: return y < kLookHalfCell;
        case 1: return x < kLookHalfCell;
        case 2: return y > kLookHalfCell;
        default: return x > kLookHalfCell;
    }
}

const char* nameOf(const SMonster& monster) {
    if (!monster.m_displayName.IsEmpty()) return monster.m_displayName.Text();
    return monster.m_name.Text() ? monster.m_name.Text() : "";
}

}  // namespace

SCreature* SStateGame::creatureInSlot(int x, int y, int slot) const {
    const SMapCell* cell = GetCell(x, y);
    return cell != nullptr ? FindCreatureAt(x, y, cell->creatures[slot]) : nullptr;
}

bool SStateGame::creatureShows(int x, int y, const SCreature& creature) const {
    return creature.ownerId == 0 || absentOrVisible(FindObjectAt(x, y, creature.ownerId));
}

void SStateGame::SetLabelText(SLookTarget& label, const char* text) const {
    label.text.clear();
    label.lines = 0;
    if (text == nullptr || *text == 0) return;
    SString wrapped;
    if (m_text != nullptr) {
        m_text->SelectFont(kPanelFont, m_game->m_interfaceTextColour, m_game->m_interfaceShadeColour);
        m_text->WrapToString(text, m_targetPanels.left.textWidth, wrapped);
    } else {
        wrapped.Assign(text);
    }
    // Lines end at CR; whatever follows the second line is left out.
    const std::string all = wrapped.Text() ? wrapped.Text() : "";
    size_t start = 0;
    while (start < all.size() && label.lines < kMostLines) {
        size_t end = all.find(kLineBreak, start);
        if (end == std::string::npos) end = all.size();
        if (label.lines > 0) label.text += kLineBreak;
        label.text.append(all, start, end - start);
        ++label.lines;
        start = end + 1;
    }
}

void SStateGame::showCreature(SLookTarget& label, const SCreature& creature) const {
    label.shown = true;
    label.creature = &creature;
    label.hostile = creature.IsHostile();
    label.health = creature.GetHealthPercent();
    SetLabelText(label, creature.monster ? nameOf(*creature.monster) : "");
}

bool SStateGame::lookStopsAt(int x, int y, uint32_t side) {
    const SMapCell& cell = *GetCell(x, y);
    const SMapObjectType* type = cell.centreType;
    if (type == nullptr || !absentOrVisible(FindObjectAt(x, y, cell.centreId))) return false;
    if (type->m_typeCode == kWall) {
        // A character on the wall's side that faces the player is named in the first panel.
        const SMapCellSide& facing = cell.sides[(side + 2) % 4];
        const SPlacedObject* character = FindObjectAt(x, y, facing.objectId);
        const bool characterShown = facing.wallType != nullptr && facing.wallType->m_typeCode == kWallCharacter &&
                                    character != nullptr && absentOrVisible(character);
        const SNpcType* person = characterShown ? m_game->m_npcTypes.Find(character->textA.Text()) : nullptr;
        if (person != nullptr && person->DisplayName() != nullptr && *person->DisplayName() != 0) {
            SLookTarget& label = m_lookTargets[0];
            label.shown = true;
            label.health = 100;
            SetLabelText(label, person->DisplayName());
        }
        return true;
    }
    if (type->m_typeCode != kDoor && type->m_typeCode != kDoubleDoor) return false;
    const SPlacedObject* door = FindObjectAt(x, y, cell.centreId);
    return door != nullptr && (door->flags & SPlacedObject::kClosed) != 0 &&
           (door->flags & SPlacedObject::kOpening) == 0;
}

void SStateGame::UpdateLookTarget() {
    m_lookTargets = {};
    const uint32_t side = FacingSide();
    // A person who stands in the front half of the player's own cell is the one faced.
    SCreature* own = creatureInSlot(m_playerX, m_playerY, 0);
    if (own != nullptr && own->IsPerson() && m_grid != nullptr) {
        const SItemPileRecord* place = m_grid->CreatureSprite(*own);
        if (place != nullptr && inHalfAhead(m_heading / 90, place->m_x, place->m_y)) {
            showCreature(m_lookTargets[0], *own);
            return;
        }
    }
    int x = m_playerX, y = m_playerY;
    for (int step = 0; step < m_fog.viewDistance; ++step) {
        x += play_tables::kSideDx[side];
        y += play_tables::kSideDy[side];
        if (GetCell(x, y) == nullptr || lookStopsAt(x, y, side)) return;
        SCreature* first = creatureInSlot(x, y, 0);
        if (first == nullptr || !creatureShows(x, y, *first)) continue;
        if (m_targetSlot == 1 && creatureInSlot(x, y, 1) == nullptr) m_targetSlot = 0;
        SCreature* target = m_targetSlot == 1 ? creatureInSlot(x, y, 1) : first;
        SCreature* other = m_targetSlot == 1 ? first : creatureInSlot(x, y, 1);
        showCreature(m_lookTargets[0], *target);
        if (other != nullptr && creatureShows(x, y, *other)) showCreature(m_lookTargets[1], *other);
        return;
    }
}
