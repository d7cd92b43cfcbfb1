#pragma once
// An interior record as the animation widget plays it: layer 0 is the base picture, each further
// layer a frame drawn at its x, y for its third value in 10 ms.
#include <vector>

#include "ui/widgets/anim_ctrl.h"

class SInterior;
class SResourceCache;

// The frames in layer order, each picture found in the cache by name (null when the cache lacks it
// or has not loaded it, which the widget draws as nothing).
std::vector<SAnimFrame> InteriorAnimation(const SInterior& interior, const SResourceCache& cache);
