#pragma once
// The sample pictures of the journal's quest rows: a green tick for a solved quest, a red cross for
// a failed one and an open ring for an active one, small enough for a row of the list.
#include "tools/sampledata/art_canvas.h"

SArtCanvas QuestStateMark(int index);
