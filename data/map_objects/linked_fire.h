#pragma once
// The fire a door or a stair burns beside it: the type its linked type names, whose frames flicker
// in two places of the centre record and raise the cell's light. By day on an outdoor map it is out.
#include <cstdint>

#include "render/view_descriptor.h"

class SMapObjectScreen;
class SMapObjectType;
struct SPaletteEntry;

// The type `type`'s linked type names in its table; null for none.
const SMapObjectType* FindLinkedType(const SMapObjectType& type);
// The fire shows and crackles: it exists, and the map is indoors or it is night.
bool FireBurns(const SMapObjectType* fire, const SMapObjectScreen* screen);

// Where the two flames stand across the record's main picture.
struct SFirePlaces {
    int16_t first = 0;
    int16_t second = 0;
};

// The flames at record pictures k and k + 1: the fire's frames at the animation tick and
// `secondStep` later (the first picture for a fire without frames), raising the light by 64 and a
// flicker.
void SetFlames(SObjectTypeRecord& record, int k, const SMapObjectType& fire, SMapObjectScreen& screen,
               uint32_t secondStep, SFirePlaces places, const SPaletteEntry* palette, uint16_t& light);
