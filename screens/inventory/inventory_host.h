#pragma once
// SInventoryHost: what the inventory screen asks of the screen that opened it (the play screen):
// whether a fight may be near, a message queued for the frames after the inventory closes, the
// ambient sounds stopped on the way to the main menu, and the word that a container was closed.
#include <cstdint>

class SMap;
struct SPlacedObject;

class SInventoryHost {
public:
    // True while a threat may be near: equipping and reading are refused then.
    virtual bool UnderThreat() const = 0;
    virtual void QueueMessage(const char* text, uint32_t buttons, const char* sound) = 0;
    // Stops the rain and the looping ambient sounds; the music plays on.
    virtual void StopAmbientSounds() = 0;
    // The player closed a container of the map: the placed object that holds it, or null for a pile
    // (whose cell's container object, if any, the host finds itself).
    virtual void ContainerClosed(SMap* map, SPlacedObject* object) = 0;

protected:
    ~SInventoryHost() = default;
};
