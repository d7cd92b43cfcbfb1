#include "engine/draw/font.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "support/package_builder.h"
#include "support/picture_record.h"
#include "support/temp_folder.h"

namespace font_test {

namespace {

// A strip the font cannot use is refused with the file, the record and what is wrong with it.
struct StripCase {
    const char* name;
    std::vector<STestRecord> records;
    const char* what;
    std::optional<uint32_t> offset;
};

void PrintTo(const StripCase& c, std::ostream* out) { *out << c.name; }

class FontLoadTest : public TempFolderTest, public ::testing::WithParamInterface<StripCase> {};

TEST_P(FontLoadTest, anUnusableStripIsRefusedWithItsRecordNamed) {
    SFileFolder folder(Folder());
    ASSERT_TRUE(WriteTestPackage(folder, "Fonts", GetParam().records));
    SPdb fonts;
    fonts.Attach(folder);
    ASSERT_TRUE(fonts.Open("Fonts")) << fonts.Error().Message();

    SFont font;
    font.Init(3010, &fonts, {}, {}, 15);
    SReadError error;
    EXPECT_FALSE(font.Load(error));
    EXPECT_FALSE(font.HasStrip());
    EXPECT_EQ(error.file, PathOf("Fonts.pdb"));
    EXPECT_EQ(error.record, 3010);
    EXPECT_EQ(error.contents, "a font strip");
    EXPECT_EQ(error.offset, GetParam().offset);
    EXPECT_EQ(error.what, GetParam().what);
}

std::vector<uint8_t> formatThree() {
    std::vector<uint8_t> strip = PictureRecord(0, 2, 1, {0, 0}, {0});
    strip[0] = 3;
    return strip;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontLoadTest,
    ::testing::Values(StripCase{"missing", {{3011, PictureRecord(0, 1, 1, {0}, {0})}}, "missing", {}},
                      StripCase{"damaged", {{3010, formatThree()}}, "picture format 3 is not 0, 1 or 2", 0},
                      // The text loop draws one index per pixel only.
                      StripCase{"blocks",
                                {{3010, PictureRecord(1, 2, 2, {0}, {0, 0, 0, 0})}},
                                "not a one-index-per-pixel picture",
                                {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace font_test
