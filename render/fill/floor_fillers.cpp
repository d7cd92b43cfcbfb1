// The floor fillers of types 1 to 5 for the three facing families, and type 6 through the
// free-angle type-1 filler.
#include "render/fill/fillers.h"
#include "render/fill/floor_polygon.h"

using floor_polygon::DrawFloorPolygon;

namespace {

template <SFloorFamily kFamily>
void DrawType1(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a, uint32_t fog) {
    SFloorLayers layers;
    if (SetFloorLayers(layers, a)) DrawFloorPolygon<1, kFamily>(target, polygon, a, layers, fog);
}

template <SFloorFamily kFamily>
void DrawType2(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
               const SRenderTexture& b, const SRenderTexture& mask1, uint32_t fog) {
    SFloorLayers layers;
    if (SetFloorLayers(layers, a, &b, nullptr, &mask1)) DrawFloorPolygon<2, kFamily>(target, polygon, a, layers, fog);
}

template <SFloorFamily kFamily>
void DrawType3(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
               const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1,
               const SRenderTexture& mask2, uint32_t fog) {
    SFloorLayers layers;
    if (SetFloorLayers(layers, a, &b, &c, &mask1, &mask2))
        DrawFloorPolygon<3, kFamily>(target, polygon, a, layers, fog);
}

template <SFloorFamily kFamily>
void DrawType4(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
               const SRenderTexture& b, uint32_t fog) {
    SFloorLayers layers;
    if (SetFloorLayers(layers, a, &b)) DrawFloorPolygon<4, kFamily>(target, polygon, a, layers, fog);
}

template <SFloorFamily kFamily>
void DrawType5(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
               const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1, uint32_t fog) {
    SFloorLayers layers;
    if (SetFloorLayers(layers, a, &b, &c, &mask1)) DrawFloorPolygon<5, kFamily>(target, polygon, a, layers, fog);
}

}  // namespace

void DrawPolyFloor1NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a, uint32_t fog) {
    DrawType1<SFloorFamily::NS>(target, polygon, a, fog);
}
void DrawPolyFloor1EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a, uint32_t fog) {
    DrawType1<SFloorFamily::EW>(target, polygon, a, fog);
}
void DrawPolyFloor1Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        uint32_t fog) {
    DrawType1<SFloorFamily::Free>(target, polygon, a, fog);
}

void DrawPolyFloor2NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& mask1, uint32_t fog) {
    DrawType2<SFloorFamily::NS>(target, polygon, a, b, mask1, fog);
}
void DrawPolyFloor2EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& mask1, uint32_t fog) {
    DrawType2<SFloorFamily::EW>(target, polygon, a, b, mask1, fog);
}
void DrawPolyFloor2Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        const SRenderTexture& b, const SRenderTexture& mask1, uint32_t fog) {
    DrawType2<SFloorFamily::Free>(target, polygon, a, b, mask1, fog);
}

void DrawPolyFloor3NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1,
                      const SRenderTexture& mask2, uint32_t fog) {
    DrawType3<SFloorFamily::NS>(target, polygon, a, b, c, mask1, mask2, fog);
}
void DrawPolyFloor3EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1,
                      const SRenderTexture& mask2, uint32_t fog) {
    DrawType3<SFloorFamily::EW>(target, polygon, a, b, c, mask1, mask2, fog);
}
void DrawPolyFloor3Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1,
                        const SRenderTexture& mask2, uint32_t fog) {
    DrawType3<SFloorFamily::Free>(target, polygon, a, b, c, mask1, mask2, fog);
}

void DrawPolyFloor4NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, uint32_t fog) {
    DrawType4<SFloorFamily::NS>(target, polygon, a, b, fog);
}
void DrawPolyFloor4EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, uint32_t fog) {
    DrawType4<SFloorFamily::EW>(target, polygon, a, b, fog);
}
void DrawPolyFloor4Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        const SRenderTexture& b, uint32_t fog) {
    DrawType4<SFloorFamily::Free>(target, polygon, a, b, fog);
}

void DrawPolyFloor5NS(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1, uint32_t fog) {
    DrawType5<SFloorFamily::NS>(target, polygon, a, b, c, mask1, fog);
}
void DrawPolyFloor5EW(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1, uint32_t fog) {
    DrawType5<SFloorFamily::EW>(target, polygon, a, b, c, mask1, fog);
}
void DrawPolyFloor5Free(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                        const SRenderTexture& b, const SRenderTexture& c, const SRenderTexture& mask1, uint32_t fog) {
    DrawType5<SFloorFamily::Free>(target, polygon, a, b, c, mask1, fog);
}
