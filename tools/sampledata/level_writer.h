#pragma once
// The level writer: a map's level data (its header and its records) from a short text, so that the
// sample world and tests draw their maps instead of assembling bytes. Names of map-object types,
// palettes and monsters join the package's name indexes, which the records refer through.
//
// The text is read line by line; blank lines and lines starting with ';' are skipped. Numbers are
// decimal or 0x hexadecimal; TYPE/PALETTE gives a type with a palette, TYPE alone one without. Words
// are split at blanks, except inside double quotes: text-a="Mind the step" is one part.
//
//   surface                     a 21 x 21 section of the surface (flag 0x80), with a cell index
//   flags N | fog N | view N    the map's flags, fog colour and view distance
//   floor TYPE[/PALETTE]        the map's own floor; `ceiling` likewise
//   cell C PART...              the cell that the character C stands for in the rows:
//       floor= floor-overlay= ceiling= ceiling-overlay= centre= centre-id= centre-extra= upper=
//       wall-D= wall-D-id= decoration-D= for the sides D = n, e, s, w (0 to 3);
//       with "shadow-" before floor=, centre=, centre-id=, upper= and the side parts, the
//       companion cell's parts
//   cells LEFT TOP              the rows of the stored cells follow, one character a cell, up to
//   end
//   object ID NAME [state= flags= container= a= b= text-a= text-b=]
//   creature MONSTER X Y [id= state= owner= container= hp=]   ids count on from 1 when not given
//   container ID X Y [flags= loot=RULE,RULE...]   X 255 lies nowhere; a RULE is an item type or
//       "levelN" (any item of level N), then *COUNT rolls and %CHANCE per roll when not 1 and 100
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/items/item_type_names.h"
#include "data/maps/level_records.h"
#include "data/maps/map_header.h"
#include "data/package/module_load_order.h"

// A package's name indexes as the writer fills them: each name once, 1-based in order.
using SSampleNames = std::map<SNameIndex, std::vector<std::string>>;

// A package's item-type names as its writers fill them (the level writer's containers, the monsters'
// loot); the writers read none back.
class SWrittenItemNames : public SItemTypeNames {
public:
    explicit SWrittenItemNames(SSampleNames& names) : m_names(names[SNameIndex::ItemTypes]) {}

    uint16_t InternItemType(const char* name) override;
    SItemType* GetItemType(uint16_t) const override { return nullptr; }

private:
    std::vector<std::string>& m_names;
};

struct SWrittenLevel {
    SMapHeader header;  // its name and title are the caller's to set
    // By offset from the cells record (kCellIndexRecordOffset ...); the cell index is empty for a
    // map below ground, which has none.
    std::vector<uint8_t> records[kLevelRecordCount];
};

// Writes the level described by `text` at data version `version`, adding the names it uses to
// `names`. False, with the line and what is wrong in `error`, for a text it cannot read.
bool WriteLevel(const std::string& text, int version, SSampleNames& names, SWrittenLevel& level, std::string& error);
