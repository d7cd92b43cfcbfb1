#include "support/play_driver.h"

#include <cstdio>
#include <sstream>

#include "data/map_objects/map_object_type_table.h"
#include "engine/files/file_layer.h"
#include "engine/packages/record_list.h"
#include "game/feldmar2.h"
#include "platform/clock.h"
#include "screens/play/state_game.h"
#include "support/text_ctrl_lines.h"
#include "support/world_package.h"
#include "tools/sampledata/render_art.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/dialog_text_ctrl.h"

const char* const PlayDriver::kRoom = R"(floor base_stone
cell # centre=base_brick
cell . floor=base_stone
cell S floor=base_stone centre=base_position centre-id=1 centre-extra=2
cells 0 0
#######
#.....#
#.....#
#..S..#
#.....#
#.....#
#######
end
object 1 base_start
)";

namespace {

// Until sky and fog are chosen on entry, the room is seen to 7 cells through fog from 3.
constexpr int32_t kCell = 336;
constexpr int32_t kFogCells = 3;
constexpr int32_t kFarCells = 7;
constexpr uint16_t kFogColour = 0x0841;

// The room's floor, walls and start position, with their pictures in the world package itself.
void addRoomTypes(TestWorldPackage& world) {
    struct RoomType {
        const char* name;
        int code;
        const char* picture;
        SRenderArt art;
    };
    const RoomType kTypes[] = {{"base_stone", 1, "bres_stone", SRenderArt::StoneFloor},
                               {"base_brick", 5, "bres_brick", SRenderArt::BrickWall},
                               {"base_banner", 9, "bres_banner", SRenderArt::UpperWall},
                               {"base_position", 39, nullptr, SRenderArt::StoneFloor}};
    SMapObjectTypeTable types;
    for (const RoomType& room : kTypes) {
        std::unique_ptr<SMapObjectType> type = types.CreateType(room.code);
        type->m_name.Set(room.name);
        if (room.picture != nullptr) {
            type->m_pictureNames.Append(room.picture);
            world.pictures.push_back({room.picture, RenderArtPicture(room.art)});
        }
        types.Add(std::move(type));
    }
    world.tables[SModuleTable::MapObjectTypes] =
        WriteOneRecord([&](SArchive& archive) { types.Write(archive, world.version); });
}

}  // namespace

bool PlayDriver::Start(uint32_t screenMode, std::string& error, uint32_t seed) {
    if (!m_rig.Start(screenMode, error, false)) return false;
    m_play = SStateGame::Of(Game());
    if (m_play == nullptr) {
        error = "the play screen is not the game's own";
        return false;
    }
    Game().m_random->Seed(seed);

    if (!OpenWorld(kWorldFile, {{kRoomMap, "The Room", kRoom}}, error)) return false;
    m_play->m_redrawRequest = 1;
    Frame();
    return true;
}

bool PlayDriver::OpenWorld(const char* fileName, const std::vector<TestMap>& maps, std::string& error) {
    TestWorldPackage world;
    addRoomTypes(world);
    world.mapPrefix = "base_s";
    world.maps = maps;
    if (!world.Write(SFileFolder(), fileName, &error)) return false;
    if (!Game().m_packages.Open(fileName)) {
        error = Game().m_packages.Error().Message();
        return false;
    }
    Game().BuildTables(nullptr);
    m_play->TravelToPosition(kStartPosition, 0);
    if (m_play->m_currentMap == nullptr) {
        error = "the room's start position is missing from the world package";
        return false;
    }
    // Tests look at the travels they cause themselves.
    m_play->m_positionTravels.clear();
    // Until the play screen loads the pictures of the types it shows, the room's are loaded here,
    // and until it chooses sky and fog, the room is seen through a fixed fog.
    const SMapObjectTypeTable& types = Game().m_mapObjectTypes;
    for (int i = 0; i < types.Count(); ++i) types.GetTypeAt(i)->LoadPictures();
    SViewDescriptor& view = Game().PlayView();
    view.m_fogDistance = kFogCells * kCell;
    view.m_farDistance = kFarCells * kCell;
    view.m_fogColour = kFogColour;
    return true;
}

bool PlayDriver::OpenStoneSurface(std::string& error) {
    constexpr int kSide = 21;
    std::vector<TestMap> maps;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            const bool middle = x == 1 && y == 1;
            std::string level = "surface\ncell . floor=base_stone\n";
            level += "cell S floor=base_stone centre=base_position centre-id=1\ncells 0 0\n";
            for (int row = 0; row < kSide; ++row)
                level += (middle && row == 3 ? "...S" + std::string(kSide - 4, '.') : std::string(kSide, '.')) + "\n";
            level += "end\n";
            if (middle) level += std::string("object 1 ") + kMiddlePosition + "\n";
            char name[16];
            std::snprintf(name, sizeof name, "base_s%02d%02d", x, y);
            maps.push_back({name, name, level});
        }
    if (!OpenWorld("BrimvaleSurface", maps, error)) return false;
    m_play->TravelToPosition(kMiddlePosition, 0);
    // Input waits for the first frame after a travel.
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
