#pragma once
// SScriptTable: the named scripts of the world data, run by name on the game's interpreter.
#include <memory>

#include "data/named_script.h"
#include "engine/base/ptr_array.h"
#include "engine/packages/record_list.h"

class SScript;
struct SRecordCursor;

class SScriptTable {
public:
    // The interpreter the scripts run on.
    void Attach(SScript* interpreter) { m_interpreter = interpreter; }

    // The chunk record (tag ''' and a count), then one record per script. The scripts join those
    // of the packages opened before. False, with the cursor's error naming the record, for a
    // missing or damaged one.
    bool Load(SRecordCursor& cursor);
    // The records Load reads back, for what the table holds.
    SRecordList Write(int version);
    // The writers' way in, sorted by name hash.
    void Add(std::unique_ptr<SNamedScript> script) { m_scripts.Add(script.release(), ListOrder::Sorted); }

    SNamedScript* Find(const char* name) const { return m_scripts.FindByName(name); }
    // Runs the named script: -1 when no script has the name (nothing runs), 0 when its record holds
    // no program, otherwise 1 when the run succeeded and 0 when it failed (a damaged program
    // fails too; the interpreter reports it as any failed run).
    int Run(const char* name);

    void Clear() { m_scripts.DeleteAll(); }
    const SPtrArray<SNamedScript>& Scripts() const { return m_scripts; }

private:
    SScript* m_interpreter = nullptr;
    SPtrArray<SNamedScript> m_scripts{10};
};
