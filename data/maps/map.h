#pragma once
// SMap: a map (a level) of a world package: its header, the records its cells are read from, and
// the placed objects, creatures, creature effects and item containers it holds. The play screen
// fills its grid from a map (LoadCells, LoadRegion); a saved game keeps each map's changes
// (WriteState, ReadState).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/items/item_list.h"
#include "data/maps/creature.h"
#include "data/maps/creature_effects.h"
#include "data/maps/explored_map.h"
#include "data/maps/placed_object.h"
#include "engine/base/name.h"
#include "engine/base/ptr_array.h"
#include "engine/base/read_error.h"
#include "engine/base/string.h"

class SArchive;
class SMapGrid;
class SMapObjectType;
class SMapSaveNames;
class SModule;
class SMonster;
class SPdb;
struct SCellIndexes;
struct SCellRecord;
struct SMapCell;
struct SMapCellShadow;
struct SPaletteEntry;
struct SPdbRecord;

class SMap {
public:
    // A map below ground fills the play screen's whole grid; a section of the surface is 21 x 21
    // and the grid shows it with 7 cells of each neighbour.
    static constexpr int kGridCells = 35;
    static constexpr int kSectionCells = 21;
    // A map restocks when more game minutes than this (seven days) passed since the last visit.
    static constexpr uint32_t kRestockMinutes = 7 * 24 * 60;
    static constexpr uint8_t kLastId = 255;
    // A flag of the level data's item containers: the container survives a restock with its items.
    static constexpr uint8_t kKeptOnRestock = 0x01;

    // `module` gives the map its name indexes and its level data; tests may give none to a map that
    // reads nothing.
    explicit SMap(SModule* module);
    ~SMap();
    SMap(const SMap&) = delete;
    SMap& operator=(const SMap&) = delete;

    SModule* Module() const { return m_module; }
    const SName& NameKey() const { return m_name; }
    // Never null: an unnamed map answers "".
    const char* Name() const { return m_name.Text() ? m_name.Text() : ""; }
    const SString& Title() const { return m_title; }
    uint16_t CellsRecord() const { return m_cellsRecord; }
    void SetCellsRecord(uint16_t id) { m_cellsRecord = id; }

    // The header in the package's maps record (data version). The name points into the record,
    // which must outlive the map. False, with what is wrong, when the stored rectangle passes the
    // map's edge or a floor or ceiling index passes its name index; a record cut short shows in
    // the archive.
    bool LoadHeader(SArchive& archive, int version, std::string& fault);
    // The level data from the map's records in the package: the placed objects, the creatures and
    // the item containers; the cell records are checked and kept for the grid. A missing record
    // leaves its part empty. False, with the error, when a record is damaged or names what the
    // package does not.
    bool LoadBody(SPdb& file, int version, SReadError& error);

    // Fills the play screen's grid with the map's stored cells (every other grid cell cleared),
    // after the restock a visit more than seven days after the last one brings; puts the creatures
    // on the grid, except those whose owner object is hidden; fills the containers not filled yet
    // and puts their piles into their cells. `gameTime` is the game clock in minutes.
    void LoadCells(SMapGrid& grid, uint32_t gameTime);
    // The same for the rectangle of the section from (column, row), width x height, which goes to
    // the grid from (gridColumn, gridRow); grid cells outside the stored cells are cleared. People
    // come onto the grid by PlacePeopleInRect.
    void LoadRegion(int column, int row, int width, int height, int gridColumn, int gridRow, SMapGrid& grid,
                    uint32_t gameTime);

    // The map's part of a saved game (save version): the last visit, the id counters, the objects'
    // states, the explored cells, and for a visited map the creatures, item containers and effects.
    void WriteState(SArchive& archive, int saveVersion, SMapSaveNames& names) const;
    // Reads it back. Objects the map no longer has and creatures whose monster is gone are read and
    // dropped, so that the save stays readable. False, with what is wrong, for a damaged state.
    bool ReadState(SArchive& archive, int saveVersion, SMapSaveNames& names, std::string& fault);

    // Null for id 0 or none.
    SPlacedObject* FindObject(uint8_t id) const;
    SPlacedObject* FindObjectByName(const char* name) const { return m_objects.FindByName(name); }
    SCreature* FindCreature(uint8_t id) const;
    // The creature the object owns, or null.
    SCreature* FindCreatureOfObject(const SPlacedObject& object) const;

    // A free creature id, 0 when all 255 are in use.
    uint8_t AllocCreatureId();
    // A new creature of the monster at (x, y), provoked and at full health, with an item container
    // when it is a person; null without a monster or when no id is free.
    SCreature* AddCreature(SMonster* monster, uint8_t x, uint8_t y);
    // The same, marked as placed by a script.
    SCreature* AddFlaggedCreature(SMonster* monster, uint8_t x, uint8_t y);
    // The creature with its effects and its item container.
    void RemoveCreature(uint8_t id);
    // The creature walks over to the other map: it takes a free id there, and its effects go with
    // it under that id. False, nothing changed, when the other map has no free id.
    bool MoveCreatureTo(SMap& other, SCreature& creature);
    // The creatures of the monster that a script placed.
    void RemoveCreaturesOfType(const SMonster* monster);
    // Puts the people whose place lies in the rectangle onto the grid, except those whose owner
    // object is hidden.
    void PlacePeopleInRect(int column, int row, int width, int height, SMapGrid& grid);

    // A free container id, 0 when all 255 are in use.
    uint8_t AllocContainerId();
    // A new empty item container that lies nowhere; null when no id is free.
    SItemList* AddItemList();
    SItemList* FindContainer(uint8_t id) const;

    // Poison strikes, and `elapsed` rounds pass on the creature's timed effects. Poison leaves at
    // least 1 hit point: it weakens, it does not kill.
    void PassCreatureEffects(uint8_t creatureId, uint32_t elapsed, SMapGrid& grid);
    SCreatureEffects& Effects() { return m_effects; }
    // The creature's timed effects of the type added up (non-zero while it has one).
    int SumEffect(uint8_t creatureId, uint8_t type) const { return m_effects.Sum(creatureId, type); }
    const SCreatureEffects& Effects() const { return m_effects; }

    // Clears every object's kRestocked flag.
    void ClearRestockedFlags();

    void SetExplored(int x, int y) { m_explored.Set(x, y); }
    // False outside the map.
    bool IsExplored(int x, int y) const { return m_explored.IsSet(x, y); }
    void ExploreAll() { m_explored.SetAll(); }
    void ClearExplored() { m_explored.Clear(); }

    const SPtrArray<SPlacedObject>& Objects() const { return m_objects; }
    const SPtrArray<SCreature>& Creatures() const { return m_creatures; }
    const SPtrArray<SItemList>& Containers() const { return m_containers; }
    uint16_t Flags() const { return m_flags; }
    bool IsSurface() const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint32_t LastVisit() const { return m_lastVisit; }
    uint8_t CreatureIdCounter() const { return m_creatureIdCounter; }
    uint8_t ContainerIdCounter() const { return m_containerIdCounter; }
    uint16_t FogColour() const { return m_fogColour; }
    uint16_t ViewDistance() const { return m_viewDistance; }
    // A script's fog, in place of the world data's until ResetFog.
    void SetFog(uint16_t viewDistance, uint16_t colour) {
        m_viewDistance = viewDistance;
        m_fogColour = colour;
    }
    void ResetFog() { SetFog(m_dataViewDistance, m_dataFogColour); }
    SMapObjectType* FloorType() const { return m_floorType; }
    SPaletteEntry* FloorPalette() const { return m_floorPalette; }
    SMapObjectType* CeilingType() const { return m_ceilingType; }
    SPaletteEntry* CeilingPalette() const { return m_ceilingPalette; }

private:
    bool ownerHidden(const SCreature& creature) const;
    bool ownerClosed(const SCreature& creature) const;
    // The package's name indexes that cell records refer through.
    SCellIndexes cellIndexes() const;
    // Each part of the level data, with what is wrong and where when it does not read.
    bool readCreatures(const SPdbRecord& record, SReadError& fault);
    // Reads the containers, which join those the map holds; on a restock those it still holds with
    // kKeptOnRestock stay as they are.
    bool readContainers(const SPdbRecord& record, bool restock, SReadError& fault);
    bool checkCells(SReadError& fault) const;
    bool readCellIndex(const SPdbRecord& record, SReadError& fault);
    // The stored cells from the archive at the cells record's start, row by row, each with its
    // place on the map.
    void readStoredCells(SArchive& archive, const std::function<void(int x, int y, const SCellRecord&)>& onCell) const;
    // The cell whose record starts at byte `offset` of the cells record. False, the cells cleared,
    // when it does not read (`fault` empty) or names what the package lacks.
    bool readCell(uint32_t offset, const SCellIndexes& indexes, SMapCell& cell, SMapCellShadow& shadow,
                  std::string& fault) const;
    bool isStored(int x, int y) const;
    // Restocks after a long absence, and notes the visit.
    void visit(uint32_t gameTime);
    // Rolls the loot of a container not filled yet: its own rules, or for a person's container
    // what the person's monster carries.
    void fill(SItemList& container, const SPtrArray<SLootRule>& rules);
    void fillPeoplesContainers();
    // The container's pile goes into its grid cell unless another pile lies there.
    void placePile(SItemList& container, SMapGrid& grid);
    void placeCreature(SCreature& creature, SMapGrid& grid);

    SModule* m_module;
    SName m_name;
    SString m_title;
    uint16_t m_cellsRecord = 0;
    uint32_t m_lastVisit = 0;  // game minutes; 0 never visited
    SMapObjectType* m_floorType = nullptr;
    SPaletteEntry* m_floorPalette = nullptr;
    SMapObjectType* m_ceilingType = nullptr;
    SPaletteEntry* m_ceilingPalette = nullptr;
    uint8_t m_width = 0;
    uint8_t m_height = 0;
    uint8_t m_storedLeft = 0;
    uint8_t m_storedTop = 0;
    uint8_t m_storedWidth = 0;
    uint8_t m_storedHeight = 0;
    uint16_t m_flags = 0;
    uint16_t m_fogColour = 0;
    uint16_t m_viewDistance = 0;
    uint16_t m_dataFogColour = 0;  // the header's, which ResetFog brings back
    uint16_t m_dataViewDistance = 0;
    SExploredMap m_explored;
    int m_version = 0;  // the data version of the level data
    std::unique_ptr<SPdbRecord> m_cells;
    std::vector<uint16_t> m_cellOffsets;  // of a surface section's stored cells, row by row
    std::unique_ptr<SPdbRecord> m_creatureRecord;
    std::unique_ptr<SPdbRecord> m_containerRecord;
    SPtrArray<SPlacedObject> m_objects{10};
    SPtrArray<SCreature> m_creatures{4};
    uint8_t m_creatureIdCounter = 1;
    SCreatureEffects m_effects;
    SPtrArray<SItemList> m_containers{4};
    uint8_t m_containerIdCounter = 1;
};
