#pragma once
// Reading a type table's record out of a data package, with every check a record of outside bytes
// needs, so that each table's loader only says how its record is laid out.
#include <functional>
#include <memory>
#include <string>

#include "data/package/module_load_order.h"

class SArchive;
struct SPdbRecord;
struct SRecordCursor;

// Takes the cursor's next record and reads it through `read`, which answers what makes the content
// unusable, or an empty text. The record is refused, with the cursor's error naming the table, when
// it is missing or cut short, or when `read` found a fault. Bytes after what was read are not a
// fault: a package stores no record sizes, so a record read back runs on to the next one's start.
// A record read whole goes to `kept` when given, for tables whose entries point into it.
bool ReadTableRecord(SRecordCursor& cursor, SModuleTable table, const std::function<std::string(SArchive&)>& read,
                     std::unique_ptr<SPdbRecord>* kept = nullptr);
