#pragma once
// Painter's order: the sky and the background first, then ceilings, pits, floors, second-layer and
// first-layer walls and objects, and within a class the farthest first.
#include "render/render_polygon.h"

// -1 when a is drawn before b, 1 when after, 0 when their keys do not decide. Two background keys
// never decide; keys of one other class go by their depths.
int ComparePolygons(const SRenderSortKey& a, const SRenderSortKey& b);
// The larger far depth first, then the larger near depth.
int CompareDepthDesc(const SRenderSortKey& a, const SRenderSortKey& b);
