#pragma once
// SSkyTable: the skies of the world data, chosen by the hour and the weather roll, drawn with
// pictures from the resource cache.
#include <cstdint>
#include <memory>

#include "data/sky_type.h"
#include "engine/base/ptr_array.h"
#include "engine/packages/record_list.h"

class SResourceCache;
struct SRecordCursor;

// What the view takes from a sky.
struct SSkyView {
    int8_t cloudScroll = 0;
    uint16_t fogColour = 0;
    uint8_t visibility = 100;
    uint32_t pictureSlot = 0;  // the resource cache's slot; 0 without a picture
};

class SSkyTable {
public:
    // The cache the skies' pictures come from.
    void Attach(SResourceCache* cache) { m_cache = cache; }

    // One record: tag 'B', then the sky list. The skies join those of the packages opened before.
    // False, with the cursor's error naming the record, when it is missing, cut short, or a sky has
    // a kind other than day, night, dawn or dusk, or a visibility above 100 percent.
    bool Load(SRecordCursor& cursor);
    // The record Load reads back, for what the table holds.
    SRecordList Write(int version);
    // The writers' way in, sorted by name hash.
    void Add(std::unique_ptr<SSkyType> sky) { m_skies.Add(sky.release(), ListOrder::Sorted); }

    SSkyType* Find(const char* name) const { return m_skies.FindByName(name); }
    // The sky for an hour 0 .. 23 and a weather roll 0 .. 100: of the hour's kind (dawn or dusk at
    // 6, 7, 20 and 21, day from 8 to 19, night otherwise), the one whose key lies nearest the roll;
    // on equal distance the first in the list. The view is left as it was when no sky has the kind.
    void PickForHour(int hour, int weatherRoll, SSkyView& view) const;
    // The named sky's view; false, leaving the view alone, when the name is unknown.
    bool Get(const char* name, SSkyView& view) const;
    // Loads every sky's picture from the cache by its picture name. A sky whose picture the cache
    // lacks or cannot load shows none.
    void LoadPictures();

    void Clear() { m_skies.DeleteAll(); }
    const SPtrArray<SSkyType>& Skies() const { return m_skies; }

private:
    void serializeChunk(SArchive& archive, int version);

    SResourceCache* m_cache = nullptr;
    SPtrArray<SSkyType> m_skies{10};
};
