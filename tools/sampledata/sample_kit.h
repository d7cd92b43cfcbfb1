#pragma once
// The sample world's kit: the item types the player's pack needs besides the starting kit's own
// (two rings, a book that teaches Block, a letter, a map, a wand and a spellbook), an inventory
// picture for every item the player can carry, and the cellar's chest with one item of every
// class in it.
class SItemDatabase;
struct SSampleMap;
struct SSamplePackage;

// Adds the kit's item types, and gives every item type that has no picture yet the kit's picture
// for it (an equipment record and an item picture record named after the type).
void AddSampleKitItems(SItemDatabase& items);
// Adds the kit's item pictures, each named "bres_kit_...", to the picture package.
void AddSampleKitPictures(SSamplePackage& resources);
// Puts the chest's contents into the cellar, as the container its placed object will hold: for now
// a pile on the floor beside the start.
void AddSampleChest(SSampleMap& cellar);
