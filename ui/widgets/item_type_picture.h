#pragma once
// How the inventory finds an item type's picture: the type's equipment record names an item
// picture record, whose picture the resource cache holds by name. Each link may be missing in
// damaged or partial data; the answer is then null and the item is not drawn.
class SGameData;
class SItemType;
struct SPaletteEntry;
struct SPictureEntry;

// Null when a link is missing or the picture is not loaded.
const SPictureEntry* ItemTypePicture(const SGameData& game, const SItemType& type);
// The palette the type names; null when it names none or the cache lacks it.
const SPaletteEntry* ItemTypePalette(const SGameData& game, const SItemType& type);
