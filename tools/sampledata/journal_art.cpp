#include "tools/sampledata/journal_art.h"

namespace {

constexpr int kSize = 10;

}  // namespace

SArtCanvas QuestStateMark(int index) {
    SArtCanvas mark(kSize, kSize);
    switch (index) {
        case 0:
            mark.Line(1, 5, 4, 8, 2, ArtColour(70, 200, 80));
            mark.Line(4, 8, 9, 1, 2, ArtColour(70, 200, 80));
            break;
        case 1:
            mark.Line(1, 1, 8, 8, 2, ArtColour(220, 50, 40));
            mark.Line(8, 1, 1, 8, 2, ArtColour(220, 50, 40));
            break;
        default:
            mark.Disc(kSize / 2.0, kSize / 2.0, kSize / 2.0 - 0.5, ArtColour(230, 200, 90));
            mark.Disc(kSize / 2.0, kSize / 2.0, kSize / 2.0 - 2.5, SArtCanvas::kClear);
            break;
    }
    return mark;
}
