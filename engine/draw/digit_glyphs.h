#pragma once
// The fonts carry small glyphs for digits, signs and the K, M, B and % after a number, so that a
// line of numbers fits narrow screens.
class SString;

// Rewrites numbers in a text into the small-digit glyphs of the fonts (codes 14 to 29), or their
// raised form (130 to 135 and 160 to 169).
void ToDigitGlyphs(SString& text);
void ToDigitGlyphsHigh(SString& text);
