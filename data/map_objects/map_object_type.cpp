#include "data/map_objects/map_object_type.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_items.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/maps/placed_object.h"
#include "engine/base/archive.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr int kParam1After = 7;
constexpr int kParam2After = 9;
constexpr int kParam3After = 105;
constexpr int kParam4After = 107;
constexpr int kInitialStateAfter = 58;
constexpr int kFlagsFrom = 11;
constexpr uint8_t kCityDoor = 11;
constexpr uint8_t kStair = 33;

}  // namespace

void SMapObjectType::InitInstance(SPlacedObject&) {}

bool SMapObjectType::IsBlocking(const SPlacedObject*) const { return false; }

void SMapObjectType::BuildCellRecord(SPlacedObject*, SMapCell&, SObjectTypeRecord&, uint16_t&) {}

void SMapObjectType::BuildShadowCellRecord(SPlacedObject*, SMapCellShadow&, SObjectTypeRecord&, uint16_t&) {}

void SMapObjectType::BuildSideRecord(SPlacedObject*, SMapCell&, int, SSideOverlayRecord&, uint16_t&) {}

void SMapObjectType::BuildShadowSideRecord(SPlacedObject*, SMapCellShadow&, int, SSideOverlayRecord&, uint16_t&) {}

void SMapObjectType::BuildAnimatedCellRecord(SPlacedObject*, SMapCell&, SObjectTypeRecord&, uint16_t&) {}

void SMapObjectType::BuildAnimatedShadowCellRecord(SPlacedObject*, SMapCellShadow&, SObjectTypeRecord&, uint16_t&) {}

void SMapObjectType::BuildAnimatedSideRecord(SPlacedObject*, SMapCell&, int, SSideOverlayRecord&, uint16_t&) {}

void SMapObjectType::BuildAnimatedShadowSideRecord(SPlacedObject*, SMapCellShadow&, int, SSideOverlayRecord&,
                                                   uint16_t&) {}

const char* SMapObjectType::GetAmbientSound(const SPlacedObject*, const SMapCell&) const { return nullptr; }

const char* SMapObjectType::GetShadowAmbientSound(const SPlacedObject*, const SMapCellShadow&) const { return nullptr; }

void SMapObjectType::Tick(SPlacedObject*, int, int, SMapCell&, SObjectTypeRecord&) {}

int SMapObjectType::OnEvent(uint32_t, SMap*, SPlacedObject*, SMapCell*, int, int, bool&) { return 0; }

void SMapObjectType::Serialize(SArchive& archive, int version) {
    archive.SerializeName(m_name);
    archive.SerializeCStr(m_text);
    archive.SerializeU8(m_typeCode);
    archive.SerializeCStr(m_linkedType);
    for (int16_t& place : m_place) archive.SerializeI16(place);
    archive.SerializeI16(m_placeA);
    archive.SerializeI16(m_placeB);
    if (version > kParam1After) archive.SerializeCStr(m_param1);
    if (version > kParam2After) archive.SerializeCStr(m_param2);
    if (version > kParam3After) archive.SerializeCStr(m_param3);
    if (version > kParam4After) archive.SerializeCStr(m_param4);
    if (version > kInitialStateAfter) archive.SerializeU8(m_initialState);
    if (version >= kFlagsFrom)
        archive.SerializeU16(m_flags);
    else if (!archive.IsWriting())
        m_flags = Defaults().flags;
    // Set, not added: the defaults rows of both codes carry the bit already, and adding it again
    // would carry into the draw-kind bit 0x8000.
    if (!archive.IsWriting() && (m_typeCode == kCityDoor || m_typeCode == kStair)) m_flags |= kLeadsSomewhere;
    m_pictureNames.SerializeCStrs(archive);
    SerializePaletteNames(archive, version);
}

SPictureSize SMapObjectType::pictureSize(uint16_t slot) const {
    const SResourceCache* cache = m_table ? m_table->Cache() : nullptr;
    if (cache == nullptr || slot >= cache->SlotWidths().size()) return {};
    return {cache->SlotWidths()[slot], cache->SlotHeights()[slot]};
}

uint16_t SMapObjectType::PlaceOnWall(int side, uint16_t picture, int a, int b) const {
    return PackPlacement(SideEntry(side), pictureSize(picture), a, b);
}

uint16_t SMapObjectType::PlaceOnWallFlagged(int side, uint16_t picture, bool flagged, int a, int b) const {
    return PackPlacementFlagged(SideEntry(side), pictureSize(picture), flagged, a, b);
}

SItemType* SMapObjectType::FindIngredientType() const {
    SMapObjectItems* items = m_table ? m_table->Items() : nullptr;
    if (items == nullptr || m_param1 == nullptr || PictureNameCount() == 1) return nullptr;
    return items->FindIngredient(m_param1);
}
