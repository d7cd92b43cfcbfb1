#include "game/script/script_command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace script_command_table_test {

namespace {

TEST(ScriptCommandTable, everyIdFindsItsOwnRowAndIdsOutsideFindNone) {
    std::set<std::string> names;
    for (uint32_t id = kFirstScriptCommand; id <= kLastScriptCommand; ++id) {
        const SScriptCommandDef* command = FindScriptCommand(id);
        ASSERT_NE(command, nullptr) << id;
        EXPECT_EQ(command->id, id);
        EXPECT_TRUE(names.insert(command->name).second) << command->name << " twice";
        EXPECT_NE(command->kinds, 0u) << command->name;
    }
    for (uint32_t id : {0u, 99u, 255u, 1000u}) EXPECT_EQ(FindScriptCommand(id), nullptr) << id;
}

TEST(ScriptCommandTable, rowsKeepTheirNamesCountsAndKinds) {
    const struct {
        uint32_t id;
        const char* name;
        uint32_t arguments;
        uint32_t kinds;
    } rows[] = {
        {100, "getglobal", 1, kCommandGlobal},
        {110, "setvisible", 0, kCommandMapObject | kCommandCreature},
        {126, "isdead", 0, kCommandCreature},
        {139, "receiveitem", 2, kCommandMapObject | kCommandCreature | kCommandPlayer},
        {162, "move", 1, kCommandCreature | kCommandPlayer},
        {190, "setmapfog", 3, kCommandGlobal},
        {220, "playcard", 1, kCommandGlobal},
        {229, "default", 0, kCommandGlobal},
        {239, "isparalyzed", 0, kCommandCreature | kCommandPlayer},
        {254, "movebyship", 2, kCommandPlayer},
    };
    for (const auto& row : rows) {
        const SScriptCommandDef* command = FindScriptCommand(row.id);
        ASSERT_NE(command, nullptr);
        EXPECT_STREQ(command->name, row.name);
        EXPECT_EQ(command->argumentCount, row.arguments) << row.name;
        EXPECT_EQ(command->kinds, row.kinds) << row.name;
    }
    EXPECT_STREQ(FindScriptCommand(188)->help, "max (returns 0..max-1)");
}

}  // namespace

}  // namespace script_command_table_test
