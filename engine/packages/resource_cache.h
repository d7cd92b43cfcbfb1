#pragma once
// SResourceCache: every named picture and palette of the opened packages, found by name and loaded
// from its package record on first use. Each entry also has a slot number; the renderer and the play
// screen address pictures by slot through flat tables kept in step with the entries.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/base/name.h"
#include "engine/draw/decoded_picture.h"
#include "engine/draw/picture.h"
#include "engine/files/pdb.h"

struct SPictureEntry {
    std::unique_ptr<SPdbRecord> record;  // null until loaded
    SPdb* file = nullptr;
    uint16_t recordId = 0;
    const uint8_t* data = nullptr;  // the picture record, behind the record's four-byte prefix
    SName name;                     // points into a kept index record
    uint32_t slot = 0;
    uint32_t size = 0;
    SPicture picture;  // the picture record checked against its bytes; drawn through
    // The picture in RGB565 pixels, made when the display first draws it; goes with the record.
    mutable SDecodedPicture decoded;
    const SName& NameKey() const { return name; }

    // Points the entry at the picture that starts `start` bytes into a record, after checking it.
    // False when the picture does not hold together, with the offset in the record and what is
    // wrong set in error.
    bool Bind(std::span<const uint8_t> record, uint32_t start, SReadError& error);
};

struct SPaletteEntry {
    std::unique_ptr<SPdbRecord> record;
    SPdb* file = nullptr;
    uint16_t recordId = 0;
    const uint8_t* data = nullptr;  // RGB565 entries, behind the prefix
    SName name;
    const char* secondText = nullptr;
    uint16_t value = 0;
    uint16_t slot = 0;
    uint32_t holders = 0;  // palette holders that acquired it and have not released it
    const SName& NameKey() const { return name; }
    // The colour table's bytes.
    std::span<const uint8_t> Colours() const;
};

class SResourceCache {
public:
    static constexpr uint16_t kGrowth = 100;

    SResourceCache();
    ~SResourceCache();
    SResourceCache(const SResourceCache&) = delete;
    SResourceCache& operator=(const SResourceCache&) = delete;

    void Init();
    // Reads a package's picture and palette indexes from record `id` on; `id` ends as the next free
    // record id. False, with the fault in Error(), when an index is missing or damaged.
    bool ReadIndex(SPdb& file, uint16_t& id);

    void AddPicture(std::unique_ptr<SPictureEntry> entry);
    void AddPalette(std::unique_ptr<SPaletteEntry> entry);
    // Entry 0 is never found; null for an unknown or null name.
    SPictureEntry* FindPicture(const char* name) const;
    SPaletteEntry* FindPalette(const char* name) const;
    uint32_t FindPaletteSlot(const char* name) const;

    // False, with the fault in Error(), when the record is missing or not a picture.
    bool LoadPicture(SPictureEntry& entry);
    void UnloadPicture(SPictureEntry& entry);
    bool LoadPalette(SPaletteEntry& entry);
    void UnloadPalette(SPaletteEntry& entry);
    // Counted loading for palette holders: the palette stays until its last holder releases it.
    void AcquirePalette(SPaletteEntry& entry);
    void ReleasePalette(SPaletteEntry& entry);
    bool LoadPicture(const char* name);
    void UnloadPicture(const char* name);
    bool LoadPalette(const char* name);
    void UnloadPalette(const char* name);
    // Width and height of a loaded picture; 0, 0 when not loaded.
    static void PictureSize(const SPictureEntry& entry, int& width, int& height);

    // Numbers every entry by its place and fills the slot tables from the loaded entries.
    void AssignSlots();
    // Forgets every entry and the index records their names point into.
    void Clear();

    // How far the tables reach. RollBack forgets every entry and index record added since the mark,
    // so that a package that fails to load leaves nothing behind that points at its closed file.
    struct Mark {
        size_t pictures;
        size_t palettes;
        size_t indexRecords;
    };
    Mark GetMark() const { return {m_pictures.size(), m_palettes.size(), m_indexRecords.size()}; }
    void RollBack(const Mark& mark);
    // Reads every picture and palette added since the mark once and lets it go again, so that a
    // damaged one is found when its package opens rather than when the game first draws it. False,
    // with the fault in Error(), at the first that does not hold together.
    bool CheckSince(const Mark& mark);

    uint32_t LoadedBytes() const { return m_loadedBytes; }
    uint16_t PictureCount() const { return uint16_t(m_pictures.size()); }
    uint16_t PictureCapacity() const { return m_pictureCapacity; }
    uint16_t PaletteCount() const { return uint16_t(m_palettes.size()); }
    uint16_t PaletteCapacity() const { return m_paletteCapacity; }
    SPictureEntry* Picture(uint32_t index) const {
        return index < m_pictures.size() ? m_pictures[index].get() : nullptr;
    }
    SPaletteEntry* Palette(uint32_t index) const {
        return index < m_palettes.size() ? m_palettes[index].get() : nullptr;
    }
    // The entries by slot, as the renderer's picture and palette tables.
    const std::vector<std::unique_ptr<SPictureEntry>>& Pictures() const { return m_pictures; }
    const std::vector<std::unique_ptr<SPaletteEntry>>& Palettes() const { return m_palettes; }
    size_t KeptIndexRecords() const { return m_indexRecords.size(); }
    const SReadError& Error() const { return m_error; }

    // Per-slot tables, one entry per picture (or palette) slot up to the capacity.
    const std::vector<const uint8_t*>& SlotData() const { return m_slotData; }
    const std::vector<uint16_t>& SlotWidths() const { return m_slotWidths; }
    const std::vector<uint16_t>& SlotHeights() const { return m_slotHeights; }
    std::vector<uint8_t>& SlotFlags() { return m_slotFlags; }
    const std::vector<const uint8_t*>& SlotPaletteData() const { return m_slotPaletteData; }

private:
    template <typename IndexEntry>
    bool readIndexRecord(SPdb& file, uint16_t& id, uint8_t tag, const char* what, std::vector<IndexEntry>& entries);
    void growPictures();
    void growPalettes();
    bool fail(SReadError error);
    void setSlot(uint32_t slot, const SPictureEntry* entry);

    uint32_t m_loadedBytes = 0;
    // Entry 0 of both tables stays empty: slot 0 means "no picture" everywhere.
    std::vector<std::unique_ptr<SPictureEntry>> m_pictures;
    std::vector<std::unique_ptr<SPaletteEntry>> m_palettes;
    uint16_t m_pictureCapacity = 0;
    uint16_t m_paletteCapacity = 0;
    std::vector<const uint8_t*> m_slotData;
    std::vector<uint16_t> m_slotWidths;
    std::vector<uint16_t> m_slotHeights;
    std::vector<uint8_t> m_slotFlags;
    std::vector<const uint8_t*> m_slotPaletteData;
    std::vector<std::unique_ptr<SPdbRecord>> m_indexRecords;
    SReadError m_error;
};
