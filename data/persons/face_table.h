#pragma once
// SFaceTable: the portraits of the world data, found by name, with their pictures from the
// resource cache.
#include <string>
#include <vector>

#include "data/persons/face_type.h"
#include "data/tables/record_table.h"

class SResourceCache;

class SFaceTable : public SRecordTable<SFaceType> {
public:
    // The cache the pictures come from.
    void Attach(SResourceCache* cache) { m_cache = cache; }

    // The picture of every face but the player's portraits; a face whose picture the packages lack
    // shows nothing.
    void LoadPictures();
    // One face's picture, the player's portraits too. False when it cannot be loaded.
    bool LoadPicture(const SFaceType& face);
    // The picture name of the face of that name, or null when the table has none.
    const char* PictureName(const char* name) const;
    // The names of the player's portraits in byte order (capitals first); a face without a name
    // comes last, as an empty name.
    std::vector<std::string> PlayerPortraitNames() const;

private:
    SResourceCache* m_cache = nullptr;
};
