#include "data/map_objects/walls/map_object_city_window.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kCityWindowDrawCode = 7;  // + the side
constexpr int kCityWindowObliquePicture = 1;
constexpr int kFirstLitPicture = 2;
constexpr int kFirstLitObliquePicture = 5;
constexpr uint16_t kCityWindowLit = 384;
constexpr uint16_t kUpperLit = 512;
constexpr int kGlowBase = 16;

}  // namespace

void SMapObjectCityWindow::BuildSideRecord(SPlacedObject*, SMapCell& cell, int side, SSideOverlayRecord& record,
                                           uint16_t&) {
    BuildFace(cell.sides, side, kCityWindowObliquePicture, uint16_t(kCityWindowDrawCode + side), record);
}

void SMapObjectCityWindow::BuildShadowSideRecord(SPlacedObject*, SMapCellShadow& cell, int side,
                                                 SSideOverlayRecord& record, uint16_t&) {
    BuildFace(cell.sides, side, kCityWindowObliquePicture, uint16_t(kCityWindowDrawCode + side), record);
}

void SMapObjectCityWindow::BuildAnimatedSideRecord(SPlacedObject* object, SMapCell& cell, int side,
                                                   SSideOverlayRecord& record, uint16_t& light) {
    animate(object, cell.sides, side, record, light, kCityWindowLit);
}

void SMapObjectCityWindow::BuildAnimatedShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side,
                                                         SSideOverlayRecord& record, uint16_t& light) {
    animate(object, cell.sides, side, record, light, kUpperLit);
}

void SMapObjectCityWindow::animate(const SPlacedObject* object, const SMapCellSide (&sides)[4], int side,
                                   SSideOverlayRecord& record, uint16_t& light, uint16_t lit) {
    SMapObjectScreen* screen = Screen();
    if (screen == nullptr || !IsSide(side) || IsOff(object) || screen->IsOutdoorDay()) return;
    const SMapObjectType* window = sides[side].wallType;
    if (window == nullptr || window->Frames() == 0 || window->Frames2() == 0) return;
    const int frame = screen->Random(window->Frames());
    const uint16_t picture = window->PictureId(kFirstLitPicture + frame);
    const uint16_t oblique = window->PictureId(kFirstLitObliquePicture + screen->Random(window->Frames2()));
    // The first lit picture is the brightest.
    if (window->m_flags & kLitAtNight) RaiseLight(light, lit, kGlowBase << (window->Frames() - frame));
    SetSidePicture(record, side,
                   {PlaceOnWall(side, picture, m_placeA, m_place[3]), picture, oblique, sides[side].wallPalette,
                    uint16_t(kCityWindowDrawCode + side)});
}
