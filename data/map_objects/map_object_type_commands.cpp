// The object commands every map-object type answers unless its class answers them itself.
#include "data/map_objects/map_object_items.h"
#include "data/map_objects/map_object_type.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/map_objects/object_commands.h"
#include "data/maps/placed_object.h"

namespace {

// The container-item calls need an object with a container, a map and items to ask.
SMapObjectItems* itemsFor(const SMapObjectTypeTable* table, const SMap* map, const SPlacedObject* object) {
    if (table == nullptr || map == nullptr || object == nullptr || object->containerId == 0) return nullptr;
    return table->Items();
}

void setFlag(SPlacedObject& object, uint8_t flag, bool set) {
    object.flags = uint8_t(set ? object.flags | flag : object.flags & ~flag);
}

}  // namespace

uint32_t SMapObjectType::CountContainerItem(SMap* map, const SPlacedObject* object, const char* itemType) const {
    SMapObjectItems* items = itemsFor(m_table, map, object);
    return items ? items->CountInContainer(*map, object->containerId, itemType) : 0;
}

void SMapObjectType::AddContainerItem(SMap* map, const SPlacedObject* object, const char* itemType,
                                      int32_t amount) const {
    if (SMapObjectItems* items = itemsFor(m_table, map, object))
        items->AddToContainer(*map, object->containerId, itemType, amount);
}

void SMapObjectType::RemoveContainerItem(SMap* map, const SPlacedObject* object, const char* itemType,
                                         int32_t amount) const {
    if (SMapObjectItems* items = itemsFor(m_table, map, object))
        items->RemoveFromContainer(*map, object->containerId, itemType, amount);
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
        case kFindItem:
        case kReceiveItem: AddContainerItem(map, object, arg1.Text(), arg2.Number()); break;
        case kRemoveItem: RemoveContainerItem(map, object, arg1.Text(), arg2.Number()); break;
        case kHasItem: result = SScriptValue(int32_t(CountContainerItem(map, object, arg1.Text()))); break;
        default: break;
    }
    return 0;
}
