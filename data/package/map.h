#pragma once
// SMap: a map of a world package, as far as its package knows it: the name it is found by, the
// title shown to the player and the record its level data starts at. Cells, placed objects and
// creatures are read by the map's level-data loader (SModuleContext::loadMapBody).
#include <cstdint>

#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;
class SModule;

class SMap {
public:
    explicit SMap(SModule* module) : m_module(module) {}
    SMap(const SMap&) = delete;
    SMap& operator=(const SMap&) = delete;

    SModule* Module() const { return m_module; }
    const SName& NameKey() const { return m_name; }
    // Never null: an unnamed map answers "".
    const char* Name() const { return m_name.Text() ? m_name.Text() : ""; }
    const SString& Title() const { return m_title; }
    uint16_t CellsRecord() const { return m_cellsRecord; }
    void SetCellsRecord(uint16_t id) { m_cellsRecord = id; }
    // The name text must outlive the map (it points into the maps record when read).
    void SetName(const char* name) { m_name.Set(name); }
    void SetTitle(const char* title) { m_title.Assign(title); }

    // The start of the map header inside its package's maps record: tag 'G', the title and the
    // name (its hashes computed on reading).
    void SerializeHeader(SArchive& archive, int dataVersion);

private:
    SModule* m_module;
    SName m_name;
    SString m_title;
    uint16_t m_cellsRecord = 0;
};
