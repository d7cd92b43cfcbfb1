// The object commands every map-object type answers unless its class answers them itself.
#include "data/map_objects/map_object_items.h"
#include "data/map_objects/map_object_type.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/maps/placed_object.h"
#include "data/script_command_ids.h"

namespace {

// The container-item calls need a container, a map and items to ask.
SMapObjectItems* itemsFor(const SMapObjectTypeTable* table, const SMap* map, uint8_t containerId) {
    if (table == nullptr || map == nullptr || containerId == 0) return nullptr;
    return table->Items();
}

uint8_t containerOf(const SPlacedObject* object) { return object ? object->containerId : 0; }

void setFlag(SPlacedObject& object, uint8_t flag, bool set) {
    object.flags = uint8_t(set ? object.flags | flag : object.flags & ~flag);
}

}  // namespace

uint32_t SMapObjectType::countItems(SMap* map, uint8_t containerId, const char* itemType) const {
    SMapObjectItems* items = itemsFor(m_table, map, containerId);
    return items ? items->CountInContainer(*map, containerId, itemType) : 0;
}

void SMapObjectType::addItems(SMap* map, uint8_t containerId, const char* itemType, int32_t amount) const {
    if (SMapObjectItems* items = itemsFor(m_table, map, containerId))
        items->AddToContainer(*map, containerId, itemType, amount);
}

void SMapObjectType::removeItems(SMap* map, uint8_t containerId, const char* itemType, int32_t amount) const {
    if (SMapObjectItems* items = itemsFor(m_table, map, containerId))
        items->RemoveFromContainer(*map, containerId, itemType, amount);
}

uint32_t SMapObjectType::CountContainerItem(SMap* map, const SPlacedObject* object, const char* itemType) const {
    return countItems(map, containerOf(object), itemType);
}

void SMapObjectType::AddContainerItem(SMap* map, const SPlacedObject* object, const char* itemType,
                                      int32_t amount) const {
    addItems(map, containerOf(object), itemType, amount);
}

void SMapObjectType::RemoveContainerItem(SMap* map, const SPlacedObject* object, const char* itemType,
                                         int32_t amount) const {
    removeItems(map, containerOf(object), itemType, amount);
}

bool SMapObjectType::RunItemCommand(SMap* map, uint8_t containerId, int command, const SScriptValue& arg1,
                                    const SScriptValue& arg2, std::optional<SScriptValue>& result) const {
    switch (command) {
        case kFindItem:
        case kReceiveItem: addItems(map, containerId, arg1.Text(), arg2.Number()); return true;
        case kRemoveItem: removeItems(map, containerId, arg1.Text(), arg2.Number()); return true;
        case kHasItem: result = SScriptValue(int32_t(countItems(map, containerId, arg1.Text()))); return true;
        default: return false;
    }
}

int SMapObjectType::ExecuteCommand(SMap* map, SPlacedObject* object, int, int, int command, const SScriptValue& arg1,
                                   const SScriptValue& arg2, const SScriptValue&, std::optional<SScriptValue>& result,
                                   bool& changed) {
    if (object == nullptr) {
        if (command == kHasItem) result = SScriptValue(0);
        return 0;
    }
    SPlacedObject& o = *object;
    const bool closed = (o.flags & SPlacedObject::kClosed) != 0;
    switch (command) {
        case kIsOpened:
        case kIsOn: result = SScriptValue(closed ? 0 : 1); break;
        case kOpen: setFlag(o, SPlacedObject::kClosed, false); break;
        case kClose: setFlag(o, SPlacedObject::kClosed, true); break;
        case kGetLockedState: result = SScriptValue(o.LockLevel()); break;
        case kSetLockedState: o.SetLockLevel(arg1.Number()); break;
        case kGetTrappedState: result = SScriptValue(o.TrapLevel()); break;
        case kSetTrappedState: o.SetTrapLevel(arg1.Number()); break;
        case kIsVisible: result = SScriptValue((o.flags & SPlacedObject::kVisible) ? 1 : 0); break;
        case kSetVisible:
        case kSetHidden:
            setFlag(o, SPlacedObject::kVisible, command == kSetVisible);
            changed = true;
            break;
        case kSetOn:
        case kSetOff:
            setFlag(o, SPlacedObject::kClosed, command == kSetOff);
            changed = true;
            break;
        case kGetState: result = SScriptValue(int32_t(o.stateByte)); break;
        case kSetState: o.stateByte = uint8_t(arg1.Number()); break;
        // The bit as it stands, 2 for dead: scripts test it for truth, never against 1.
        case kIsDead: result = SScriptValue(int32_t(o.flags & SPlacedObject::kClosed)); break;
        default: RunItemCommand(map, o.containerId, command, arg1, arg2, result); break;
    }
    return 0;
}
