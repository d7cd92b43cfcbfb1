#pragma once
// SMonsterBaseType: a kind of creature of the world data: its pictures, the palettes they are
// drawn with, its sounds and the statistics a monster made from it starts with.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/package/module_load_order.h"
#include "data/palette_holder.h"

class SArchive;
class SResourceCache;
struct SPictureEntry;

// The ten statistics of base types and monsters, in their record order.
enum SMonsterStat : int {
    kStatDamageMin,
    kStatDamageMax,
    kStatArmourClass,
    kStatMaxHitPoints,
    kStatExperience,
    kStatStrength,
    kStatDexterity,
    kStatEndurance,
    kStatIntelligence,
    kStatTenth,
};
constexpr int kMonsterStatCount = kStatTenth + 1;
using SMonsterStats = std::array<uint16_t, kMonsterStatCount>;

class SMonsterBaseType : public SPaletteHolder {
public:
    static constexpr uint8_t kChunkTag = 28;
    static constexpr SModuleTable kTable = SModuleTable::Monsters;
    static constexpr uint8_t kKindUndead = 3;
    static constexpr uint8_t kKindPeople = 4;

    // People have ten pictures, every other kind seven; every use of the pictures relies on it.
    static int PictureCount(uint8_t kind) { return kind == kKindPeople ? 10 : 7; }

    // Tag 29, the name and two texts, the picture names, the paralysed palette and the sounds, the
    // statistics, the kind and the bytes after it, the palette names, the attack kind and the
    // missile, each part from the data version that brought it. Read texts point into the record.
    void Serialize(SArchive& archive, int version);
    // A picture count that does not match the kind, or an empty text.
    std::string Fault() const;

    // Each picture name's entry in the cache (null for an empty or unknown name), and the type's
    // picture group written into `groups` at the slot of every picture found. The cache's slots
    // must have been assigned.
    void ResolvePictures(const SResourceCache& cache, std::vector<uint8_t>& groups);
    // In picture-name order, once resolved.
    const std::vector<const SPictureEntry*>& Pictures() const { return m_pictures; }
    // The resource slot of picture i; 0 when it has none.
    uint16_t PictureSlot(int i) const;
    // The first palette name, or null.
    const char* FirstPaletteName() const { return m_paletteNames.Count() > 0 ? m_paletteNames[0] : nullptr; }
    // Loads the named pictures (again, for a loaded type whose pictures were freed by a type that
    // shares them) and acquires the palettes once. False when a picture is missing or cannot be
    // read; the others load all the same.
    bool LoadPictures(SResourceCache& cache);
    // Unloads the pictures and releases the palettes of a loaded type.
    void ReleasePictures(SResourceCache& cache);
    bool IsLoaded() const { return m_loaded; }

    const char* m_texts[2] = {nullptr, nullptr};
    SPtrArray<const char> m_pictureNames{10, false};
    const char* m_paralysedPalette = nullptr;
    // For people the four are alternatives of one voice.
    const char* m_sounds[3] = {nullptr, nullptr, nullptr};
    const char* m_creatureSound = nullptr;
    // In hundredths.
    SMonsterStats m_stats = {300, 600, 200, 2000, 10000, 200, 300, 300, 300, 300};
    uint8_t m_kind = 1;
    uint8_t m_pictureGroup = 0;
    uint8_t m_size = 1;            // the sprite's scale
    uint8_t m_copied[2] = {0, 0};  // handed on to the monsters made from the type
    // The first of those is the type's flag byte: a person of a type with 0x10 stands still.
    static constexpr uint8_t kStandsStill = 0x10;
    bool StandsStill() const { return (m_copied[0] & kStandsStill) != 0; }
    uint8_t m_attackKind = 1;
    const char* m_missile = nullptr;  // a first-person item sprite's name
    // A creature of the type stands on the play screen's grid, so its pictures are wanted.
    bool m_inUse = false;

private:
    void dropEmptyPaletteNames();

    std::vector<const SPictureEntry*> m_pictures;
    bool m_loaded = false;
};
