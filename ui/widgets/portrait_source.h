#pragma once
// Where a face control finds a portrait by name: the face table first, then the monster base
// types. The game object holds the source the tables provide (SGameData::m_portraits); a test
// hands its own. The face control, not the source, picks which of a base type's pictures is the
// portrait, so that a base type with too few pictures is caught in one place.
#include <cstdint>
#include <optional>
#include <span>

struct SPictureEntry;

struct SBaseTypePictures {
    uint8_t kind = 0;                                // 4: people
    std::span<const SPictureEntry* const> pictures;  // in the base type's own order
};

class SPortraitSource {
public:
    virtual ~SPortraitSource() = default;
    // The picture name of the face record of that name, or null when the face table has none.
    virtual const char* FacePictureName(const char* name) const = 0;
    // The monster base type of that name, or nothing.
    virtual std::optional<SBaseTypePictures> FindBaseType(const char* name) const = 0;
};
