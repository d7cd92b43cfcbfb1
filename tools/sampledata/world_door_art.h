#pragma once
// The sample world's own doors, stairs and signs: a stone arch around one wooden leaf or a flight
// of steps, and a plain board.
// A single door's leaf stands kLeafLeft texels into its frame, from the frame's top edge; the leaf
// pictures keep their top kLintel rows clear, so that the arch shows above them.
#include "tools/sampledata/art_canvas.h"

namespace world_door_art {

constexpr int kLeafLeft = 43;
constexpr int kLeafWidth = 120;
constexpr int kLintel = 14;
// Close to the proportion of a cell to a storey, so that the arch stands one storey high.
constexpr int kFrameWidth = kLeafLeft * 2 + kLeafWidth;
constexpr int kFrameHeight = 144;

// Dressed stone round the opening the leaf fills.
SArtCanvas DoorFrame();
// Planks between iron bands, a ring to pull; clear above the opening's top.
SArtCanvas DoorLeaf();
// Stone steps seen through the arch, rising away (up) or sinking into the dark (down).
SArtCanvas Steps(bool down);
// A board hung from an iron arm, with lines of paint that stand for writing.
SArtCanvas Sign();
// The same board lettered for the inn, its arrow pointing along the wall to the inn's counter.
SArtCanvas InnSign();

}  // namespace world_door_art
