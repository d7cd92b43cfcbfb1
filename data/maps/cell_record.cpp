#include "data/maps/cell_record.h"

#include "data/maps/map_cell.h"
#include "engine/base/archive.h"

namespace {

// Palettes became optional, each with its own flag, in data version 34; the centre's extra byte
// came with version 43.
constexpr int kOptionalPalettesFrom = 34;
constexpr int kCentreExtraFrom = 43;

void serializeSides(SArchive& archive, uint16_t flags, SCellSideRecord (&sides)[4]) {
    for (int s = 0; s < 4; ++s) {
        if (!(flags & (SCellRecord::kWall << s))) continue;
        archive.SerializeU16(sides[s].wallType);
        archive.SerializeU16(sides[s].wallPalette);
        archive.SerializeU8(sides[s].objectId);
    }
    for (int s = 0; s < 4; ++s) {
        if (!(flags & (SCellRecord::kDecoration << s))) continue;
        archive.SerializeU16(sides[s].decorationType);
        archive.SerializeU16(sides[s].decorationPalette);
    }
}

bool hasPalette(uint16_t flags, uint16_t paletteFlag, int version) {
    return (flags & paletteFlag) || version < kOptionalPalettesFrom;
}

// Looks indexes up, keeping the first that is past its name index.
class SResolver {
public:
    SResolver(const SCellIndexes& indexes, std::string& fault) : m_indexes(indexes), m_fault(fault) {}

    SMapObjectType* Type(uint16_t index) { return pick(m_indexes.types, index, "map-object type"); }
    SPaletteEntry* Palette(uint16_t index) { return pick(m_indexes.palettes, index, "palette"); }
    void Side(const SCellSideRecord& record, SMapCellSide& side) {
        side.wallType = Type(record.wallType);
        side.wallPalette = Palette(record.wallPalette);
        side.objectId = record.objectId;
        side.decorationType = Type(record.decorationType);
        side.decorationPalette = Palette(record.decorationPalette);
    }
    bool Failed() const { return !m_fault.empty(); }

private:
    template <typename T>
    T* pick(const std::vector<T*>& index, uint16_t i, const char* what) {
        if (i < index.size()) return index[i];
        if (m_fault.empty())
            m_fault = std::string("a cell names ") + what + " name " + std::to_string(i) + " of " +
                      std::to_string(index.size() - 1);
        return nullptr;
    }

    const SCellIndexes& m_indexes;
    std::string& m_fault;
};

}  // namespace

void SCompanionRecord::Serialize(SArchive& archive, int version) {
    archive.SerializeU16(flags);
    if (flags & SCellRecord::kFloor) {
        archive.SerializeU16(floorType);
        if (hasPalette(flags, SCellRecord::kFloorPalette, version)) archive.SerializeU16(floorPalette);
    }
    if (flags & SCellRecord::kCentre) {
        archive.SerializeU16(centreType);
        if (hasPalette(flags, SCellRecord::kCentrePalette, version)) archive.SerializeU16(centrePalette);
        archive.SerializeU8(centreId);
    }
    if (flags & SCellRecord::kUpper) {
        archive.SerializeU16(upperType);
        if (flags & kUpperPalette) archive.SerializeU16(upperPalette);
    }
    serializeSides(archive, flags, sides);
    archive.Align(2);
}

void SCellRecord::Serialize(SArchive& archive, int version) {
    archive.SerializeU16(flags);
    if (flags & kFloor) {
        archive.SerializeU16(floorType);
        if (hasPalette(flags, kFloorPalette, version)) archive.SerializeU16(floorPalette);
        archive.SerializeU16(floorOverlay);
    }
    if (flags & kCeiling) {
        archive.SerializeU16(ceilingType);
        if (hasPalette(flags, kCeilingPalette, version)) archive.SerializeU16(ceilingPalette);
        archive.SerializeU16(ceilingOverlay);
    }
    if (flags & kCentre) {
        archive.SerializeU16(centreType);
        if (hasPalette(flags, kCentrePalette, version)) archive.SerializeU16(centrePalette);
        archive.SerializeU8(centreId);
        if (version >= kCentreExtraFrom) archive.SerializeU8(centreExtra);
    }
    if (flags & kUpper) {
        archive.SerializeU16(upperType);
        archive.SerializeU16(upperPalette);
    }
    serializeSides(archive, flags, sides);
    archive.Align(2);
    if (flags & kCompanion) companion.Serialize(archive, version);
}

bool SCellIndexes::Resolve(const SCellRecord& record, SMapCell& cell, SMapCellShadow& shadow,
                           std::string& fault) const {
    SResolver resolve(*this, fault);
    cell = {};
    cell.floorType = resolve.Type(record.floorType);
    cell.floorPalette = resolve.Palette(record.floorPalette);
    cell.floorOverlay = resolve.Type(record.floorOverlay);
    cell.ceilingType = resolve.Type(record.ceilingType);
    cell.ceilingPalette = resolve.Palette(record.ceilingPalette);
    cell.ceilingOverlay = resolve.Type(record.ceilingOverlay);
    cell.centreType = resolve.Type(record.centreType);
    cell.centrePalette = resolve.Palette(record.centrePalette);
    cell.centreId = record.centreId;
    cell.centreExtra = record.centreExtra;
    cell.upperType = resolve.Type(record.upperType);
    cell.upperPalette = resolve.Palette(record.upperPalette);
    for (int s = 0; s < 4; ++s) resolve.Side(record.sides[s], cell.sides[s]);

    shadow = {};
    if (record.flags & SCellRecord::kCompanion) {
        const SCompanionRecord& companion = record.companion;
        shadow.floorType = resolve.Type(companion.floorType);
        shadow.floorPalette = resolve.Palette(companion.floorPalette);
        shadow.centreType = resolve.Type(companion.centreType);
        shadow.centrePalette = resolve.Palette(companion.centrePalette);
        shadow.centreId = companion.centreId;
        shadow.upperType = resolve.Type(companion.upperType);
        shadow.upperPalette = resolve.Palette(companion.upperPalette);
        for (int s = 0; s < 4; ++s) resolve.Side(companion.sides[s], shadow.sides[s]);
    }
    if (!resolve.Failed()) return true;
    cell = {};
    shadow = {};
    return false;
}
