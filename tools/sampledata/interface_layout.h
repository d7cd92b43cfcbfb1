#pragma once
// The layout records of the sample interface package: 3001 for the handheld screen modes, 3003
// for the square and large ones.
#include <span>
#include <vector>

#include "game/layout_record.h"

std::vector<SLayoutDialog> SampleLayout(bool squareOrLargeModes);
