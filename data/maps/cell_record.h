#pragma once
// SCellRecord: one cell as a map's cell record stores it: flags that say which parts follow, and
// each part's map-object type and palette as 1-based indexes into the package's name indexes (0:
// none). Both ways; the map resolves the indexes into an SMapCell and its companion.
#include <cstdint>
#include <string>
#include <vector>

class SArchive;
class SMapObjectType;
struct SMapCell;
struct SMapCellShadow;
struct SPaletteEntry;

struct SCellSideRecord {
    uint16_t wallType = 0;
    uint16_t wallPalette = 0;
    uint8_t objectId = 0;
    uint16_t decorationType = 0;
    uint16_t decorationPalette = 0;
};

// The companion cell: its own flags with the main cell's meanings, but no ceiling, no overlay and no
// extra byte; its upper part has a palette only with kUpperPalette, for a companion has no
// companion of its own.
struct SCompanionRecord {
    static constexpr uint16_t kUpperPalette = 0x8000;

    uint16_t flags = 0;
    uint16_t floorType = 0;
    uint16_t floorPalette = 0;
    uint16_t centreType = 0;
    uint16_t centrePalette = 0;
    uint8_t centreId = 0;
    uint16_t upperType = 0;
    uint16_t upperPalette = 0;
    SCellSideRecord sides[4];

    void Serialize(SArchive& archive, int version);
};

struct SCellRecord {
    static constexpr uint16_t kFloor = 0x0001;
    static constexpr uint16_t kCeiling = 0x0002;
    static constexpr uint16_t kCentre = 0x0004;
    static constexpr uint16_t kUpper = 0x0008;
    static constexpr uint16_t kWall = 0x0010;        // << side
    static constexpr uint16_t kDecoration = 0x0100;  // << side
    // From data version 34 the floor, ceiling and centre have palettes only with these; before it
    // they always have.
    static constexpr uint16_t kFloorPalette = 0x1000;
    static constexpr uint16_t kCeilingPalette = 0x2000;
    static constexpr uint16_t kCentrePalette = 0x4000;
    static constexpr uint16_t kCompanion = 0x8000;

    uint16_t flags = 0;  // 0: an empty cell
    uint16_t floorType = 0;
    uint16_t floorPalette = 0;
    uint16_t floorOverlay = 0;
    uint16_t ceilingType = 0;
    uint16_t ceilingPalette = 0;
    uint16_t ceilingOverlay = 0;
    uint16_t centreType = 0;
    uint16_t centrePalette = 0;
    uint8_t centreId = 0;
    uint8_t centreExtra = 0;  // from data version 43
    uint16_t upperType = 0;
    uint16_t upperPalette = 0;
    SCellSideRecord sides[4];
    SCompanionRecord companion;  // with kCompanion

    // The aligned flags and the parts they announce, then the companion; ends aligned to 2.
    void Serialize(SArchive& archive, int version);
};

// The package's name indexes that cell records refer through (entry 0 is none).
struct SCellIndexes {
    const std::vector<SMapObjectType*>& types;
    const std::vector<SPaletteEntry*>& palettes;

    // The cell and its companion as the record describes them. False, with what is wrong, for an
    // index past its name index; the cells are then cleared.
    bool Resolve(const SCellRecord& record, SMapCell& cell, SMapCellShadow& shadow, std::string& fault) const;
};
