#pragma once
// SModule: an opened data package: its header, its pictures and palettes in the resource cache,
// its type tables, the name indexes that map data refers through, and its maps laid out on the
// world grid. It records the player's world position in it and saves its part of a game.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/maps/map.h"
#include "data/package/module_load_order.h"
#include "data/package/module_records.h"
#include "engine/base/ptr_array.h"
#include "engine/base/read_error.h"
#include "engine/base/string.h"
#include "engine/files/pdb.h"

class SArchive;
class SItemType;
class SMapObjectType;
class SMapSaveNames;
class SMonster;
class SPdbWriter;
struct SModuleContext;
struct SPaletteEntry;
struct SPictureEntry;
struct SRecordCursor;

// Where a search of the maps found a placed object: the object, its map, and for FindMapObject the
// creature the object owns. All null when nothing was found.
struct SFoundObject {
    SPlacedObject* object = nullptr;
    SMap* map = nullptr;
    SCreature* creature = nullptr;
};

class SModule {
public:
    // A map covers this many cells of the world grid on each axis.
    static constexpr int kMapCells = 21;

    explicit SModule(SModuleContext& context);
    ~SModule();
    SModule(const SModule&) = delete;
    SModule& operator=(const SModule&) = delete;

    // Reads the package from its open file, which the module keeps. False, with Error() naming the
    // file and the record, when anything in it is missing or damaged; the resource cache then
    // holds none of its entries.
    bool Load(std::unique_ptr<SPdb> file);
    const SReadError& Error() const { return m_error; }

    // The map's grid coordinates from its name: the map-name prefix and two two-digit numbers.
    // False when the name does not have that form.
    bool ParseMapCoords(const SMap& map, int& x, int& y) const;
    // Records the world position of a place on the map (local cells count from the play screen's
    // grid, whose section starts 7 cells in). False, recording nothing, for a map off the grid.
    bool SetPosition(const SMap& map, int localX, int localY, int32_t facing);
    // The map dx, dy sections away from the current one; null off the grid or when none is there.
    SMap* FindNeighbourMap(int dx, int dy) const;
    SMap* FindMapAt(int x, int y) const;
    // The map the recorded world position lies on, with its grid coordinates.
    SMap* FindPositionMap(int& x, int& y) const;
    // Whether a world position (x or y) lies in the play screen's grid over some map of the 100 x 100
    // grid: SetPosition records nothing else, so a saved position outside is damage.
    static bool IsWorldCell(int64_t position);
    SMap* FindMap(const char* name) const { return m_maps.FindByName(name); }
    void SetCurrentMap(SMap* map) { m_currentMap = map; }
    // The first placed object of that name, the maps searched in their order.
    SFoundObject FindObject(const char* name) const;
    // FindObject, and the creature its map has that the object owns.
    SFoundObject FindMapObject(const char* name) const;
    // Clears the restocked flag of every placed object of every map.
    void ClearObjectMarks();

    // Record `recordId` holds the module's position and the list of its maps, each map's state the
    // records after it; creatures name their monsters through the saved game's name tables.
    void SaveSaveState(SPdbWriter& writer, SArchive& archive, int saveVersion, uint16_t recordId, SMapSaveNames& names);
    // Whether a save holds the package's record at `recordId`, readable and within the grid, and the
    // state record of every map it lists, so that a load can be refused before anything changes.
    // False, with the fault.
    static bool CheckSaveState(SPdb& save, int saveVersion, uint16_t recordId, const char* identifier,
                               SReadError& fault);
    // Maps that the package no longer has are skipped. False, with Error(), for a damaged save.
    bool LoadSaveState(SPdb& save, SArchive& archive, int saveVersion, uint16_t recordId, SMapSaveNames& names);

    // The header value, data version, flags, names, text, values and map-name prefix.
    const SModuleHeader& Header() const { return m_header; }
    int DataVersion() const { return m_header.dataVersion; }
    const SString& Identifier() const { return m_header.identifier; }
    // The identifier and "_": what the names the package defines begin with.
    const SString& NamePrefix() const { return m_namePrefix; }
    uint16_t PrefixHash() const { return m_prefixHash; }
    // The world's size in maps, which the header's two values give; the world map picture shows
    // the maps from (1, 1) on.
    int WidthInMaps() const { return m_header.valueA; }
    int HeightInMaps() const { return m_header.valueB; }
    SPdb* File() const { return m_file.get(); }
    SModuleContext& Context() const { return m_context; }
    const SPictureEntry* PackagePicture() const { return m_packagePicture.get(); }
    SMapObjectType* DefaultFloorType() const { return m_defaultFloorType; }
    SPaletteEntry* DefaultPalette() const { return m_defaultPalette; }
    const SPtrArray<SMap>& Maps() const { return m_maps; }
    SMap* CurrentMap() const { return m_currentMap; }
    int32_t WorldX() const { return m_worldX; }
    int32_t WorldY() const { return m_worldY; }
    int32_t Facing() const { return m_facing; }

    // The name indexes map data refers through: entry i (from 1) is what the package's i-th name
    // names, or null when no table holds it. Entry 0 stays null.
    const std::vector<SMapObjectType*>& MapObjectTypeIndex() const { return m_typeIndex; }
    const std::vector<SItemType*>& ItemTypeIndex() const { return m_itemIndex; }
    const std::vector<SMonster*>& MonsterIndex() const { return m_monsterIndex; }
    const std::vector<SPaletteEntry*>& PaletteIndex() const { return m_paletteIndex; }

private:
    bool loadRecords();
    bool readHeader(SRecordCursor& cursor);
    bool readPackagePicture(SRecordCursor& cursor);
    bool readNameIndex(SNameIndex index, SRecordCursor& cursor);
    bool readMaps(SRecordCursor& cursor);
    bool fail(SReadError error);

    SModuleContext& m_context;
    SModuleHeader m_header;
    SString m_namePrefix;
    uint16_t m_prefixHash = 0;
    std::unique_ptr<SPdb> m_file;
    SPtrArray<SMap> m_maps{10};
    SPtrArray<SPdbRecord> m_keptRecords{4};
    SMap* m_currentMap = nullptr;
    int32_t m_worldX = 0;
    int32_t m_worldY = 0;
    int32_t m_facing = 0;
    std::unique_ptr<SPictureEntry> m_packagePicture;
    SMapObjectType* m_defaultFloorType = nullptr;
    SPaletteEntry* m_defaultPalette = nullptr;
    std::vector<SMapObjectType*> m_typeIndex{nullptr};
    std::vector<SItemType*> m_itemIndex{nullptr};
    std::vector<SMonster*> m_monsterIndex{nullptr};
    std::vector<SPaletteEntry*> m_paletteIndex{nullptr};
    SReadError m_error;
};
