#include "ui/dialogs/dialog_game_map.h"

#include "data/maps/map.h"
#include "data/package/module.h"
#include "engine/base/minutes_per_day.h"
#include "engine/base/string.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"

namespace {

constexpr uint32_t kGameMapTextColour = 0x151C34;
constexpr uint32_t kUseKey = 3006;
constexpr uint32_t kRefuseKey = 3007;

}  // namespace

void SDialogGameMap::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_background, &m_title, &m_selection, &m_day, &m_time, &m_areaMap,
                                                     &m_worldMap, &m_worldButton, &m_areaButton, &m_closeButton})
        ctrl->Attach(this);
}

const SStateGame* SDialogGameMap::playScreen() const { return SStateGame::Of(*m_game); }

void SDialogGameMap::Open() {
    ClearCtrls();
    SetLayout(kLayout);
    // The background control covers the dialog.
    NoBackground();
    const uint32_t blend = m_game->m_interfaceTextColour;

    PlaceCtrl(m_background, 44);
    m_background.m_tileMode = SFillBmpCtrl::kTiled;
    m_background.SetTile(m_game->InterfacePicture(SInterfaceRole::kMapBackground));
    PlaceCtrl(m_title, 45);
    m_title.SetTextEx("", STextAlign::kCentred, 2, kGameMapTextColour, blend);
    PlaceCtrl(m_selection, 52);
    m_selection.SetTextEx("", STextAlign::kLeft, 1, kGameMapTextColour, blend);
    PlaceCtrl(m_areaMap, 46);
    m_areaMap.Setup();
    m_areaMap.ComputeCenter();
    m_areaMap.SetDragMode();
    PlaceCtrl(m_worldMap, 46);
    m_worldMap.Setup();
    m_worldMap.Hide();
    PlaceCtrl(m_day, 47);
    m_day.SetTextEx("", STextAlign::kCentred, 1, kGameMapTextColour, blend);
    PlaceCtrl(m_time, 51);
    m_time.SetTextEx("", STextAlign::kCentred, 1, kGameMapTextColour, blend);
    const std::pair<SButtonCtrl*, SInterfaceRole> buttons[] = {{&m_worldButton, SInterfaceRole::kWorldMapButton},
                                                               {&m_areaButton, SInterfaceRole::kAreaMapButton},
                                                               {&m_closeButton, SInterfaceRole::kMapCloseButton}};
    const uint32_t commands[] = {kShowWorld, kShowArea, kClose};
    for (size_t i = 0; i < std::size(buttons); ++i) {
        PlaceCtrl(*buttons[i].first, commands[i]);
        buttons[i].first->SetupPicture(m_game->InterfaceSet<3>(buttons[i].second), commands[i], 0);
    }
    m_areaButton.Hide();
    m_areaMap.SetVisible(true);
    m_worldButton.SetVisible(true);

    m_title.SetText(currentMapTitle());
    const SStateGame* play = playScreen();
    const uint32_t minutes = play ? play->m_minutes : 0;
    SString text;
    text.Format("Day %u", unsigned(minutes / kMinutesPerDay + 1));
    m_day.SetText(text.Text());
    text.Assign("");
    if (play) play->FormatTime(text);
    m_time.SetText(text.Text());
    ResetPenGate();
}

uint32_t SDialogGameMap::OnKey(uint32_t key) {
    if (key == kUseKey || key == kRefuseKey) return OnCommand(kClose);
    return SDialog::OnKey(key);
}

uint32_t SDialogGameMap::OnCommand(uint32_t id) {
    switch (id) {
        case kWorldTap: selectPressedMap(); return 0;
        case kClose: m_game->PlaySound("bsnd_clickh", 10); return m_parent ? m_parent->OnCommand(kClose) : 0;
        case kShowWorld: showFace(true); return 0;
        case kShowArea: showFace(false); return 0;
        default: return 0;
    }
}

void SDialogGameMap::selectPressedMap() {
    const SModule* world = m_game->m_packages.Current();
    const int dx = m_worldMap.m_lastX - m_worldMap.m_x - m_worldMap.m_scrollX;
    const int dy = m_worldMap.m_lastY - m_worldMap.m_y - m_worldMap.m_scrollY;
    const int cx = dx / SGameWorldMapCtrl::kMapPixels, cy = dy / SGameWorldMapCtrl::kMapPixels;
    const bool onGrid = world && dx >= 0 && dy >= 0 && cx < world->WidthInMaps() && cy < world->HeightInMaps();
    // The picture's first map is map (1, 1). A grid cell the package has no map for is no map to
    // name: it clears the selection as a press beside the grid does.
    const SMap* map = onGrid ? world->FindMapAt(cx + 1, cy + 1) : nullptr;
    if (map) {
        m_worldMap.SetMarker(cx, cy);
        SString text;
        text.Format("Selected: %s", map->Title().Text());
        m_selection.SetText(text.Text());
    } else {
        clearSelection();
    }
    SetDirty();
}

void SDialogGameMap::clearSelection() {
    m_selection.SetText("");
    m_worldMap.SetMarker(-1, -1);
}

void SDialogGameMap::showFace(bool world) {
    m_game->PlaySound("bsnd_click", 10);
    // The marker stays on the area face, where nothing shows it, until the world face clears it.
    if (world) {
        clearSelection();
        m_worldMap.SetVisible(true);
        m_areaMap.Hide();
        m_areaButton.SetVisible(true);
        m_worldButton.Hide();
        const SModule* module = m_game->m_packages.Current();
        m_title.SetText(module ? module->Header().name.Text() : "");
    } else {
        m_selection.SetText("");
        m_worldMap.Hide();
        m_areaMap.SetVisible(true);
        m_areaButton.Hide();
        m_worldButton.SetVisible(true);
        m_title.SetText(currentMapTitle());
    }
    SetDirty();
}

const char* SDialogGameMap::currentMapTitle() const {
    const SStateGame* play = playScreen();
    return play && play->m_currentMap ? play->m_currentMap->Title().Text() : "";
}
