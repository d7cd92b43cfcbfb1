#include "data/map_objects/doors/map_object_wall_switch.h"

#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/placed_object.h"

void SMapObjectWallSwitch::InitInstance(SPlacedObject& object) { object.flags |= SPlacedObject::kClosed; }

int SMapObjectWallSwitch::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool& changed) {
    if (event != kUsed || object == nullptr) return 0;
    object->flags ^= SPlacedObject::kClosed;
    const bool turnedOn = (object->flags & SPlacedObject::kClosed) == 0;
    if (SMapObjectScreen* screen = Screen())
        screen->PlaySound(turnedOn ? m_onSound : m_offSound, SMapObjectScreen::kLoudest);
    changed = true;
    return 0;
}
