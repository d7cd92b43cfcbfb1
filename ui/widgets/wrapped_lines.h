#pragma once
// The word wrap of the game's text boxes: a text breaks into lines at a width, and the spaces, line
// breaks and tabs between two lines belong to neither, so they never make an empty line. A word
// wider than the width breaks where the line is full.
#include <functional>

class SText;

// Calls `line` with the start and the length of each line of the text wrapped at the width in the
// text layer's current font. Every line takes at least one character, so a width of 0 still ends.
void ForEachWrappedLine(const SText& text, const char* words, int width,
                        const std::function<void(const char* start, int length)>& line);
