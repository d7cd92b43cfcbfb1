#include "tools/sampledata/level_writer.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

#include "data/items/item_list.h"
#include "data/maps/cell_record.h"
#include "engine/base/archive.h"

namespace {

// A line the writer cannot read; the reader adds the line number.
struct SLevelError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr char kSides[] = "nesw";

uint32_t number(const std::string& text, uint32_t most) {
    size_t used = 0;
    unsigned long value = 0;
    try {
        value = std::stoul(text, &used, 0);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value > most)
        throw SLevelError("\"" + text + "\" is no number up to " + std::to_string(most));
    return uint32_t(value);
}

uint8_t byteOf(const std::string& text) { return uint8_t(number(text, 255)); }
uint16_t wordOf(const std::string& text) { return uint16_t(number(text, 65535)); }

// The 1-based place of the name in a name index, which gets it at its end when it lacks it.
uint16_t internName(std::vector<std::string>& names, const std::string& name) {
    auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) found = names.insert(names.end(), name);
    return uint16_t(found - names.begin() + 1);
}

// "key=value" parts after the first `fixed` words of a line.
std::map<std::string, std::string> partsOf(const std::vector<std::string>& words, size_t fixed) {
    std::map<std::string, std::string> parts;
    for (size_t i = fixed; i < words.size(); ++i) {
        const size_t equals = words[i].find('=');
        if (equals == std::string::npos) throw SLevelError("\"" + words[i] + "\" is no part=value");
        parts[words[i].substr(0, equals)] = words[i].substr(equals + 1);
    }
    return parts;
}

// "TYPE" or "levelN", then "*COUNT" and "%CHANCE" when given.
std::unique_ptr<SLootRule> lootRule(const std::string& text) {
    auto rule = std::make_unique<SLootRule>();
    const size_t chance = text.find('%');
    if (chance != std::string::npos) rule->m_chance = byteOf(text.substr(chance + 1));
    const std::string head = text.substr(0, chance);
    const size_t count = head.find('*');
    if (count != std::string::npos) rule->m_count = byteOf(head.substr(count + 1));
    const std::string what = head.substr(0, count);
    if (what.rfind("level", 0) == 0)
        rule->m_level = byteOf(what.substr(5));
    else
        rule->m_itemType.Assign(what.c_str());
    return rule;
}

class SLevelText {
public:
    SLevelText(int version, SSampleNames& names) : m_version(version), m_names(names), m_itemNames(names) {}

    void ReadLine(const std::vector<std::string>& words) {
        if (m_rows) {
            if (words.size() == 1 && words[0] == "end")
                m_rows = false;
            else
                m_cellRows.push_back(words[0]);
            return;
        }
        const std::string& what = words[0];
        if (what == "surface") {
            m_header.flags |= SMapHeader::kSurface;
        } else if (what == "flags") {
            m_header.flags = wordOf(argument(words, 1));
        } else if (what == "fog") {
            m_header.fogColour = wordOf(argument(words, 1));
        } else if (what == "view") {
            m_header.viewDistance = byteOf(argument(words, 1));
        } else if (what == "floor") {
            typeAndPalette(argument(words, 1), m_header.floorType, &m_header.floorPalette);
        } else if (what == "ceiling") {
            typeAndPalette(argument(words, 1), m_header.ceilingType, &m_header.ceilingPalette);
        } else if (what == "cell") {
            readCell(words);
        } else if (what == "cells") {
            m_header.storedLeft = byteOf(argument(words, 1));
            m_header.storedTop = byteOf(argument(words, 2));
            m_rows = true;
        } else if (what == "object") {
            readObject(words);
        } else if (what == "creature") {
            readCreature(words);
        } else if (what == "container") {
            readContainer(words);
        } else {
            throw SLevelError("\"" + what + "\" is nothing a level holds");
        }
    }

    void Finish(SWrittenLevel& level) {
        if (m_rows) throw SLevelError("the cells have no end");
        const size_t width = m_cellRows.empty() ? 0 : m_cellRows[0].size();
        for (const std::string& row : m_cellRows)
            if (row.size() != width) throw SLevelError("the rows of the cells differ in length");
        m_header.storedWidth = uint8_t(std::min<size_t>(width, 255));
        m_header.storedHeight = uint8_t(std::min<size_t>(m_cellRows.size(), 255));
        level.header = m_header;
        writeCells(level);
        writeObjects(level);
        writeCreatures(level);
        writeContainers(level);
    }

private:
    static const std::string& argument(const std::vector<std::string>& words, size_t i) {
        if (i >= words.size()) throw SLevelError("\"" + words[0] + "\" wants more");
        return words[i];
    }

    uint16_t intern(SNameIndex index, const std::string& name) { return internName(m_names[index], name); }

    // "TYPE" or "TYPE/PALETTE"; answers whether a palette was given.
    bool typeAndPalette(const std::string& text, uint16_t& type, uint16_t* palette) {
        const size_t slash = text.find('/');
        type = intern(SNameIndex::MapObjectTypes, text.substr(0, slash));
        if (slash == std::string::npos) return false;
        if (palette == nullptr) throw SLevelError("\"" + text + "\" has a palette where none goes");
        *palette = intern(SNameIndex::Palettes, text.substr(slash + 1));
        return true;
    }

    // The side parts "wall-D", "wall-D-id" and "decoration-D" of a cell or its companion; false
    // for a key that is none of them.
    bool readSidePart(const std::string& key, const std::string& value, uint16_t& flags, SCellSideRecord (&sides)[4]) {
        for (int s = 0; s < 4; ++s) {
            const std::string side(1, kSides[s]);
            if (key == "wall-" + side)
                typeAndPalette(value, sides[s].wallType, &sides[s].wallPalette);
            else if (key == "wall-" + side + "-id")
                sides[s].objectId = byteOf(value);
            else if (key == "decoration-" + side)
                typeAndPalette(value, sides[s].decorationType, &sides[s].decorationPalette);
            else
                continue;
            flags |= uint16_t((key[0] == 'w' ? SCellRecord::kWall : SCellRecord::kDecoration) << s);
            return true;
        }
        return false;
    }

    void readCompanionPart(const std::string& key, const std::string& value, SCompanionRecord& companion) {
        uint16_t& flags = companion.flags;
        if (key == "floor") {
            flags |= SCellRecord::kFloor;
            if (typeAndPalette(value, companion.floorType, &companion.floorPalette))
                flags |= SCellRecord::kFloorPalette;
        } else if (key == "centre") {
            flags |= SCellRecord::kCentre;
            if (typeAndPalette(value, companion.centreType, &companion.centrePalette))
                flags |= SCellRecord::kCentrePalette;
        } else if (key == "centre-id") {
            flags |= SCellRecord::kCentre;
            companion.centreId = byteOf(value);
        } else if (key == "upper") {
            flags |= SCellRecord::kUpper;
            if (typeAndPalette(value, companion.upperType, &companion.upperPalette))
                flags |= SCompanionRecord::kUpperPalette;
        } else if (!readSidePart(key, value, flags, companion.sides)) {
            throw SLevelError("\"shadow-" + key + "\" is no part of a companion cell");
        }
    }

    void readCell(const std::vector<std::string>& words) {
        const std::string& legend = argument(words, 1);
        if (legend.size() != 1) throw SLevelError("\"" + legend + "\" is not one character");
        SCellRecord cell;
        uint16_t& flags = cell.flags;
        for (const auto& [key, value] : partsOf(words, 2)) {
            if (key.rfind("shadow-", 0) == 0) {
                flags |= SCellRecord::kCompanion;
                readCompanionPart(key.substr(7), value, cell.companion);
            } else if (key == "floor") {
                flags |= SCellRecord::kFloor;
                if (typeAndPalette(value, cell.floorType, &cell.floorPalette)) flags |= SCellRecord::kFloorPalette;
            } else if (key == "floor-overlay") {
                flags |= SCellRecord::kFloor;
                typeAndPalette(value, cell.floorOverlay, nullptr);
            } else if (key == "ceiling") {
                flags |= SCellRecord::kCeiling;
                if (typeAndPalette(value, cell.ceilingType, &cell.ceilingPalette))
                    flags |= SCellRecord::kCeilingPalette;
            } else if (key == "ceiling-overlay") {
                flags |= SCellRecord::kCeiling;
                typeAndPalette(value, cell.ceilingOverlay, nullptr);
            } else if (key == "centre") {
                flags |= SCellRecord::kCentre;
                if (typeAndPalette(value, cell.centreType, &cell.centrePalette)) flags |= SCellRecord::kCentrePalette;
            } else if (key == "centre-id") {
                flags |= SCellRecord::kCentre;
                cell.centreId = byteOf(value);
            } else if (key == "centre-extra") {
                flags |= SCellRecord::kCentre;
                cell.centreExtra = byteOf(value);
            } else if (key == "upper") {
                flags |= SCellRecord::kUpper;
                typeAndPalette(value, cell.upperType, &cell.upperPalette);
            } else if (!readSidePart(key, value, flags, cell.sides)) {
                throw SLevelError("\"" + key + "\" is no part of a cell");
            }
        }
        // Maps are put together from the legends of several places; a letter two of them take
        // would silently turn one place's cells into the other's.
        if (!m_legend.emplace(legend[0], cell).second) throw SLevelError("'" + legend + "' stands for two cells");
    }

    void readObject(const std::vector<std::string>& words) {
        auto object = std::make_unique<SPlacedObject>();
        object->id = byteOf(argument(words, 1));
        object->name.Set(argument(words, 2).c_str());
        for (const auto& [key, value] : partsOf(words, 3)) {
            if (key == "state")
                object->state = wordOf(value);
            else if (key == "flags")
                object->flags = byteOf(value);
            else if (key == "container")
                object->containerId = byteOf(value);
            else if (key == "a")
                object->byteA = byteOf(value);
            else if (key == "b")
                object->byteB = byteOf(value);
            else if (key == "text-a")
                object->textA.Assign(value.c_str());
            else if (key == "text-b")
                object->textB.Assign(value.c_str());
            else
                throw SLevelError("\"" + key + "\" is no part of an object");
        }
        m_objectIds = std::max(m_objectIds, object->id);
        m_objects.Add(object.release(), ListOrder::Sorted);
    }

    void readCreature(const std::vector<std::string>& words) {
        SLevelCreature level;
        level.monsterName = intern(SNameIndex::Monsters, argument(words, 1));
        SCreature& creature = level.creature;
        creature.x = byteOf(argument(words, 2));
        creature.y = byteOf(argument(words, 3));
        creature.id = uint8_t(m_creatures.creatures.size() + 1);
        for (const auto& [key, value] : partsOf(words, 4)) {
            if (key == "id")
                creature.id = byteOf(value);
            else if (key == "state")
                creature.state = byteOf(value);
            else if (key == "owner")
                creature.ownerId = byteOf(value);
            else if (key == "container")
                creature.containerId = byteOf(value);
            else if (key == "hp")
                creature.hp = int16_t(number(value, INT16_MAX));
            else
                throw SLevelError("\"" + key + "\" is no part of a creature");
        }
        m_creatures.idCounter = uint8_t(std::max<int>(m_creatures.idCounter, std::min(creature.id + 1, 255)));
        m_creatures.creatures.push_back(level);
    }

    void readContainer(const std::vector<std::string>& words) {
        auto container = std::make_unique<SItemList>();
        container->m_id = byteOf(argument(words, 1));
        container->m_x = byteOf(argument(words, 2));
        container->m_y = byteOf(argument(words, 3));
        for (const auto& [key, value] : partsOf(words, 4)) {
            if (key == "flags") {
                container->m_flags = byteOf(value);
            } else if (key == "loot") {
                std::istringstream rules(value);
                for (std::string rule; std::getline(rules, rule, ',');)
                    container->m_rules.Add(lootRule(rule).release(), ListOrder::Appended);
            } else {
                throw SLevelError("\"" + key + "\" is no part of a container");
            }
        }
        m_containerIds = uint8_t(std::max<int>(m_containerIds, std::min(container->m_id + 1, 255)));
        m_containers.Add(container.release(), ListOrder::Appended);
    }

    void writeCells(SWrittenLevel& level) {
        SArchive archive;
        archive.OpenWrite();
        archive.SerializeTag(kCellsRecordTag);
        SCellIndexRecord index;
        for (const std::string& row : m_cellRows) {
            for (char c : row) {
                auto found = m_legend.find(c);
                if (found == m_legend.end()) throw SLevelError(std::string("no cell stands for '") + c + "'");
                index.offsets.push_back(uint16_t(archive.GetSize()));
                found->second.Serialize(archive, m_version);
            }
        }
        level.records[0].assign(archive.Data(), archive.Data() + archive.GetSize());
        if (!(m_header.flags & SMapHeader::kSurface)) return;
        archive.Rewind();
        index.Serialize(archive, uint32_t(index.offsets.size()));
        level.records[kCellIndexRecordOffset].assign(archive.Data(), archive.Data() + archive.GetSize());
    }

    void writeObjects(SWrittenLevel& level) {
        SArchive archive;
        archive.OpenWrite();
        SerializeObjectsRecord(archive, m_version, m_objectIds, m_objects);
        level.records[kObjectsRecordOffset].assign(archive.Data(), archive.Data() + archive.GetSize());
    }

    void writeCreatures(SWrittenLevel& level) {
        SArchive archive;
        archive.OpenWrite();
        m_creatures.Serialize(archive, m_version);
        level.records[kCreaturesRecordOffset].assign(archive.Data(), archive.Data() + archive.GetSize());
    }

    void writeContainers(SWrittenLevel& level) {
        SArchive archive;
        archive.OpenWrite();
        uint16_t count = m_containers.Count();
        archive.SerializeU16(count);
        archive.SerializeU8(m_containerIds);
        for (int i = 0; i < m_containers.Count(); ++i) m_containers[i]->Serialize(archive, m_version, m_itemNames);
        level.records[kContainersRecordOffset].assign(archive.Data(), archive.Data() + archive.GetSize());
    }

    int m_version;
    SSampleNames& m_names;
    SMapHeader m_header;
    std::map<char, SCellRecord> m_legend;
    std::vector<std::string> m_cellRows;
    bool m_rows = false;
    SPtrArray<SPlacedObject> m_objects{10};
    uint8_t m_objectIds = 0;
    SCreaturesRecord m_creatures;
    SWrittenItemNames m_itemNames;
    SPtrArray<SItemList> m_containers{4};
    uint8_t m_containerIds = 1;
};

// The line's words, split at blanks outside double quotes; the quotes themselves are dropped.
std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && std::isspace(static_cast<unsigned char>(c))) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) throw SLevelError("a quote has no end");
    if (inWord) words.push_back(word);
    return words;
}

}  // namespace

uint16_t SWrittenItemNames::InternItemType(const char* name) { return internName(m_names, name); }

bool WriteLevel(const std::string& text, int version, SSampleNames& names, SWrittenLevel& level, std::string& error) {
    SLevelText reader(version, names);
    std::istringstream lines(text);
    int number = 0;
    try {
        for (std::string line; std::getline(lines, line);) {
            ++number;
            const size_t first = line.find_first_not_of(" \t\r");
            if (first == std::string::npos || line[first] == ';') continue;
            reader.ReadLine(wordsOf(line));
        }
        number = 0;
        reader.Finish(level);
    } catch (const SLevelError& fault) {
        error = (number ? "line " + std::to_string(number) + ": " : std::string()) + fault.what();
        return false;
    }
    return true;
}
