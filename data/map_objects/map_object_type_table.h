#pragma once
// SMapObjectTypeTable: the map-object types of the open world packages, sorted by name hash and found
// by name, with the factory that gives each type code its class.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/map_objects/map_object_type.h"
#include "engine/base/ptr_array.h"
#include "engine/files/pdb.h"

class SArchive;
class SMapObjectItems;
class SMapObjectScreen;
class SPalettePart;
class SResourceCache;
struct SRecordCursor;

class SMapObjectTypeTable {
public:
    // The tag the chunk starts with.
    static constexpr uint8_t kChunkTag = 25;

    SMapObjectTypeTable();
    ~SMapObjectTypeTable();
    SMapObjectTypeTable(const SMapObjectTypeTable&) = delete;
    SMapObjectTypeTable& operator=(const SMapObjectTypeTable&) = delete;

    // The cache the types' pictures and palettes come from.
    void Attach(SResourceCache* cache) { m_cache = cache; }
    SResourceCache* Cache() const { return m_cache; }
    // What the object commands and the plants ask about items; null until the items are there.
    void SetItems(SMapObjectItems* items) { m_items = items; }
    SMapObjectItems* Items() const { return m_items; }
    // The play screen the types build their records for and send their requests to; null for none.
    void SetScreen(SMapObjectScreen* screen) { m_screen = screen; }
    SMapObjectScreen* Screen() const { return m_screen; }

    // A new type of the class of `typeCode`, bound to this table, with the code's default flags
    // (and kBlockClass for codes 7, 8 and 41); null for a code outside 1..43.
    std::unique_ptr<SMapObjectType> CreateType(int typeCode);

    // One record: tag 25, an aligned u16 count, per type its code byte and its record (which holds
    // the code again), then from data version 42 the palette part (SPalettePart). The types join
    // those of the packages opened before; the record stays while they point into it. A damaged
    // chunk adds nothing and fails with the cursor's error naming the table: a record cut short, a
    // type code outside 1..43 (reading cannot go on, for a record's length is not stored), or a
    // record whose own code differs from the one before it.
    bool Load(SRecordCursor& cursor);
    // The chunk Load reads back. The types carry their palette names themselves, so the palette part
    // is empty unless one is given.
    void Write(SArchive& archive, int version, SPalettePart* palettes = nullptr);
    // The writers' way in: after the types of an equal name hash.
    void Add(std::unique_ptr<SMapObjectType> type);

    // By name: the hash first, then the exact text; null for none.
    SMapObjectType* Find(const char* name) const { return m_types.FindByName(name); }
    // The first texture (code 1) in name-hash order: the floor and ceiling of maps that name none.
    SMapObjectType* FindDefaultTexture() const;
    // In name-hash order; null outside 0 .. count-1.
    SMapObjectType* GetTypeAt(int index) const { return m_types.At(index); }
    int Count() const { return m_types.Count(); }

    // Every type's ResolvePictures against the attached cache, once its slots are assigned.
    void ResolvePictures(std::vector<uint8_t>& marks);
    // The fire animations ("bres_animfire" and every code-34 type) keep their pictures loaded; every
    // other type's mark is cleared, for the view to set again for the types it shows.
    void MarkKeepLoaded();
    // Loads the pictures of every type marked to keep them that is not loaded. False when a picture
    // is missing or cannot be read.
    bool LoadMarkedPictures();
    // Releases the pictures of every loaded type that is not marked.
    void ReleaseUnmarkedPictures();

    // Deletes every type and lets go of the chunk records.
    void Clear();

private:
    // The chunk both ways; reading appends to `types` and answers what makes the chunk unusable, or
    // an empty text.
    std::string serializeChunk(SArchive& archive, int version, SPtrArray<SMapObjectType>& types,
                               SPalettePart& palettes);

    SResourceCache* m_cache = nullptr;
    SMapObjectItems* m_items = nullptr;
    SMapObjectScreen* m_screen = nullptr;
    // Declared before the types, which point into them, so that the types go first.
    std::vector<std::unique_ptr<SPdbRecord>> m_chunks;
    SPtrArray<SMapObjectType> m_types{10};
};
