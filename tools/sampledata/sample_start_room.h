#pragma once
// The cellar where a new game begins: a room below ground, walled in, with a door in its north
// wall, a banner and a sign on that wall, an item pile on the floor, a cave goblin standing in the
// room, and the start position "base_start" facing north towards them.
#include "tools/sampledata/sample_package.h"

SSampleMap SampleStartRoom();
