#include "tools/sampledata/card_table_art.h"

#include "tools/sampledata/interface_art_parts.h"

std::map<uint16_t, std::vector<uint8_t>> CardTablePictures() {
    using namespace interface_art;
    const uint16_t white = ArtColour(236, 232, 220);
    std::map<uint16_t, std::vector<uint8_t>> pictures;
    // A white flag: the button gives the duel up.
    for (int state = 0; state < 2; ++state) {
        SArtCanvas button = TextButton(state, kGiveUpSize, kGiveUpSize, ArtColour(120, 40, 36), "");
        const int shift = state;  // the pressed look sinks by a pixel
        button.Line(9 + shift, 6 + shift, 9 + shift, 22 + shift, 1.5, kOutline);
        button.Fill(10 + shift, 6 + shift, 10, 7, white);
        pictures[uint16_t(3655 + state)] = button.Record();
    }
    return pictures;
}
