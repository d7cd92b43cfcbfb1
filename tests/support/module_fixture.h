#pragma once
// A resource cache, a module context and a module list over a fresh program folder, for tests
// that open generated packages.
#include <string>
#include <utility>
#include <vector>

#include "data/package/empty_table.h"
#include "data/package/module_context.h"
#include "data/package/module_list.h"
#include "engine/packages/record_cursor.h"
#include "engine/packages/resource_cache.h"
#include "support/temp_folder.h"
#include "support/world_package.h"

class ModuleTest : public TempFolderTest {
protected:
    ModuleTest() {
        cache.Init();
        context.folder = &folder;
        context.cache = &cache;
    }

    // Every table loader notes its name and first record id, then reads the empty chunk.
    void RecordTables() {
        for (int i = 0; i < kModuleTableCount; ++i)
            context.tables[i] = [this, i](SRecordCursor& cursor) {
                tableLog.emplace_back(TableName(SModuleTable(i)), cursor.id);
                return ReadEmptyTable(SModuleTable(i), cursor);
            };
    }

    // Writes the package and opens it; the module it became, or null.
    SModule* OpenPackage(const TestWorldPackage& package, const char* fileName = "Brimvale") {
        EXPECT_TRUE(package.Write(folder, fileName));
        return modules.Open(fileName) ? modules.Current() : nullptr;
    }

    SFileFolder folder{Folder()};
    SResourceCache cache;
    SModuleContext context;
    SModuleList modules{context};
    std::vector<std::pair<std::string, uint16_t>> tableLog;
};
