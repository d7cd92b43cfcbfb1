#include "tools/sampledata/scene_screen_art.h"

#include "tools/sampledata/interface_art_parts.h"
#include "tools/sampledata/new_game_screen_layouts.h"

namespace {

using namespace interface_art;

// The story's text is dark ink that fades in from the interface's parchment colour, so the panel
// is of that colour.
const uint16_t kParchment = ArtColour(239, 214, 148);

// Piece i of a button pair: its normal look (0) and its pressed look (1).
SArtCanvas speedButton(int kind, int state, int size) {
    switch (kind) {
        case 0: return Button(state, size, size, kBronze, Glyph::kDown);   // slower
        case 1: return Button(state, size, size, kBronze, Glyph::kUp);     // faster
        case 2: return Button(state, size, size, kBronze, Glyph::kRight);  // paused: goes on
        default: return TextButton(state, size, size, kBronze, "II");      // running: pauses
    }
}

}  // namespace

std::map<uint16_t, std::vector<uint8_t>> SceneScreenPictures() {
    std::map<uint16_t, std::vector<uint8_t>> pictures;
    for (int piece = 0; piece < 9; ++piece)
        pictures[uint16_t(3540 + piece)] = FramePiece(piece, kScenePanelEdge, 16, kParchment).Record();
    for (bool small : {true, false}) {
        const uint16_t first = small ? 3847 : 3560;
        const int size = small ? 24 : 36;
        for (int kind = 0; kind < 4; ++kind)
            for (int state = 0; state < 2; ++state)
                pictures[uint16_t(first + 2 * kind + state)] = speedButton(kind, state, size).Record();
    }
    return pictures;
}
