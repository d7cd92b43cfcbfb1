#include "data/map_objects/walls/map_object_texture_decor.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kTextureDecorDrawCode = 38;
constexpr uint16_t kLastContainerId = 255;

// Frame of a forth-and-back run over `frames` frames: 0, 1 .. frames-1, frames-1 .. 0, 0, 1 ..
int pingPongTextureDecor(uint32_t tick, int frames) {
    const int step = int(tick % uint32_t(2 * frames));
    return step < frames ? step : 2 * frames - 1 - step;
}

}  // namespace

bool SMapObjectTextureDecor::animates(const SPlacedObject* object) const { return !IsOff(object) && Frames() > 1; }

void SMapObjectTextureDecor::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                             uint16_t& light) {
    record.m_kind = kFloorOverlay;
    BuildAnimatedCellRecord(object, cell, record, light);
    record.m_drawCode = kTextureDecorDrawCode;
}

void SMapObjectTextureDecor::BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                                     uint16_t&) {
    if (IsOff(object)) return;
    const SMapObjectScreen* screen = Screen();
    const uint32_t tick = screen ? screen->AnimationTick() : 0;
    SetPicture(record, 0, PictureId(animates(object) ? pingPongTextureDecor(tick, Frames()) : 0), cell.centrePalette);
}

const char* SMapObjectTextureDecor::GetAmbientSound(const SPlacedObject* object, const SMapCell&) const {
    return animates(object) ? AmbientParam() : nullptr;
}

int SMapObjectTextureDecor::ExecuteCommand(SMap* map, SPlacedObject* object, int x, int y, int command,
                                           const SScriptValue& arg1, const SScriptValue& arg2, const SScriptValue& arg3,
                                           std::optional<SScriptValue>& result, bool& changed) {
    if (RunItemCommand(map, playerPile(), command, arg1, arg2, result)) return 0;
    return SMapObjectType::ExecuteCommand(map, object, x, y, command, arg1, arg2, arg3, result, changed);
}

uint8_t SMapObjectTextureDecor::playerPile() const {
    const SMapObjectScreen* screen = Screen();
    const SMapCell* cell = screen ? screen->PlayerCell() : nullptr;
    // Map containers are numbered 1 to 255; a cell word beyond that names none of them.
    if (cell == nullptr || cell->containerId > kLastContainerId) return 0;
    return uint8_t(cell->containerId);
}
