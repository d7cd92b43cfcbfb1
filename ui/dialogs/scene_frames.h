#pragma once
// The frame pictures the full-screen scenes (rest, voyage) and the outer frames of the centred
// dialogs draw with: the small set on the small screen types, the large one on the others.
#include "ui/picture_sets.h"

class SGameData;

SFrameSet SceneFrameSet(const SGameData& game);
