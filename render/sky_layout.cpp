#include "render/sky_layout.h"

#include "render/render.h"

namespace {

constexpr int64_t kDegree = 1 << 16;
constexpr int32_t kReferenceWidth = SRender::kReferenceWidth;

}  // namespace

int32_t SkyOffset(int32_t skyAngle, int32_t heading) {
    // Any two angles give a column inside the panorama, also beyond 0 to 360 degrees.
    const int64_t turn = (int64_t(skyAngle) - heading + 330 * kDegree) >> 12;
    int64_t offset = turn * kReferenceWidth / 60 % SSkyLayout::kPanoramaWidth;
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
