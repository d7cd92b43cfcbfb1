#pragma once
// Plain generated textures of the 3-D view: flagstones, grainy ground, bricks, and the turn that
// stores a wall picture the way the wall filler reads it. The renderer's test pictures mark these
// to show their orientation; the sample world uses them as they are.
#include <cstdint>

#include "tools/sampledata/art_canvas.h"

namespace plain_textures {

constexpr int kFloorSide = 256;
constexpr int kWallSide = 64;

// A small repeatable texture noise of 0 .. 7 per 2 x 2 block, so that block formats stay small.
int Grain(int x, int y);
// Square flagstones of a quarter of the floor with dark joints; with `mossEvery` non-zero, moss in
// diagonal streaks of that period.
SArtCanvas Flagstones(uint16_t stone, uint16_t moss, int mossEvery);
// A floor of grain around a colour, `spread` percent either way.
SArtCanvas Ground(uint16_t colour, int spread);
// A wall of bricks in offset rows, kWallSide square, upright.
SArtCanvas Bricks(uint16_t brick, uint16_t mortar);
// A wall drawn upright, stored turned: the stored picture's x runs down the wall and its y across it.
SArtCanvas Turned(const SArtCanvas& upright);

}  // namespace plain_textures
