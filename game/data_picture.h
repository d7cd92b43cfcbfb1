#pragma once
// One picture record of the interface package, loaded on its own: the screens whose pictures lie
// outside the interface slots load them when entered and drop them when left.
#include <cstdint>
#include <memory>

class SPdb;
struct SPictureEntry;

// Null when the package lacks the record or the record is not a picture.
std::unique_ptr<SPictureEntry> LoadDataPicture(SPdb& package, uint16_t id);
