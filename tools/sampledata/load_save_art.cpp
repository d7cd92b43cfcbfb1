#include "tools/sampledata/load_save_art.h"

#include "tools/sampledata/interface_art_parts.h"

namespace {

using namespace interface_art;
using R = SInterfaceRole;

constexpr const char* kButtonWords[3] = {"LOAD", "SAVE", "DEL"};

const uint16_t kNight = ArtColour(18, 16, 28);
const uint16_t kStone = ArtColour(150, 150, 156);

SArtCanvas crown(int size) {
    SArtCanvas picture(size, size, kNight);
    const double s = size / 48.0;
    const double base = 34 * s, top = 12 * s;
    for (double x : {8.0, 24.0, 40.0}) {
        picture.Triangle((x - 8) * s, base, (x + 8) * s, base, x * s, top, kGold);
        picture.Disc(x * s, top, 2.5 * s, kGold);
    }
    picture.Fill(int(7 * s), int(28 * s), int(34 * s), int(9 * s), kBronze);
    for (auto [x, colour] : {std::pair{14.0, ArtColour(200, 30, 40)}, std::pair{24.0, ArtColour(40, 90, 200)},
                             std::pair{34.0, ArtColour(200, 30, 40)}})
        picture.Disc(x * s, 32.5 * s, 2.2 * s, colour);
    return picture;
}

SArtCanvas grave(int w, int h) {
    SArtCanvas scene = Landscape(w, h, 2);
    const double s = h / 80.0;
    const double x = w / 2.0, foot = h * 0.86;
    scene.Disc(x, foot + 10 * s, 26 * s, ArtColour(70, 50, 36));  // the mound
    scene.Fill(int(x - 12 * s), int(foot - 34 * s), int(24 * s), int(34 * s), kStone);
    scene.Disc(x, foot - 34 * s, 12 * s, kStone);
    scene.Line(x, foot - 40 * s, x, foot - 20 * s, 2 * s, kOutline);
    scene.Line(x - 6 * s, foot - 34 * s, x + 6 * s, foot - 34 * s, 2 * s, kOutline);
    return scene;
}

SArtCanvas temple(int size) {
    SArtCanvas picture(size, size, kNight);
    const double s = size / 48.0;
    picture.Triangle(6 * s, 16 * s, 42 * s, 16 * s, 24 * s, 5 * s, kStone);
    picture.Fill(int(8 * s), int(16 * s), int(32 * s), int(3 * s), kStone);
    for (double x : {11.0, 19.0, 27.0, 35.0}) picture.Fill(int(x * s), int(20 * s), int(3 * s), int(20 * s), kStone);
    picture.Fill(int(6 * s), int(40 * s), int(36 * s), int(4 * s), kStone);
    picture.Disc(24 * s, 28 * s, 3 * s, ArtColour(250, 200, 90));  // the altar's flame
    return picture;
}

}  // namespace

// Large enough to read and to tap on every screen: the records are shared by all of them.
SArtSize LoadSaveButtonSize() { return {64, 30}; }

SArtSize DeathPictureSize(int index, bool large) {
    const int scale = large ? 2 : 1;
    return index == 1 ? SArtSize{120 * scale, 80 * scale} : SArtSize{48 * scale, 48 * scale};
}

SArtCanvas LoadSavePicture(SInterfaceRole role, int index, bool large) {
    if (role == R::kLoadSaveButtons) {
        const SArtSize size = LoadSaveButtonSize();
        const uint16_t faces[3] = {ArtColour(60, 120, 60), ArtColour(50, 90, 140), ArtColour(150, 50, 40)};
        const int button = (index / 2) % 3;
        return TextButton(index % 2, size.width, size.height, faces[button], kButtonWords[button]);
    }
    if (role == R::kDeathPictures) {
        const SArtSize size = DeathPictureSize(index, large);
        switch (index) {
            case 0: return crown(size.width);
            case 1: return grave(size.width, size.height);
            default: return temple(size.width);
        }
    }
    return SArtCanvas(1, 1, kOutline);
}
