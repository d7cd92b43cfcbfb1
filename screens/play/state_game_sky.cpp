// Sky, fog and view distance: chosen again whenever the map, the hour, the weather or a script's
// sky changes.
#include <algorithm>

#include "data/map_objects/draw_records.h"
#include "data/maps/map.h"
#include "game/game_data.h"
#include "render/render.h"
#include "screens/play/state_game.h"

namespace {

constexpr const char* kThunderSky = "bres_sky-thunder";

void setDistances(SViewDescriptor& view, const SFogDistances& fog) {
    view.m_fogDistance = fog.fogStart * SRender::kUnitsPerCell;
    view.m_farDistance = fog.viewDistance * SRender::kUnitsPerCell;
}

}  // namespace

void SStateGame::RefreshFog() { UpdateSkyAndFog(false); }

void SStateGame::UpdateSkyAndFog(bool refresh) {
    if (m_currentMap == nullptr) return;
    SViewDescriptor& view = m_game->PlayView();
    const bool surface = m_currentMap->IsSurface();
    if (surface) {
        // A storm's sky first, then a script's; a script's sky the table does not know is dropped
        // for good, so the hour's sky shows from then on.
        SSkyView sky;
        const SSkyTable& skies = m_game->m_skyTable;
        const bool thunderSky = m_thunder != 0 && skies.Get(kThunderSky, sky);
        if (!thunderSky && !m_skyOverride.empty() && !skies.Get(m_skyOverride.c_str(), sky)) m_skyOverride.clear();
        if (!thunderSky && m_skyOverride.empty()) skies.PickForHour(int(GetHour()), int(m_weatherRoll), sky);
        m_skyDrift = sky.cloudScroll != 0;
        m_fog = SurfaceFog(sky.visibility, IsDay());
        view.m_fogColour = sky.fogColour;
        view.m_flags |= SViewDescriptor::kSky | SViewDescriptor::kRain;
        view.m_skyPicture = uint16_t(sky.pictureSlot);
        view.m_skyPalette = 0;
    } else {
        // Below ground the sky's place is the ceiling's.
        m_skyDrift = 0;
        m_fog = UndergroundFog(m_currentMap->ViewDistance());
        view.m_fogColour = m_currentMap->FogColour();
        view.m_flags &= uint16_t(~(SViewDescriptor::kSky | SViewDescriptor::kRain));
        view.m_skyPicture = FirstPicture(m_currentMap->CeilingType());
        view.m_skyPalette = PaletteSlot(m_currentMap->CeilingPalette());
    }
    setDistances(view, m_fog);
    SRender* render = m_game->m_render.get();
    if (render != nullptr) {
        render->UpdateProjection();
        if (surface && m_game->m_random) render->SetRainCount(m_rain.intensity, rainColour(), *m_game->m_random);
    }
    m_viewStale = 1;
    if (!refresh) return;
    // Persons go home for the night; by day, and always below ground, they stand where they belong.
    const bool night = surface && !IsDay();
    RemovePersons(night);
    if (!night) RestorePersonPlaces();
    RenumberGrid();
}
