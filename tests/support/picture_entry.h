#pragma once
// Picture entries for widget tests: the record is made by the test and owned by the entry, so the
// entry stands on its own like an interface picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "engine/packages/resource_cache.h"
#include "support/picture_record.h"

// A w x h picture whose pixel (x, y) has the colour the function gives (0xFFFF is transparent), of
// at most 256 colours.
inline std::unique_ptr<SPictureEntry> MakePictureEntry(int w, int h,
                                                       const std::function<uint16_t(int x, int y)>& colourAt) {
    std::map<uint16_t, uint32_t> index;
    std::vector<uint16_t> colours;
    std::vector<uint32_t> indices;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint16_t colour = colourAt(x, y);
            auto [at, added] = index.try_emplace(colour, uint32_t(colours.size()));
            if (added) colours.push_back(colour);
            indices.push_back(at->second);
        }
    }
    // One index byte per pixel names at most 256 colours.
    if (colours.size() > 256) ADD_FAILURE() << "a test picture of " << colours.size() << " colours";
    auto entry = std::make_unique<SPictureEntry>();
    entry->record = std::make_unique<SPdbRecord>();
    entry->record->bytes = PictureRecord(0, w, h, indices, colours);
    SReadError error;
    entry->Bind(entry->record->bytes, 0, error);
    return entry;
}

inline std::unique_ptr<SPictureEntry> SolidPicture(int w, int h, uint16_t colour) {
    return MakePictureEntry(w, h, [colour](int, int) { return colour; });
}
