#include "engine/packages/module_context.h"

#include "engine/packages/empty_table.h"

SModuleContext::SModuleContext() {
    for (int i = 0; i < kModuleTableCount; ++i)
        tables[i] = [i](SRecordCursor& cursor) { return ReadEmptyTable(SModuleTable(i), cursor); };
}
