#pragma once
// The drawing of the sample interface pictures, by kind: the pieces widgets are built from
// (frames, bars, buttons) and the pictures that stand alone (portraits, scenes, tiles, maps).
#include <cstdint>
#include <vector>

#include "tools/sampledata/art_canvas.h"

namespace interface_art {

// The look shared by every picture of the sample interface.
inline const uint16_t kOutline = ArtColour(24, 16, 8);
inline const uint16_t kGold = ArtColour(236, 200, 120);
inline const uint16_t kBronze = ArtColour(176, 128, 64);
inline const uint16_t kDarkBronze = ArtColour(96, 64, 32);
inline const uint16_t kSlate = ArtColour(44, 48, 60);
inline const uint16_t kInk = ArtColour(244, 240, 224);

// Piece `piece` (frame order: columns left to right, each top to bottom) of a frame whose edges
// are `thickness` pixels, with edge pieces and the centre `tile` pixels long, filled with `inside`.
SArtCanvas FramePiece(int piece, int thickness, int tile, uint16_t inside);
// A bar's left cap (0), middle (1) or right cap (2), `height` high, shaded from top to bottom.
SArtCanvas BarPiece(int piece, int height, int capWidth, int middleWidth, uint16_t top, uint16_t bottom);
// The three pieces of a hit-point bar: the moving end (0), the middle that is cut to length (1),
// the fixed end (2); a vertical bar grows upward, a horizontal one to the right.
SArtCanvas MeterPiece(int piece, bool vertical, int thickness, int endLength, int middleLength, uint16_t colour);

enum class Glyph { kCheck, kCross, kUp, kDown, kLeft, kRight, kGlobe, kGrid };
// A bevelled button in its normal (0), pressed (1) or disabled (2) look with a glyph on it.
SArtCanvas Button(int state, int width, int height, uint16_t face, Glyph glyph);
// The same with a short text (5x7 letters) instead of a glyph.
SArtCanvas TextButton(int state, int width, int height, uint16_t face, const char* text);

// A 50x50 head and shoulders; race 0 to 5 picks the skin and hair, -1 the default grey stranger.
SArtCanvas Portrait(int race);
// A landscape of `w` x `h` at one of four times of day.
SArtCanvas Landscape(int w, int h, int timeOfDay);
SArtCanvas Ship(int w, int h);
// The game's name on a bronze banner with rounded ends, on a transparent ground.
SArtCanvas Emblem(int w, int h);
// A tile of `size` pixels: a ground colour with a sparse pattern of a darker and a lighter shade.
SArtCanvas Tile(int size, uint16_t ground, int seed);
// A strip of a page as tall as the reading dialog's page, `w` wide, that tiles across: the ground
// of Tile, under a band of `bandHeight` pixels (none for 0) in the band colour for the title, with a
// darker rule below it.
SArtCanvas PageStrip(int w, int h, uint16_t ground, uint16_t band, int bandHeight, int seed);
// Stones in mortar, for the dialog background.
SArtCanvas StoneTile(int size);
// A flame on a dark ground, phase 0 to 7 of its flicker.
SArtCanvas Flame(int size, int phase);
// The compass strip (0) covering 360 degrees at 3 per pixel, its keyed overlay of the four
// letters (1), and its left (2) and right (3) caps.
SArtCanvas CompassPiece(int piece, int height, int capWidth);
// Pictures of the automap, all `cell` pixels square: the map picture table's entry `index`
// (floors, then sides in fours, north, east, south, west, then decorations, 23 of each), a marker,
// a section border piece (corners top-left, top-right, bottom-left, bottom-right, then the edges
// top, right, bottom, left), the player's arrow (north, west, south, east, and north to turn).
SArtCanvas AutomapPicture(int index, int cell);
SArtCanvas Marker(int index, int size);
SArtCanvas SectionBorder(int index, int cell);
SArtCanvas Arrow(int heading, int cell);
// The world map's pin for the player's place (0), its point two pixels in from the bottom left
// corner, and the frame around a chosen map (1), one 21-pixel map square.
SArtCanvas WorldMapMarker(int index);

}  // namespace interface_art
