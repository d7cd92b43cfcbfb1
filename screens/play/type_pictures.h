#pragma once
// Which map-object and monster types keep their pictures loaded while the player is on a map: the
// types the grid's cells show, the fire animations, and the monster types of the creatures on the
// grid. Entering a map marks them afresh; the pictures of every type no longer marked are freed
// and those of every newly marked type loaded.
class SMapObjectTypeTable;
class SMonster;
class SMonsterTable;
class SResourceCache;

// Before the types of a map are marked: only the fire animations stay marked, and no monster type.
void ResetTypeMarks(SMapObjectTypeTable& types, SMonsterTable& monsters);
// A creature of the monster stands on the grid.
void MarkMonsterTypeInUse(const SMonster& monster);
// Frees the pictures of the loaded types that are not marked, then loads those of the marked ones.
// A picture that a freed type shared with a type still in use is loaded again. False when a
// picture is missing or cannot be read; the others load all the same.
bool LoadMarkedTypes(SMapObjectTypeTable& types, SMonsterTable& monsters, SResourceCache& cache);
