#pragma once
// Map-object types for tests, made by the table's own factory, and a package fixture whose
// map-object type chunk goes through the table's own loader.
#include <initializer_list>
#include <memory>

#include "data/map_objects/map_object_type_table.h"
#include "support/module_fixture.h"
#include "support/world_package.h"

// A type of the code's class named `name`, with these picture names (null for an empty one).
inline std::unique_ptr<SMapObjectType> MakeMapObject(SMapObjectTypeTable& table, int code, const char* name,
                                                     std::initializer_list<const char*> pictures = {}) {
    std::unique_ptr<SMapObjectType> type = table.CreateType(code);
    type->m_name.Set(name);
    for (const char* picture : pictures) type->m_pictureNames.Append(picture);
    return type;
}

class MapObjectPackageTest : public ModuleTest {
protected:
    MapObjectPackageTest() {
        types.Attach(&cache);
        context.tables[int(SModuleTable::MapObjectTypes)] = [this](SRecordCursor& cursor) {
            return types.Load(cursor);
        };
    }

    // Opens a package with these pictures whose map-object type chunk is `written`'s; the slots are
    // assigned and the types' pictures resolved, as a new game does. False when the package fails.
    bool OpenWithTypes(SMapObjectTypeTable& written, std::vector<SNamedResource> pictures = {},
                       std::vector<SNamedResource> palettes = {}) {
        TestWorldPackage package;
        package.pictures = std::move(pictures);
        package.palettes = std::move(palettes);
        package.tables[SModuleTable::MapObjectTypes] = {TableRecord(written, package.version)};
        if (OpenPackage(package) == nullptr) return false;
        cache.AssignSlots();
        types.ResolvePictures(cache.SlotFlags());
        return true;
    }

    uint16_t SlotOf(const char* picture) const { return uint16_t(cache.FindPicture(picture)->slot); }

    SMapObjectTypeTable types;
};
