#pragma once
// The pictures of the sample world's map-object types, monsters and items, drawn from the sample
// render and sprite art: stone, grass and sand floors, the cellar's ceiling, brick walls, a door
// and its leaf, a banner, a sign, a tree, a goblin standing and striking, and the items of the
// cellar's pile.
struct SSamplePackage;

// Adds the pictures, each named "bres_...", to the picture package.
void AddWorldPictures(SSamplePackage& resources);
