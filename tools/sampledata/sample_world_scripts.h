#pragma once
// The scripts of the sample world's objects: the cellar's plate that teleports to the surface (and
// the first time solves the sample quest, sample_quests.h), its sign and banner, the stairs between
// the cellar and the surface, and the signpost at the top of the stairs that offers a choice.
class SScriptTable;
struct SSamplePackage;

void AddSampleWorldScripts(SSamplePackage& world);
// One script of the world's table, assembled from its listing; the places that bring scripts of
// their own add them through it.
void AddWorldScript(SScriptTable& scripts, const char* name, const char* listing);
