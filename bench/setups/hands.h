#pragma once
// The first-person hands as the play screen shows them on the sample world at 800x600, shared by
// their benchmark and the test that checks they are drawn: the view's first-person block as the
// play screen filled it, drawn over the view on its own.
#include <string>

#include "bench/sample_world_start.h"
#include "render/render.h"

namespace hands {

constexpr uint32_t kScreenMode800x600 = 15;

inline bool StartHands(SSampleWorldSession& session, std::string& error) {
    if (!session.Start(kScreenMode800x600, "base_surface", error)) return false;
    if (session.Driver().Game().PlayView().m_fps.m_firstPicture == 0) {
        error = "no weapon hand in the view";
        return false;
    }
    return true;
}

inline void DrawHands(PlayDriver& driver) { driver.Game().m_render->DrawFpsItem(); }

// The pixels of the areas the hands are drawn in.
inline int64_t HandAreaPixels(PlayDriver& driver) {
    const SRender::SFpsAreas areas = driver.Game().m_render->FpsItemAreas();
    return int64_t(areas.weaponHand.width) * areas.weaponHand.height +
           int64_t(areas.offHand.width) * areas.offHand.height;
}

}  // namespace hands
