#pragma once
// SGlobalVar: a named script variable the world package declares; SGlobalTable, all of them, whose
// values a saved game keeps.
#include <cstdint>

#include "data/package/module_load_order.h"
#include "data/tables/record_table.h"
#include "engine/base/name.h"
#include "script/script_value.h"

class SArchive;

class SGlobalVar {
public:
    static constexpr uint8_t kChunkTag = 16;
    static constexpr SModuleTable kTable = SModuleTable::Globals;

    SGlobalVar() { m_name.SetOwned(); }
    SGlobalVar(const SGlobalVar&) = delete;
    SGlobalVar& operator=(const SGlobalVar&) = delete;

    const SName& NameKey() const { return m_name; }
    // Tag 17 and the name; before data version 68 a script value follows, which is read and
    // dropped: every global starts as the number 0.
    void Serialize(SArchive& archive, int version);

    SName m_name;
    SScriptValue m_value;
};

class SGlobalTable : public SRecordTable<SGlobalVar> {
public:
    // The saved-game record of the values: tag 16, an aligned u16 count, then each global's name
    // and value in table order.
    void SaveValues(SArchive& archive) const;
    // Reads what SaveValues wrote. Each global named gets its value; a name the table does not hold
    // is passed over, since the world may have dropped it. False when the record is cut short: then
    // no value changes.
    bool LoadValues(SArchive& archive);
};
