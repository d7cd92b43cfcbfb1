#include "screens/play/watched_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "render/view_descriptor.h"

namespace watched_table_test {

namespace {

using Table = SWatchedTable<SCellViewRecord>;

struct Case {
    std::string name;
    std::function<void(Table&)> between;  // what happens between two takes
    bool changed;
};

// The second take after a first that found the table as built: what happened in between decides.
TEST(WatchedTableTest, onlyARecordWrittenDifferentlySinceTheLastTakeCountsAsAChange) {
    const Case cases[] = {
        {"nothing written", [](Table&) {}, false},
        {"only read", [](Table& t) { EXPECT_EQ(std::as_const(t)[3].m_light, 0); }, false},
        {"written back as it was", [](Table& t) { t.Write(3).m_light = t[3].m_light; }, false},
        {"a field changed", [](Table& t) { t.Write(3).m_light = 7; }, true},
        {"the last record changed", [](Table& t) { t.Write(t.size() - 1).m_floor = 1; }, true},
        {"changed and changed back",
         [](Table& t) {
             t.Write(3).m_light = 7;
             t.Write(3).m_light = 0;
         },
         false},
        {"changed through a reference kept from the first write",
         [](Table& t) {
             SCellViewRecord& record = t.Write(3);
             t.Write(4);
             record.m_objectType = 2;
         },
         true},
        {"the whole table handed out", [](Table& t) { t.WriteAll(); }, true},
    };
    for (const Case& c : cases) {
        Table table(9);
        EXPECT_TRUE(table.TakeChange()) << c.name << ": a table never taken has not been drawn";
        c.between(table);
        EXPECT_EQ(table.TakeChange(), c.changed) << c.name;
        EXPECT_FALSE(table.TakeChange()) << c.name << ": a change is taken once";
    }
}

// A record written after a take is watched again, from what it held at that take.
TEST(WatchedTableTest, aRecordWatchedBeforeATakeIsWatchedAfreshAfterIt) {
    Table table(4);
    table.TakeChange();
    table.Write(1).m_light = 5;
    EXPECT_TRUE(table.TakeChange());
    table.Write(1).m_light = 5;
    EXPECT_FALSE(table.TakeChange()) << "5 is what the record held at the last take";
    table.Write(1).m_light = 6;
    EXPECT_TRUE(table.TakeChange());
}

}  // namespace

}  // namespace watched_table_test
