#pragma once
// The words scripts and map objects use for a heading and for the way a travel looks.

// The first letter: n 0, w 1, s 2, e 3 (either case); anything else 0.
int ParseDirectionLetter(const char* text);
// Whole words, any case: "teleport" 1, "hole" 2, "fall" 3, "ladderdown" or "ladder down" 4,
// "ladderup" or "ladder up" 5, "stairdown" or "stair down" 6, "stairup" or "stair up" 7; else 0.
int ParseTransitionKind(const char* text);
