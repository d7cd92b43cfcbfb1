#pragma once
// The map-object types and the monster of the sample world: floors of stone, grass and sand, the
// cellar's ceiling, brick walls, a door and its leaf, a banner and a sign for the walls, trees, the
// position type of named places, and the cave goblin that stands in the cellar.
struct SSamplePackage;

// Adds the map-object type and monster tables to the world package, at its data version; the
// pictures they name are the picture package's (sample_world_art.h).
void AddSampleWorldTypes(SSamplePackage& world);
