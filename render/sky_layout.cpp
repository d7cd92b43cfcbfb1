#include "render/sky_layout.h"

#include "render/render.h"

namespace {

constexpr int32_t kReferenceWidth = SRender::kReferenceWidth;

}  // namespace

int32_t SkyOffset(int32_t skyAngle, int32_t heading) {
    // Any two angles give a column inside the panorama, also beyond 0 to 360 degrees.
    // Divided rounding down, not toward zero, so that a turn of 120 degrees (one repeat of the
    // panorama) moves the offset by exactly one panorama width for every heading.
    const int64_t turn = (int64_t(skyAngle) - heading + 330 * int64_t(SRender::kDegree)) >> 12;
    const int64_t scaled = turn * kReferenceWidth;
    const int64_t columns = scaled >= 0 ? scaled / 60 : -((-scaled + 59) / 60);
    int64_t offset = columns % SSkyLayout::kPanoramaWidth;
    if (offset < 0) offset += SSkyLayout::kPanoramaWidth;
    return int32_t(offset);
}

void SetSkyColumns(SSkyLayout& sky, int32_t offset, int32_t width) {
    sky.uStart = offset;
    sky.uEnd = offset + SSkyLayout::kViewWidth;
    sky.wrappedUEnd = 0;
    sky.wrapX = width * 16;
    if (sky.uEnd <= SSkyLayout::kPanoramaWidth) return;
    sky.uEnd = SSkyLayout::kPanoramaWidth;
    sky.wrappedUEnd = offset - SSkyLayout::kViewWidth;
    sky.wrapX = width * 16 - (sky.wrappedUEnd * width) / kReferenceWidth;
}
