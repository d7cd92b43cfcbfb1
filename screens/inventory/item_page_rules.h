#pragma once
// How the inventory's items page sorts and names items: the category tab each class falls under,
// the tab a worn piece's slot jumps to, and the verbs its messages use.
#include <cstdint>

class SItemType;

// The category tab 1..8 whose filter shows items of the class; 0 for a class none shows alone.
uint32_t CategoryTabOf(uint8_t itemClass);
// The tab a tap on a worn piece of the class opens: weapons, armour, accessories, else all.
uint32_t DollTabOf(uint8_t itemClass);

// "equip" for accessories and armour other than shields, "select" for quivers and throwing
// weapons, "wield" for the rest; the past forms likewise.
const char* EquipVerb(const SItemType& type);
const char* EquipPastVerb(const SItemType& type);
