#pragma once
// The town portal's search: the nearest town around the map of the player's recorded world
// position that has a portal position of its own, searched in square rings from one map away out
// to nineteen, so that the map the player stands on is never the answer.
#include <string>

class SModule;

// The name of the position the portal leads to ("<town map>townportal"); empty when no ring holds
// a town with one. A ring is searched row above, row below, column left, column right, each from
// its low end; maps left or above the world's first are skipped.
std::string FindTownPortal(const SModule& module);
