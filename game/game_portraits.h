#pragma once
// SGamePortraits: the game's own portrait source, over its world tables.
#include "ui/widgets/portrait_source.h"

class SFaceTable;
class SMonsterTable;

class SGamePortraits : public SPortraitSource {
public:
    SGamePortraits(const SFaceTable& faces, const SMonsterTable& monsters) : m_faces(faces), m_monsters(monsters) {}

    const char* FacePictureName(const char* name) const override;
    // The base type's kind and its pictures as ResolvePictures found them.
    std::optional<SBaseTypePictures> FindBaseType(const char* name) const override;

private:
    const SFaceTable& m_faces;
    const SMonsterTable& m_monsters;
};
