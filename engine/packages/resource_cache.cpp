#include "engine/packages/resource_cache.h"

#include <algorithm>

#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"
#include "engine/packages/resource_index.h"

namespace {

template <typename Entry>
Entry* findIn(const std::vector<std::unique_ptr<Entry>>& entries, const char* name) {
    if (name == nullptr) return nullptr;
    const uint16_t hash = HashName(name);
    for (size_t i = 1; i < entries.size(); ++i)
        if (entries[i] && entries[i]->name.Matches(name, hash)) return entries[i].get();
    return nullptr;
}

// The fault of a picture or palette that does not load: its record is missing unless a check of
// the record says otherwise.
template <typename Entry>
SReadError missingResource(const Entry& entry, const char* kind) {
    const char* name = entry.name.Text() ? entry.name.Text() : "";
    return {entry.file ? entry.file->Path() : "",
            entry.recordId,
            std::string(kind) + " \"" + name + "\"",
            {},
            "missing from its package"};
}

}  // namespace

bool SPictureEntry::Bind(std::span<const uint8_t> record, uint32_t start, SReadError& error) {
    if (record.size() < start) {
        error.offset.reset();
        error.what = "too short for a picture";
        return false;
    }
    SPicture checked;
    if (!checked.Read(record.subspan(start), error)) {
        // The picture counts its offsets from its own start; the message counts them in the record.
        if (error.offset) *error.offset += start;
        return false;
    }
    picture = checked;
    data = record.data() + start;
    decoded.Release();
    return true;
}

std::span<const uint8_t> SPaletteEntry::Colours() const {
    if (!data || !record) return {};
    return {data, record->Size() - kResourceRecordPrefix};
}

SResourceCache::SResourceCache() { Clear(); }

SResourceCache::~SResourceCache() = default;

void SResourceCache::Init() {
    growPictures();
    growPalettes();
}

bool SResourceCache::fail(SReadError error) {
    m_error = std::move(error);
    return false;
}

void SResourceCache::growPictures() {
    m_pictureCapacity = uint16_t(m_pictureCapacity + kGrowth);
    // The slot tables start afresh; AssignSlots fills them.
    m_slotData.assign(m_pictureCapacity, nullptr);
    m_slotWidths.assign(m_pictureCapacity, 0);
    m_slotHeights.assign(m_pictureCapacity, 0);
    m_slotFlags.assign(m_pictureCapacity, 0);
}

void SResourceCache::growPalettes() {
    m_paletteCapacity = uint16_t(m_paletteCapacity + kGrowth);
    m_slotPaletteData.assign(m_paletteCapacity, nullptr);
}

void SResourceCache::AddPicture(std::unique_ptr<SPictureEntry> entry) {
    // One slot is always left free at the end.
    if (int(m_pictures.size()) >= int(m_pictureCapacity) - 1) growPictures();
    m_pictures.push_back(std::move(entry));
}

void SResourceCache::AddPalette(std::unique_ptr<SPaletteEntry> entry) {
    if (int(m_palettes.size()) >= int(m_paletteCapacity) - 1) growPalettes();
    m_palettes.push_back(std::move(entry));
}

template <typename IndexEntry>
bool SResourceCache::readIndexRecord(SPdb& file, uint16_t& id, uint8_t tag, const char* what,
                                     std::vector<IndexEntry>& entries) {
    const std::string contents = std::string("the ") + what + " index";
    auto record = file.LoadRecord(id);
    if (!record) return fail(file.RecordFault(id, contents, "missing"));
    SArchive archive;
    archive.OpenRead(record->Data(), record->Size());
    SerializeIndex(archive, tag, entries);
    if (archive.Failed()) return fail(CutShort(file, id, contents, archive));
    // The entries' names point into the record, so it stays while they do.
    if (!entries.empty()) m_indexRecords.push_back(std::move(record));
    id = uint16_t(id + entries.size() + 1);
    return true;
}

bool SResourceCache::ReadIndex(SPdb& file, uint16_t& id) {
    std::vector<SPictureIndexEntry> pictures;
    if (!readIndexRecord(file, id, kPictureIndexTag, "picture", pictures)) return false;
    for (const SPictureIndexEntry& index : pictures) {
        auto entry = std::make_unique<SPictureEntry>();
        entry->name.Set(index.name);
        entry->size = index.size;
        entry->recordId = index.recordId;
        entry->file = &file;
        AddPicture(std::move(entry));
    }

    std::vector<SPaletteIndexEntry> palettes;
    if (!readIndexRecord(file, id, kPaletteIndexTag, "palette", palettes)) return false;
    for (const SPaletteIndexEntry& index : palettes) {
        auto entry = std::make_unique<SPaletteEntry>();
        entry->name.Set(index.name);
        entry->secondText = index.secondText;
        entry->value = index.value;
        entry->recordId = index.recordId;
        entry->file = &file;
        AddPalette(std::move(entry));
    }
    return true;
}

SPictureEntry* SResourceCache::FindPicture(const char* name) const { return findIn(m_pictures, name); }

SPaletteEntry* SResourceCache::FindPalette(const char* name) const { return findIn(m_palettes, name); }

uint32_t SResourceCache::FindPaletteSlot(const char* name) const {
    const SPaletteEntry* entry = FindPalette(name);
    return entry ? entry->slot : 0;
}

void SResourceCache::PictureSize(const SPictureEntry& entry, int& width, int& height) {
    width = entry.data ? entry.picture.Width() : 0;
    height = entry.data ? entry.picture.Height() : 0;
}

void SResourceCache::setSlot(uint32_t slot, const SPictureEntry* entry) {
    if (slot == 0 || slot >= m_slotData.size()) return;
    int width = 0, height = 0;
    if (entry) PictureSize(*entry, width, height);
    m_slotData[slot] = entry ? entry->data : nullptr;
    m_slotWidths[slot] = uint16_t(width);
    m_slotHeights[slot] = uint16_t(height);
}

bool SResourceCache::LoadPicture(SPictureEntry& entry) {
    if (entry.data) return true;
    auto record = entry.file ? entry.file->LoadRecord(entry.recordId) : nullptr;
    SReadError fault = missingResource(entry, "picture");
    if (!record || !entry.Bind(record->bytes, kResourceRecordPrefix, fault)) return fail(fault);
    entry.record = std::move(record);
    m_loadedBytes += entry.size;
    setSlot(entry.slot, &entry);
    return true;
}

void SResourceCache::UnloadPicture(SPictureEntry& entry) {
    if (!entry.data) return;
    entry.record.reset();
    entry.data = nullptr;
    entry.decoded.Release();
    m_loadedBytes -= entry.size;
    setSlot(entry.slot, nullptr);
}

bool SResourceCache::LoadPalette(SPaletteEntry& entry) {
    if (entry.data) return true;
    auto record = entry.file ? entry.file->LoadRecord(entry.recordId) : nullptr;
    if (!record || record->Size() < kResourceRecordPrefix) return fail(missingResource(entry, "palette"));
    entry.record = std::move(record);
    entry.data = entry.record->Data() + kResourceRecordPrefix;
    if (entry.slot != 0 && entry.slot < m_slotPaletteData.size()) m_slotPaletteData[entry.slot] = entry.data;
    return true;
}

void SResourceCache::UnloadPalette(SPaletteEntry& entry) {
    if (!entry.data) return;
    entry.record.reset();
    entry.data = nullptr;
    if (entry.slot != 0 && entry.slot < m_slotPaletteData.size()) m_slotPaletteData[entry.slot] = nullptr;
}

void SResourceCache::AcquirePalette(SPaletteEntry& entry) {
    // A record that cannot be read leaves the palette unloaded; its pictures then use their own.
    ++entry.holders;
    LoadPalette(entry);
}

void SResourceCache::ReleasePalette(SPaletteEntry& entry) {
    if (entry.holders > 0) --entry.holders;
    if (entry.holders == 0) UnloadPalette(entry);
}

bool SResourceCache::LoadPicture(const char* name) {
    SPictureEntry* entry = FindPicture(name);
    return entry && LoadPicture(*entry);
}

void SResourceCache::UnloadPicture(const char* name) {
    if (SPictureEntry* entry = FindPicture(name)) UnloadPicture(*entry);
}

bool SResourceCache::LoadPalette(const char* name) {
    SPaletteEntry* entry = FindPalette(name);
    return entry && LoadPalette(*entry);
}

void SResourceCache::UnloadPalette(const char* name) {
    if (SPaletteEntry* entry = FindPalette(name)) UnloadPalette(*entry);
}

void SResourceCache::AssignSlots() {
    for (uint32_t i = 0; i < m_pictureCapacity; ++i) {
        SPictureEntry* entry = Picture(i);
        if (entry) entry->slot = i;
        m_slotData[i] = nullptr;
        m_slotWidths[i] = m_slotHeights[i] = 0;
        if (i != 0) setSlot(i, entry);
        m_slotFlags[i] = 0;
    }
    for (uint32_t i = 0; i < m_paletteCapacity; ++i) {
        SPaletteEntry* entry = Palette(i);
        if (entry) entry->slot = uint16_t(i);
        m_slotPaletteData[i] = entry ? entry->data : nullptr;
    }
}

bool SResourceCache::CheckSince(const Mark& mark) {
    for (size_t i = std::max<size_t>(mark.pictures, 1); i < m_pictures.size(); ++i) {
        SPictureEntry& entry = *m_pictures[i];
        if (entry.data) continue;
        if (!LoadPicture(entry)) return false;
        UnloadPicture(entry);
    }
    for (size_t i = std::max<size_t>(mark.palettes, 1); i < m_palettes.size(); ++i) {
        SPaletteEntry& entry = *m_palettes[i];
        if (entry.data) continue;
        if (!LoadPalette(entry)) return false;
        UnloadPalette(entry);
    }
    return true;
}

void SResourceCache::RollBack(const Mark& mark) {
    for (size_t i = mark.pictures; i < m_pictures.size(); ++i) UnloadPicture(*m_pictures[i]);
    for (size_t i = mark.palettes; i < m_palettes.size(); ++i) UnloadPalette(*m_palettes[i]);
    if (mark.pictures < m_pictures.size()) m_pictures.resize(mark.pictures);
    if (mark.palettes < m_palettes.size()) m_palettes.resize(mark.palettes);
    if (mark.indexRecords < m_indexRecords.size()) m_indexRecords.resize(mark.indexRecords);
}

void SResourceCache::Clear() {
    m_pictures.clear();
    m_palettes.clear();
    m_pictures.emplace_back();  // the reserved entry 0
    m_palettes.emplace_back();
    m_pictureCapacity = m_paletteCapacity = 0;
    m_slotData.clear();
    m_slotWidths.clear();
    m_slotHeights.clear();
    m_slotFlags.clear();
    m_slotPaletteData.clear();
    m_indexRecords.clear();
    m_loadedBytes = 0;
}
