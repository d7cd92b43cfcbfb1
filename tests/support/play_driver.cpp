#include "support/play_driver.h"

#include <sstream>

#include "engine/files/file_layer.h"
#include "game/feldmar2.h"
#include "platform/clock.h"
#include "screens/play/state_game.h"
#include "support/text_ctrl_lines.h"
#include "support/world_package.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/dialog_text_ctrl.h"

const char* const PlayDriver::kRoom = R"(sky off
fog 3
far 7
fogcolour 0841
light 256
position 3.5 3.5
heading 270
view 240 240
ceiling ceiling
cell # wall=brick
cell . floor=stone
grid
#######
#.....#
#.....#
#.....#
#.....#
#.....#
#######
)";

bool PlayDriver::Start(uint32_t screenMode, std::string& error, uint32_t seed) {
    if (!m_world.Load(kRoom, error)) return false;
    if (!m_rig.Start(screenMode, error, false)) return false;
    m_play = SStateGame::Of(Game());
    if (m_play == nullptr) {
        error = "the play screen is not the game's own";
        return false;
    }
    Game().m_random->Seed(seed);

    // The world: one map, the room, with the start position in it.
    TestWorldPackage world;
    world.maps = {{kRoomMap, "The Room", "object 1 " + std::string(kStartPosition) + "\n"}};
    if (!world.Write(SFileFolder(), kWorldFile, &error)) return false;
    if (!Game().m_packages.Open(kWorldFile)) {
        error = Game().m_packages.Error().Message();
        return false;
    }
    m_play->m_package = Game().m_packages.Current();
    m_play->m_currentMap = m_play->m_package->FindMap(kRoomMap);
    if (m_play->m_currentMap == nullptr) {
        error = "the room's map is missing from the world package";
        return false;
    }

    // The room's view records, in the view rectangle the layout gives.
    SViewDescriptor& view = Game().PlayView();
    SViewDescriptor room = m_world.View();
    room.m_viewX = view.m_viewX;
    room.m_viewY = view.m_viewY;
    room.m_viewWidth = view.m_viewWidth;
    room.m_viewHeight = view.m_viewHeight;
    room.m_screenWidth = view.m_screenWidth;
    room.m_screenHeight = view.m_screenHeight;
    view = room;

    m_play->m_playerX = kStartX;
    m_play->m_playerY = kStartY;
    m_play->m_redrawRequest = 1;
    Frame();
    return true;
}

void PlayDriver::tickIfIdle() {
    // The main class ticks at once after input, unless a dialog is open over the play screen.
    if (Game().m_currentScreen == m_play && m_play->m_child == nullptr) Game().OnTimer();
    Game().m_display->Present();
}

void PlayDriver::Press(uint32_t action) {
    m_rig.BeginScene();
    Game().OnKey(action);
    tickIfIdle();
}

void PlayDriver::Hold(uint32_t action) {
    m_held = action;
    m_lastRepeat = platform::TickCount();
    Press(action);
}

void PlayDriver::Release() { m_held = 0; }

void PlayDriver::Tap(int x, int y) {
    for (uint32_t down : {1u, 0u}) {
        m_rig.BeginScene();
        Game().OnStylus(x & ~1, y & ~1, down, 0);
        tickIfIdle();
    }
}

bool PlayDriver::repeatHeld(uint32_t now) {
    if (m_held == 0 || Game().m_currentScreen != m_play || m_play->IsBusy()) return false;
    if (now - m_lastRepeat < Feldmar2::kRepeatMs) return false;
    m_lastRepeat = now;
    Game().OnKey(m_held);
    tickIfIdle();
    return true;
}

uint32_t PlayDriver::Frame() {
    m_rig.AdvanceClock(m_rig.FrameInterval());
    Game().m_display->BeginFrame();
    if (repeatHeld(platform::TickCount())) return 0;
    const uint32_t answer = Game().OnTimer();
    Game().m_display->Present();
    return answer;
}

void PlayDriver::Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
}

bool PlayDriver::RunUntilIdle(int limit) {
    for (int i = 0; i < limit && m_play->IsBusy(); ++i) Frame();
    return !m_play->IsBusy();
}

std::string PlayDriver::OpenDialogKind() const {
    const SDialog* child = m_play->m_child;
    if (child == nullptr) return "";
    const std::pair<const SDialog*, const char*> kinds[] = {
        {&m_play->m_mapDialog, "map"}, {&m_play->m_spellbook, "spellbook"},    {&m_play->m_potions, "potions"},
        {&m_play->m_rest, "rest"},     {&m_play->m_shipTravel, "ship travel"}, {&m_play->m_markRecall, "mark recall"}};
    for (const auto& [dialog, name] : kinds)
        if (child == dialog) return name;
    return dynamic_cast<const SDialogMessage*>(child) != nullptr ? "message" : "other";
}

std::vector<uint32_t> PlayDriver::QueuedEventTypes() const {
    std::vector<uint32_t> types;
    for (const auto& event : m_play->Events()) types.push_back(event->type);
    return types;
}

std::string PlayDriver::OpenMessageText() const {
    const auto* box = dynamic_cast<const SDialogMessage*>(m_play->m_child);
    return box == nullptr || box->m_textCtrl == nullptr ? "" : TextCtrlLines(*box->m_textCtrl);
}

std::string PlayDriver::TraceLine() const {
    std::ostringstream line;
    line << m_play->m_playerX << "," << m_play->m_playerY << " " << m_play->m_fractionX << "," << m_play->m_fractionY
         << " h" << m_play->m_heading << " t" << m_play->m_minutes << " m" << uint32_t(m_play->SubMode()) << " c"
         << m_play->Clocks().FiredLast();
    return line.str();
}
