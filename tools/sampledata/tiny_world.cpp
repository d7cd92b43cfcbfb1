#include "tools/sampledata/tiny_world.h"

#include <cmath>
#include <sstream>

#include "engine/draw/picture.h"
#include "tools/sampledata/render_art.h"
#include "tools/sampledata/sky_panorama.h"
#include "tools/sampledata/sprite_art.h"

namespace {

std::vector<uint8_t> SolidRecord(uint16_t colour) {
    const std::vector<uint32_t> indices(256 * 256 / 4, 0);
    const uint16_t colours[4] = {colour, colour, colour, colour};
    return BuildPictureRecord(1, 256, 256, indices, colours);
}

std::vector<uint8_t> CoordinatesRecord() {
    std::vector<uint32_t> indices;
    std::vector<uint16_t> colours;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            indices.push_back(uint32_t(colours.size()));
            colours.push_back(MakeColor565(x * 16 + 8, y * 16 + 8, 128));
        }
    }
    return BuildPictureRecord(0, 16, 16, indices, colours);
}

std::vector<uint8_t> NamedRecord(const std::string& name, uint16_t fogColour) {
    for (const SRenderArtName& art : kRenderArts)
        if (art.name == name) return RenderArtPicture(art.art);
    for (const SSpriteArtName& art : kSpriteArts)
        if (art.name == name) return SpriteArtPicture(art.art);
    if (name == "sky") return SkyPanoramaRecord(fogColour);
    if (name == "coords") return CoordinatesRecord();
    if (name.rfind("solid-", 0) == 0 && name.size() == 10) {
        char* end = nullptr;
        const unsigned long colour = std::strtoul(name.c_str() + 6, &end, 16);
        if (*end == 0) return SolidRecord(uint16_t(colour));
    }
    return {};
}

int32_t Fixed16(double value) { return int32_t(std::lround(value * 65536)); }

}  // namespace

uint16_t STinyWorld::PictureSlot(const std::string& name) {
    if (auto found = m_slots.find(name); found != m_slots.end()) return found->second;
    const uint16_t slot = AddPicture(NamedRecord(name, m_view.m_fogColour));
    if (slot) m_slots[name] = slot;
    return slot;
}

uint16_t STinyWorld::AddPicture(std::vector<uint8_t> bytes) {
    if (bytes.empty()) return 0;
    auto entry = std::make_unique<SPictureEntry>();
    entry->record = std::make_unique<SPdbRecord>();
    entry->record->bytes = std::move(bytes);
    SReadError error;
    if (!entry->Bind(entry->record->bytes, 0, error)) return 0;
    if (m_pictures.empty()) m_pictures.push_back(nullptr);  // slot 0 is no picture
    m_pictures.push_back(std::move(entry));
    Bind();
    return uint16_t(m_pictures.size() - 1);
}

uint16_t STinyWorld::objectType(uint16_t kind, uint16_t picture, uint16_t ceiling) {
    if (m_objectTypes.empty()) m_objectTypes.push_back({});  // index 0 is no object
    SObjectTypeRecord record;
    record.m_kind = kind;
    record.m_pictures[0] = picture;
    record.m_pictures[2] = ceiling;
    m_objectTypes.push_back(record);
    return uint16_t(m_objectTypes.size() - 1);
}

bool STinyWorld::setting(const std::string& key, std::istringstream& values, std::string& error) {
    double a = 0, b = 0;
    std::string word;
    if (key == "sky" && values >> word) {
        m_view.m_flags = word == "on" ? SViewDescriptor::kSky : 0;
    } else if (key == "fog" && values >> a) {
        m_view.m_fogDistance = int32_t(std::lround(a * 336));
    } else if (key == "far" && values >> a) {
        m_view.m_farDistance = int32_t(std::lround(a * 336));
    } else if (key == "fogcolour" && values >> std::hex >> m_view.m_fogColour) {
    } else if (key == "light" && values >> m_light) {
    } else if (key == "position" && values >> a >> b) {
        m_view.m_positionX = Fixed16(a), m_view.m_positionY = Fixed16(b);
    } else if (key == "heading" && values >> a) {
        m_view.m_heading = Fixed16(a);
    } else if (key == "view" && values >> m_view.m_viewWidth >> m_view.m_viewHeight) {
        m_view.m_screenWidth = m_view.m_viewWidth, m_view.m_screenHeight = m_view.m_viewHeight;
    } else if (key == "ceiling" && values >> word) {
        if (!(m_view.m_skyPicture = PictureSlot(word))) return error = "no picture named " + word, false;
    } else if (std::string second; key == "markers" && values >> word >> second) {
        m_view.m_markerA = PictureSlot(word), m_view.m_markerB = PictureSlot(second);
        if (!m_view.m_markerA || !m_view.m_markerB) return error = "no marker pictures " + word + " " + second, false;
    } else {
        return error = "a setting that is not understood: " + key, false;
    }
    return true;
}

bool STinyWorld::legend(std::istringstream& values, std::string& error) {
    char symbol = 0;
    if (!(values >> symbol)) return error = "a legend line without a character", false;
    SLegend entry;
    entry.cell.m_light = entry.extra.m_light = m_light;
    SFloorRecord floor;
    bool hasFloor = false;
    std::string item;
    while (values >> item) {
        const size_t equals = item.find('=');
        const std::string key = item.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : item.substr(equals + 1);
        if (key == "pit") {
            floor.m_flags |= SFloorRecord::kSunken;
            continue;
        }
        if (key == "light" || key == "upperlight") {
            (key == "light" ? entry.cell.m_light : entry.extra.m_light) = uint16_t(std::stoi(value));
            continue;
        }
        if (const SKey object = objectKey(key, value, entry, error); object != SKey::NotAnObject) {
            if (object == SKey::Failed) return false;
            continue;
        }
        const uint16_t slot = PictureSlot(value);
        if (!slot) return error = "no picture named '" + value + "'", false;
        if (key == "floor")
            floor.m_pictures[0] = slot, hasFloor = true;
        else if (key == "blend")
            floor.m_pictures[1] = slot;
        else if (key == "third")
            floor.m_pictures[2] = slot;
        else if (key == "mask")
            floor.m_masks[0] = slot;
        else if (key == "mask2")
            floor.m_masks[1] = slot;
        else if (key == "wall")
            entry.cell.m_objectType = objectType(2, slot);
        else if (key == "overlay")
            entry.cell.m_objectType = objectType(6, slot);
        else if (key == "upper")
            entry.extra.m_objectType = objectType(2, slot);
        else if (key == "canopy")
            entry.extra.m_objectType = objectType(11, slot);
        else if (key == "vault" && entry.extra.m_objectType)
            m_objectTypes[entry.extra.m_objectType].m_pictures[2] = slot;
        else
            return error = "a legend key that is not understood: " + key, false;
    }
    if (hasFloor) {
        if (m_floors.empty()) m_floors.push_back({});
        m_floors.push_back(floor);
        entry.cell.m_floor = uint16_t(m_floors.size() - 1);
    }
    m_legend[symbol] = entry;
    return true;
}

bool STinyWorld::Load(std::string_view text, std::string& error) {
    std::istringstream lines{std::string(text)};
    std::string line;
    std::vector<std::string> rows;
    bool inGrid = false;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (inGrid) {
            if (!line.empty()) rows.push_back(line);
            continue;
        }
        if (line.empty() || line[0] == '#') continue;
        std::istringstream values(line);
        std::string key;
        values >> key;
        std::string what;
        const bool ok = key == "grid"   ? (inGrid = true)
                        : key == "cell" ? legend(values, what)
                                        : setting(key, values, what);
        if (!ok) return error = "line " + std::to_string(number) + ": " + what, false;
    }
    size_t width = 0;
    for (const std::string& row : rows) width = std::max(width, row.size());
    if (rows.empty() || width > 0xFFFF || rows.size() > 0xFFFF) return error = "no grid", false;
    m_cells.assign(width * rows.size(), SCellViewRecord{});
    m_extras.assign(width * rows.size(), SCellExtraRecord{});
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            auto found = m_legend.find(rows[y][x]);
            if (found == m_legend.end())
                return error = "grid row " + std::to_string(y) + ": '" + rows[y][x] + "' is not in the legend", false;
            m_cells[y * width + x] = found->second.cell;
            m_extras[y * width + x] = found->second.extra;
        }
    }
    m_view.m_gridWidth = uint16_t(width);
    m_view.m_gridHeight = uint16_t(rows.size());
    roofWalls();
    Bind();
    return true;
}

void STinyWorld::Bind() {
    m_view.m_cells = {m_cells.data(), uint32_t(m_cells.size())};
    m_view.m_cellExtras = {m_extras.data(), uint32_t(m_extras.size())};
    m_view.m_floors = {m_floors.data(), uint32_t(m_floors.size())};
    m_view.m_objectTypes = {m_objectTypes.data(), uint32_t(m_objectTypes.size())};
    m_view.m_sideOverlays = {m_sideOverlays.data(), uint32_t(m_sideOverlays.size())};
    m_view.m_itemStacks = {m_itemStacks.data(), uint32_t(m_itemStacks.size())};
    m_view.m_itemPiles = {m_itemPiles.data(), uint32_t(m_itemPiles.size())};
    m_view.m_pictures = {m_pictures.data(), uint32_t(m_pictures.size())};
    m_view.m_palettes = {m_palettes.data(), uint32_t(m_palettes.size())};
}

bool STinyWorld::Blocks(int x, int y) const {
    const SCellViewRecord* cell = m_view.Cell(x, y);
    if (!cell) return true;
    const SObjectTypeRecord* type = m_view.m_objectTypes.Find(cell->m_objectType);
    return type && (type->m_kind & 0xFF) == 2;
}
