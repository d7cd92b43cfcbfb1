#include "data/package/module_context.h"

#include "data/package/empty_table.h"

SModuleContext::SModuleContext() {
    for (int i = 0; i < kModuleTableCount; ++i)
        tables[i] = [i](SRecordCursor& cursor) { return ReadEmptyTable(SModuleTable(i), cursor); };
}
