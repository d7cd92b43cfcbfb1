#pragma once
// SGamePortraits: the game's own portrait source, over its world tables.
#include "ui/widgets/portrait_source.h"

class SMonsterTable;

class SGamePortraits : public SPortraitSource {
public:
    explicit SGamePortraits(const SMonsterTable& monsters) : m_monsters(monsters) {}

    // The game reads no face table yet, so no name has a face of its own.
    const char* FacePictureName(const char*) const override { return nullptr; }
    // The base type's kind and its pictures as ResolvePictures found them.
    std::optional<SBaseTypePictures> FindBaseType(const char* name) const override;

private:
    const SMonsterTable& m_monsters;
};
