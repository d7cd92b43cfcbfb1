#pragma once
// The ferry landing on the east road: a boatman's post that asks before it takes the player down
// the river to Eastbrook, and a moored boat that sails at once.
#include <vector>

class SScriptTable;
struct SSampleMap;

void AddFerryLanding(std::vector<SSampleMap>& maps);
void AddFerryScripts(SScriptTable& scripts);
