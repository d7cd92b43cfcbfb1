#include "screens/play/town_portal.h"

#include "data/package/module.h"
#include "screens/play/map_flags.h"

namespace {

constexpr int kFarthestRing = 19;
constexpr const char* kPortalSuffix = "townportal";

// The portal position of the town at (x, y); empty when no town map is there or it has no portal
// position of its own.
std::string portalAt(const SModule& module, int x, int y) {
    const SMap* town = module.FindMapAt(x, y);
    if (town == nullptr || (town->Flags() & map_flags::kTown) == 0) return {};
    std::string position = std::string(town->Name()) + kPortalSuffix;
    return module.FindObject(position.c_str()).map == town ? position : std::string();
}

}  // namespace

std::string FindTownPortal(const SModule& module) {
    int centreX = 0, centreY = 0;
    module.FindPositionMap(centreX, centreY);
    for (int d = 1; d <= kFarthestRing; ++d) {
        const int top = centreY - d, bottom = centreY + d, left = centreX - d, right = centreX + d;
        for (int row : {top, bottom})
            for (int x = left; x <= right; ++x)
                if (std::string found = portalAt(module, x, row); !found.empty()) return found;
        for (int column : {left, right})
            for (int y = top + 1; y <= bottom - 1; ++y)
                if (std::string found = portalAt(module, column, y); !found.empty()) return found;
    }
    return {};
}
