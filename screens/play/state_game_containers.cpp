// Piles and containers: the inventory screen opens on them with the pile or container, the object
// that holds it and its map, and the play screen waits behind it.
#include "data/items/item_list.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "engine/audio/volume.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/state_game.h"

namespace {

// The inventory's first word: the bag alone, or a container beside it.
constexpr uintptr_t kContainerView = 0;
constexpr uintptr_t kBagView = 1;

}  // namespace

uint32_t SStateGame::openInventoryOn(uintptr_t view, SItemList* container, SPlacedObject* object, SMap* map) {
    m_game->PlaySound("bsnd_bagopen", kLoudestVolume);
    if (SScriptContext* context = m_game->m_scriptContext.get(); context != nullptr && map != nullptr)
        context->QueueCellEvent(map, SGridPlace{m_playerX, m_playerY});
    m_param[0] = view;
    m_param[1] = reinterpret_cast<uintptr_t>(container);
    m_param[2] = reinterpret_cast<uintptr_t>(object);
    m_param[3] = reinterpret_cast<uintptr_t>(map);
    m_keep = 1;
    return kInventoryScreen;
}

// A cell where no pile may lie opens the bag without one: nothing can be dropped there.
uint32_t SStateGame::OpenFloorPile() {
    SMapCell* cell = GetCell(m_playerX, m_playerY);
    SItemList* pile = cell != nullptr ? FindItemListAt(m_playerX, m_playerY, uint8_t(cell->containerId)) : nullptr;
    if (pile == nullptr) pile = NewItemPileAt(m_playerX, m_playerY);
    return openInventoryOn(kBagView, pile, nullptr, GetZoneMap(m_playerX, m_playerY));
}

uint32_t SStateGame::OpenPile(SMap& map, SItemList& pile) {
    return openInventoryOn(kContainerView, &pile, nullptr, &map);
}

uint32_t SStateGame::OpenContainer(SMap& map, SPlacedObject& object) {
    if (object.containerId == 0) return 0;
    SItemList* container = map.FindContainer(object.containerId);
    if (container == nullptr) return 0;
    m_pendingScreen = openInventoryOn(kContainerView, container, &object, &map);
    return m_pendingScreen;
}

void SStateGame::NotifyContainerClosed(SMap*) {
    const SScriptContext* context = m_game->m_scriptContext.get();
    if (context == nullptr) return;
    const SGridPlace place = context->Place();
    SendObjectEvent(kEventItemChange, kWhereCentre | kWhereSide, place.x, place.y, place.side);
}
