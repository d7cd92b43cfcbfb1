#pragma once
// A type table's chunk with no entries: each of the table's records holds only its tag byte and
// zero counts. Tables whose own loaders this build lacks still take their place in a package this
// way, so that the records after them keep their ids.
#include <cstdint>

#include "data/package/module_load_order.h"

class SPdbWriter;
struct SRecordCursor;

// Takes the table's records from the cursor; a missing or short record, or one that lists entries,
// fails with the cursor's error set.
bool ReadEmptyTable(SModuleTable table, SRecordCursor& cursor);
// Adds the table's records from `id` on; `id` ends after them.
void WriteEmptyTable(SModuleTable table, int dataVersion, SPdbWriter& writer, uint16_t& id);
