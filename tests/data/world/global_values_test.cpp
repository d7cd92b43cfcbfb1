#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/world/global_table.h"
#include "support/record_bytes.h"

namespace global_values_test {

namespace {

void declare(SGlobalTable& table, const char* name, const SScriptValue& value) {
    auto global = std::make_unique<SGlobalVar>();
    global->m_name.Set(name);
    global->m_value = value;
    table.Add(std::move(global));
}

std::vector<uint8_t> savedValues() {
    SGlobalTable saved;
    declare(saved, "base_bridgeopen", SScriptValue(int32_t{1}));
    declare(saved, "base_innkeeper", SScriptValue("Maren"));
    declare(saved, "base_oldquest", SScriptValue(int32_t{-40}));
    return WrittenBytes([&](SArchive& a) { saved.SaveValues(a); });
}

TEST(GlobalValuesTest, valuesComeBackByNameAndAGlobalTheWorldDroppedIsPassedOver) {
    std::vector<uint8_t> bytes = savedValues();
    EXPECT_EQ(bytes[0], 16);
    EXPECT_EQ(bytes[2], 3);

    // The world no longer declares base_oldquest, and has a new global the save knows nothing of.
    SGlobalTable current;
    declare(current, "base_bridgeopen", SScriptValue());
    declare(current, "base_innkeeper", SScriptValue());
    declare(current, "base_newquest", SScriptValue(int32_t{9}));
    EXPECT_EQ(ReadBytes(bytes, [&](SArchive& a) { EXPECT_TRUE(current.LoadValues(a)); }), int(bytes.size()));
    EXPECT_EQ(current.Find("base_bridgeopen")->m_value.Number(), 1);
    EXPECT_STREQ(current.Find("base_bridgeopen")->m_value.Text(), "1");
    EXPECT_TRUE(current.Find("base_innkeeper")->m_value.IsText());
    EXPECT_STREQ(current.Find("base_innkeeper")->m_value.Text(), "Maren");
    EXPECT_EQ(current.Find("base_newquest")->m_value.Number(), 9);
    EXPECT_EQ(current.Find("base_oldquest"), nullptr);
    EXPECT_EQ(current.Count(), 3);
}

TEST(GlobalValuesTest, aCutRecordChangesNoValue) {
    std::vector<uint8_t> bytes = savedValues();
    for (size_t size = 0; size < bytes.size(); ++size) {
        SGlobalTable current;
        declare(current, "base_bridgeopen", SScriptValue(int32_t{7}));
        declare(current, "base_innkeeper", SScriptValue("Tobin"));
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
        bool loaded = true;
        ReadBytes(cut, [&](SArchive& a) { loaded = current.LoadValues(a); });
        EXPECT_FALSE(loaded) << "cut to " << size;
        EXPECT_EQ(current.Find("base_bridgeopen")->m_value.Number(), 7) << "cut to " << size;
        EXPECT_STREQ(current.Find("base_innkeeper")->m_value.Text(), "Tobin") << "cut to " << size;
    }
}

}  // namespace

}  // namespace global_values_test
