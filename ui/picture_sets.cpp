#include "ui/picture_sets.h"

#include "engine/packages/resource_cache.h"

int PictureWidth(const SPictureEntry* picture) { return picture && picture->data ? picture->picture.Width() : 0; }

int PictureHeight(const SPictureEntry* picture) { return picture && picture->data ? picture->picture.Height() : 0; }
