// The tiny world's legend keys for what stands in a cell: objects, side entries, item piles, floor
// items and the free sprite slot, and the roofs over its walls.
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "render/wall_variants.h"
#include "tools/sampledata/tiny_world.h"

namespace {

// One picture of a value: its name and the numbers after '@'.
struct SPart {
    std::string name;
    std::vector<int> at;
};

bool Parse(const std::string& value, std::vector<SPart>& parts) {
    std::istringstream pieces(value);
    std::string piece;
    while (std::getline(pieces, piece, '+')) {
        SPart part;
        const size_t at = piece.find('@');
        part.name = piece.substr(0, at);
        if (at != std::string::npos) {
            std::istringstream numbers(piece.substr(at + 1));
            std::string number;
            while (std::getline(numbers, number, ',')) {
                char* end = nullptr;
                part.at.push_back(int(std::strtol(number.c_str(), &end, 10)));
                if (number.empty() || *end) return false;
            }
        }
        parts.push_back(part);
    }
    return !parts.empty();
}

uint16_t Fraction(double storeys) { return uint16_t(std::lround(std::clamp(storeys, 0.0, 0.99998) * 65536)); }

struct SCentreKind {
    const char* key;
    uint16_t kind;
};
constexpr SCentreKind kCentreKinds[] = {{"composite", 1}, {"hanging", 7}, {"door", 3},   {"turning", 4},
                                        {"group", 5},     {"panel", 9},   {"cross", 10}, {"crossy", 10 | 0x100},
                                        {"large", 12},    {"raised", 13}};

// Where a door's parts after the frame go: the leaf, the second leaf, the middle picture.
constexpr int kDoorPictures[] = {0, 2, 1};
constexpr int kDoorFrame = 3;

}  // namespace

STinyWorld::SKey STinyWorld::objectKey(const std::string& key, const std::string& value, SLegend& entry,
                                       std::string& error) {
    for (const SCentreKind& centre : kCentreKinds)
        if (key == centre.key) return centreObject(centre.kind, value, entry, error);
    SObjectTypeRecord* object = entry.cell.m_objectType ? &m_objectTypes[entry.cell.m_objectType] : nullptr;
    if (key == "height" || key == "opening" || key == "mode") {
        if (!object) return error = key + " before the cell's object", SKey::Failed;
        const double number = std::atof(value.c_str());
        if (key == "height") object->m_height = Fraction(number);
        if (key == "opening")
            object->m_kind = uint16_t((object->m_kind & 0x03FF) | (std::clamp(int(number), 0, 63) << 10));
        if (key == "mode") object->m_kind = uint16_t((object->m_kind & 0xFCFF) | ((int(number) & 3) << 8));
        return SKey::Done;
    }
    if (key == "upperpanel") {
        const uint16_t slot = PictureSlot(value);
        if (!slot) return error = "no picture named '" + value + "'", SKey::Failed;
        entry.extra.m_objectType = objectType(8, slot);
        return SKey::Done;
    }
    if (key == "roof") {
        const uint16_t wall = object ? entry.cell.m_objectType : entry.extra.m_objectType;
        const uint16_t slot = PictureSlot(value);
        if (!wall || (m_objectTypes[wall].m_kind & 0xFF) != 2 || !slot)
            return error = "a roof needs a wall before it and a picture", SKey::Failed;
        m_objectTypes[wall].m_pictures[1] = slot;
        return SKey::Done;
    }
    if (key == "items" || key == "sprite" || key == "pile") {
        std::vector<SPart> parts;
        if (!Parse(value, parts)) return error = "a value that is not understood: " + value, SKey::Failed;
        if (key == "items") {
            if (!(entry.cell.m_floorItemStack = itemStack(value, error))) return SKey::Failed;
            return SKey::Done;
        }
        const uint16_t slot = PictureSlot(parts[0].name);
        const std::vector<int>& at = parts[0].at;
        if (!slot || at.size() < 2) return error = key + " needs a picture and @x,y", SKey::Failed;
        if (key == "sprite") {
            SCellViewRecord& cell = entry.cell;
            cell.m_spritePicture = slot;
            cell.m_spriteX = uint16_t(at[0] << 6), cell.m_spriteY = uint16_t(at[1] << 6);
            cell.m_spriteHeight = Fraction(at.size() > 2 ? at[2] / 100.0 : 0);
            return SKey::Done;
        }
        const int free = !entry.cell.m_itemPiles[0] ? 0 : !entry.cell.m_itemPiles[1] ? 1 : -1;
        if (free < 0) return error = "more than two item piles", SKey::Failed;
        if (m_itemPiles.empty()) m_itemPiles.push_back({});
        SItemPileRecord pile;
        pile.m_picture = slot;
        pile.m_x = uint16_t(at[0] << 6), pile.m_y = uint16_t(at[1] << 6);
        m_itemPiles.push_back(pile);
        entry.cell.m_itemPiles[free] = uint16_t(m_itemPiles.size() - 1);
        entry.lastPile = int(m_itemPiles.size() - 1);
        return SKey::Done;
    }
    if (key == "marker" || key == "markerb" || key == "mirrored") {
        if (entry.lastPile < 0) return error = key + " before an item pile", SKey::Failed;
        SItemPileRecord& pile = m_itemPiles[size_t(entry.lastPile)];
        if (key == "marker") pile.m_markerPercent = uint16_t(std::atoi(value.c_str()));
        if (key == "markerb") pile.m_flags |= SItemPileRecord::kMarkerB;
        if (key == "mirrored") pile.m_flags |= SItemPileRecord::kMirrored;
        return SKey::Done;
    }
    return sideEntry(key, value, entry, error);
}

STinyWorld::SKey STinyWorld::centreObject(uint16_t kind, const std::string& value, SLegend& entry, std::string& error) {
    std::vector<SPart> parts;
    if (!Parse(value, parts) || parts.size() > 7)
        return error = "an object that is not understood: " + value, SKey::Failed;
    if (m_objectTypes.empty()) m_objectTypes.push_back({});
    SObjectTypeRecord record;
    record.m_kind = kind;
    const uint16_t primitive = kind & 0xFF;
    const bool door = primitive == 3, group = primitive == 5 || primitive == 13;
    if (door && parts.size() > 4) return error = "a door has a frame and up to three pictures", SKey::Failed;
    for (size_t i = 0; i < parts.size(); ++i) {
        const uint16_t slot = PictureSlot(parts[i].name);
        if (!slot) return error = "no picture named '" + parts[i].name + "'", SKey::Failed;
        const size_t word = door ? size_t(i == 0 ? kDoorFrame : kDoorPictures[i - 1]) : i;
        record.m_pictures[word] = slot;
        const std::vector<int>& at = parts[i].at;
        // Group pictures and main pictures stand at world units in the cell; the others are placed
        // in texels of the main picture or the door's frame.
        const bool inCell = group || (i == 0 && !door);
        const int x = at.size() >= 2 ? at[0] : inCell ? 512 : 0, y = at.size() >= 2 ? at[1] : inCell ? 512 : 0;
        record.m_x[word] = uint16_t(inCell ? x << 6 : x);
        record.m_y[word] = uint16_t(inCell ? y << 6 : y);
    }
    m_objectTypes.push_back(record);
    entry.cell.m_objectType = uint16_t(m_objectTypes.size() - 1);
    return SKey::Done;
}

STinyWorld::SKey STinyWorld::sideEntry(const std::string& key, const std::string& value, SLegend& entry,
                                       std::string& error) {
    const bool second = key == "second";
    if (key != "free" && key != "side" && key != "sign" && key != "shelf" && !second && key != "stack" &&
        key != "silhouette")
        return SKey::NotAnObject;
    if (!entry.cell.m_sideOverlay) {
        if (m_sideOverlays.empty()) m_sideOverlays.push_back({});
        m_sideOverlays.push_back({});
        entry.cell.m_sideOverlay = uint16_t(m_sideOverlays.size() - 1);
    }
    SSideOverlayRecord& record = m_sideOverlays[entry.cell.m_sideOverlay];
    if (key == "stack" || key == "silhouette") {
        if (entry.lastSideEntry < 0) return error = key + " before a side entry", SKey::Failed;
        uint16_t& word = record.m_itemStack[entry.lastSideEntry];
        if (key == "silhouette") return word |= SSideOverlayRecord::kSilhouette, SKey::Done;
        const uint16_t stack = itemStack(value, error);
        if (!stack) return SKey::Failed;
        word = uint16_t((word & SSideOverlayRecord::kSilhouette) | stack);
        return SKey::Done;
    }
    std::vector<SPart> parts;
    if (!Parse(value, parts) || parts.size() != 1 || parts[0].at.size() != 3)
        return error = key + " needs PICTURE@xstep,ystep,heightstep", SKey::Failed;
    const std::string name = parts[0].name;
    const size_t slash = name.find('/');
    const uint16_t slot = PictureSlot(name.substr(0, slash));
    const uint16_t oblique = slash == std::string::npos ? slot : PictureSlot(name.substr(slash + 1));
    if (!slot || !oblique) return error = "no picture named '" + name + "'", SKey::Failed;
    uint16_t packed = 0;
    for (int i = 0; i < 3; ++i) packed |= uint16_t(std::clamp(parts[0].at[size_t(i)], 1, 31) << (5 * i));
    uint16_t* pictures = second ? record.m_secondPicture : record.m_picture;
    int e = 0;
    while (e < 4 && pictures[e]) ++e;
    if (e == 4) return error = "more than four side entries", SKey::Failed;
    if (second) {
        record.m_secondPosition[e] = packed, record.m_secondPicture[e] = slot;
        return SKey::Done;
    }
    record.m_position[e] = uint16_t(packed | (key == "sign" ? SSideOverlayRecord::kProjecting : 0));
    record.m_picture[e] = slot;
    record.m_obliquePicture[e] = key == "free" ? 0 : oblique;
    entry.lastSideEntry = e;
    return SKey::Done;
}

uint16_t STinyWorld::itemStack(const std::string& value, std::string& error) {
    std::vector<SPart> parts;
    if (!Parse(value, parts) || parts.size() > 10) return error = "up to ten items: " + value, 0;
    SItemStackRecord stack;
    for (size_t k = 0; k < parts.size(); ++k) {
        // An empty name leaves the place empty.
        if (parts[k].name.empty()) continue;
        if (!(stack.m_pictures[k] = PictureSlot(parts[k].name)))
            return error = "no picture named '" + parts[k].name + "'", 0;
    }
    if (m_itemStacks.empty()) m_itemStacks.push_back({});
    m_itemStacks.push_back(stack);
    return uint16_t(m_itemStacks.size() - 1);
}

void STinyWorld::roofWalls() {
    const int width = m_view.m_gridWidth, height = m_view.m_gridHeight;
    std::map<std::pair<uint16_t, int>, uint16_t> variants;
    auto roofLayer = [&](auto objectTypeOf) {
        std::vector<uint16_t> walls(size_t(width) * size_t(height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) walls[size_t(y * width + x)] = objectTypeOf(x, y);
        auto sameWall = [&](int x, int y, uint16_t wall) {
            return x >= 0 && y >= 0 && x < width && y < height && walls[size_t(y * width + x)] == wall;
        };
        constexpr int kNeighbours[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint16_t wall = walls[size_t(y * width + x)];
                if (!wall || (m_objectTypes[wall].m_kind & 0xFF) != 2 || !m_objectTypes[wall].m_pictures[1]) continue;
                int mask = 0;
                for (int n = 0; n < 8; ++n)
                    if (sameWall(x + kNeighbours[n][0], y + kNeighbours[n][1], wall)) mask |= 1 << n;
                // A corner counts only with both sides beside it.
                for (int corner = 1; corner < 8; corner += 2) {
                    const int sides = 1 << (corner - 1) | 1 << ((corner + 1) % 8);
                    if ((mask & sides) != sides) mask &= ~(1 << corner);
                }
                const int variant = WallVariantOfMask(uint8_t(mask));
                auto [found, added] = variants.try_emplace({wall, variant}, uint16_t(m_objectTypes.size()));
                if (added) {
                    SObjectTypeRecord roofed = m_objectTypes[wall];
                    roofed.m_kind = uint16_t(2 | variant << 8);
                    m_objectTypes.push_back(roofed);
                }
                objectTypeOf(x, y) = found->second;
            }
        }
    };
    roofLayer([&](int x, int y) -> uint16_t& { return m_cells[size_t(y * width + x)].m_objectType; });
    roofLayer([&](int x, int y) -> uint16_t& { return m_extras[size_t(y * width + x)].m_objectType; });
}
