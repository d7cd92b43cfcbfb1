#include "data/map_objects/furniture/map_object_storage.h"

#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"

int SMapObjectStorage::OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell*, int, int, bool& changed) {
    SMapObjectScreen* screen = Screen();
    if (event != kUsed || object == nullptr || screen == nullptr) return 0;
    screen->OpenContainer(map, object);
    changed = true;
    return 0;
}
