#include "tools/sampledata/splash_art.h"

#include "screens/splash/splash_tracks.h"
#include "tools/sampledata/art_canvas.h"

namespace {

constexpr const char* kTagLine = "A ROLE PLAYING ADVENTURE";

// The logo's lettering: each track's dots joined by a stroke centred on the dots' squares, so that
// every square a dot reveals lies on the lettering.
SArtCanvas lettering(bool small, uint16_t ground, double thickness, uint16_t colour) {
    const int width = small ? ShrinkSplashCoordinate(kSplashGridWidth) + 1 : kSplashGridWidth;
    const int height = small ? ShrinkSplashCoordinate(kSplashGridHeight) + 1 : kSplashGridHeight;
    SArtCanvas canvas(width, height, ground);
    const double centre = kSplashDotSize / 2.0;
    for (const SSplashTrack& track : SplashTracks(small))
        for (size_t i = 0; i < track.points.size(); ++i) {
            const SSplashPoint& from = track.points[i == 0 ? 0 : i - 1];
            const SSplashPoint& to = track.points[i];
            canvas.Line(from.x + centre, from.y + centre, to.x + centre, to.y + centre, thickness, colour);
        }
    return canvas;
}

// The dots' picture: gold lettering on black, revealed a square at a time.
SArtCanvas dotPicture(bool small) {
    return lettering(small, ArtColour(0, 0, 0), small ? 3.0 : 4.0, ArtColour(230, 180, 60));
}

// The finished logo: the gold lettering with a light edge along its top, on black.
SArtCanvas logoPicture(bool small) {
    SArtCanvas logo = lettering(small, ArtColour(0, 0, 0), small ? 3.0 : 4.0, ArtColour(230, 180, 60));
    const SArtCanvas glow = lettering(small, SArtCanvas::kClear, small ? 1.0 : 1.5, ArtColour(255, 240, 170));
    for (int y = 0; y < glow.Height(); ++y)
        for (int x = 0; x < glow.Width(); ++x)
            if (glow.At(x, y) != SArtCanvas::kClear) logo.Set(x, y, glow.At(x, y));
    return logo;
}

SArtCanvas textPicture(bool small) {
    SArtCanvas text(SplashTextWidth(small), SplashTextHeight(small), ArtColour(0, 0, 0));
    text.Text(1, 1, kTagLine, small ? 1 : 2, ArtColour(200, 200, 220));
    return text;
}

// Four small glints, from a full star to a single bright point with a halo.
SArtCanvas sparkle(int kind) {
    const uint16_t white = ArtColour(255, 255, 250);
    const uint16_t pale = ArtColour(255, 250, 190);
    SArtCanvas glint(kSplashDotSize, kSplashDotSize);
    glint.Set(1, 1, white);
    switch (kind) {
        case 0:
            for (int i = 0; i < 3; ++i) {
                glint.Set(1, i, white);
                glint.Set(i, 1, white);
            }
            break;
        case 1:
            for (int i : {0, 2}) {
                glint.Set(i, i, pale);
                glint.Set(i, 2 - i, pale);
            }
            break;
        case 2:
            glint.Fill(0, 0, 3, 3, pale);
            glint.Set(1, 1, white);
            break;
        default:
            glint.Set(0, 1, pale);
            glint.Set(2, 1, pale);
            break;
    }
    return glint;
}

}  // namespace

int SplashTextWidth(bool small) { return SArtCanvas::TextWidth(kTagLine, small ? 1 : 2) + 2; }

int SplashTextHeight(bool small) { return 7 * (small ? 1 : 2) + 2; }

std::map<uint16_t, std::vector<uint8_t>> SplashPictures() {
    std::map<uint16_t, std::vector<uint8_t>> pictures;
    for (bool small : {true, false}) {
        const uint16_t first = small ? 4033 : 3521;
        pictures[first] = logoPicture(small).Record();
        pictures[first + 1] = dotPicture(small).Record();
        pictures[first + 2] = textPicture(small).Record();
    }
    for (int kind = 0; kind < 4; ++kind) pictures[uint16_t(3524 + kind)] = sparkle(kind).Record();
    return pictures;
}
