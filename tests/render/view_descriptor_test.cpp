#include "render/view_descriptor.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/draw/picture.h"
#include "engine/packages/resource_cache.h"
#include "engine/packages/resource_index.h"

namespace view_descriptor_test {

namespace {

// A resource-cache entry as loading leaves it: its record with the four-byte prefix, the picture
// or palette behind it.
std::unique_ptr<SPictureEntry> LoadedPicture(const std::vector<uint8_t>& picture) {
    auto entry = std::make_unique<SPictureEntry>();
    entry->record = std::make_unique<SPdbRecord>();
    entry->record->bytes.assign(kResourceRecordPrefix, 0);
    entry->record->bytes.insert(entry->record->bytes.end(), picture.begin(), picture.end());
    SReadError error;
    EXPECT_TRUE(entry->Bind(entry->record->bytes, kResourceRecordPrefix, error)) << error.Message();
    return entry;
}

std::unique_ptr<SPaletteEntry> LoadedPalette(const std::vector<uint16_t>& colours) {
    auto entry = std::make_unique<SPaletteEntry>();
    entry->record = std::make_unique<SPdbRecord>();
    entry->record->bytes.assign(kResourceRecordPrefix, 0);
    for (uint16_t colour : colours) {
        entry->record->bytes.push_back(uint8_t(colour));
        entry->record->bytes.push_back(uint8_t(colour >> 8));
    }
    entry->data = entry->record->Data() + kResourceRecordPrefix;
    return entry;
}

class ViewLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Slot 1: a 3x1 picture naming colours 0 to 2; slot 2 known but not loaded; slot 3 the last,
        // standing 4 texels below its bottom edge.
        pictures.push_back(nullptr);
        pictures.push_back(LoadedPicture(BuildPictureRecord(0, 3, 1, std::vector<uint32_t>{0, 1, 2},
                                                            std::vector<uint16_t>{0x0001, 0x0002, 0x0003})));
        pictures.push_back(std::make_unique<SPictureEntry>());
        pictures.push_back(
            LoadedPicture(BuildPictureRecord(0, 1, 1, std::vector<uint32_t>{0}, std::vector<uint16_t>{0x0004}, -4)));
        // Slot 1 covers slot 1's picture, slot 2 holds one colour too few, slot 3 is not loaded.
        palettes.push_back(nullptr);
        palettes.push_back(LoadedPalette({0xA000, 0xB000, 0xC000}));
        palettes.push_back(LoadedPalette({0xA000, 0xB000}));
        palettes.push_back(std::make_unique<SPaletteEntry>());
        view.m_pictures = {pictures.data(), uint32_t(pictures.size())};
        view.m_palettes = {palettes.data(), uint32_t(palettes.size())};
        view.m_floors = {floors, 3};
    }

    std::vector<std::unique_ptr<SPictureEntry>> pictures;
    std::vector<std::unique_ptr<SPaletteEntry>> palettes;
    SFloorRecord floors[3];
    SViewDescriptor view;
};

// Every builder reaches records and pictures through these: whatever does not fit draws nothing.
TEST_F(ViewLookupTest, aBadIndexSlotOrPaletteFindsNothing) {
    enum Kind { Floor, Picture };
    struct Row {
        const char* name;
        Kind kind;
        uint32_t index, palette;
        bool found;
        uint16_t lastTexel;  // the colour the found picture's last texel shows
    };
    const Row rows[] = {
        {"record index 0 means none", Floor, 0, 0, false, 0},
        {"the last record", Floor, 2, 0, true, 0},
        {"the record count", Floor, 3, 0, false, 0},
        {"past the record count", Floor, 70000, 0, false, 0},
        {"picture slot 0 means none", Picture, 0, 0, false, 0},
        {"a picture in its own colours", Picture, 1, 0, true, 0x0003},
        {"a picture with a palette that covers it", Picture, 1, 1, true, 0xC000},
        {"the last picture slot", Picture, 3, 0, true, 0x0004},
        {"the picture count", Picture, 4, 0, false, 0},
        {"past the picture count", Picture, 4000, 0, false, 0},
        {"a picture slot not loaded", Picture, 2, 0, false, 0},
        {"a palette shorter than the picture names", Picture, 1, 2, false, 0},
        {"a palette past the table", Picture, 1, 4, false, 0},
        // As 2-D drawing does, a palette whose record could not be read leaves the picture its own.
        {"a palette not loaded", Picture, 1, 3, true, 0x0003},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.kind == Floor) {
            const SFloorRecord* found = view.m_floors.Find(row.index);
            EXPECT_EQ(found, row.found ? &floors[row.index] : nullptr);
            continue;
        }
        const std::optional<SPicture> found = view.FindPicture(row.index, row.palette);
        ASSERT_EQ(found.has_value(), row.found);
        if (found) {
            EXPECT_EQ(found->Colour(found->Texels()[found->Width() - 1]), row.lastTexel);
        }
    }
}

// Floors read the decoded copy of a picture shown in its own colours, kept with the cache entry.
// A picture shown with a palette gets none: two palettes on one picture in a frame would make the
// copy again for every polygon.
TEST_F(ViewLookupTest, onlyAPictureInItsOwnColoursIsDecoded) {
    struct Row {
        const char* name;
        uint32_t index, palette;
        bool decoded;
    };
    const Row rows[] = {
        {"its own colours", 1, 0, true},
        {"a palette that covers it", 1, 1, false},
        {"a palette not loaded leaves its own colours", 1, 3, true},
        {"a palette past the table", 1, 4, false},
        {"a slot not loaded", 2, 0, false},
        {"past the picture count", 4, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SDecodedPicture* decoded = view.DecodedWithOwnColours(row.index, row.palette);
        ASSERT_EQ(decoded != nullptr, row.decoded);
        if (!decoded) continue;
        EXPECT_EQ(decoded, &pictures[row.index]->decoded);
        const std::vector<uint16_t> colours(decoded->Opaque().begin(), decoded->Opaque().end());
        EXPECT_EQ(colours, (std::vector<uint16_t>{0x0001, 0x0002, 0x0003}));
    }
}

// The foot offset comes with the picture: byte 1 of its record.
TEST_F(ViewLookupTest, aPictureBringsItsFootOffset) {
    EXPECT_EQ(view.FindPicture(3, 0)->FootOffset(), -4);
    EXPECT_EQ(view.FindPicture(1, 1)->FootOffset(), 0);
}

TEST_F(ViewLookupTest, aCellIsFoundOnlyInsideTheGridAndTheTable) {
    SCellViewRecord cells[6];  // a 3x2 grid
    view.m_cells = {cells, 6};
    view.m_gridWidth = 3;
    view.m_gridHeight = 2;
    EXPECT_EQ(view.Cell(0, 0), &cells[0]);
    EXPECT_EQ(view.Cell(2, 1), &cells[5]);
    for (auto [x, y] : {std::pair{-1, 0}, std::pair{3, 0}, std::pair{0, -1}, std::pair{0, 2}})
        EXPECT_EQ(view.Cell(x, y), nullptr) << x << ", " << y;
    // A grid that claims more cells than the table holds.
    view.m_gridHeight = 3;
    EXPECT_EQ(view.Cell(0, 2), nullptr);
    EXPECT_EQ(view.CellExtra(0, 0), nullptr) << "no extra records at all";
}

}  // namespace

}  // namespace view_descriptor_test
