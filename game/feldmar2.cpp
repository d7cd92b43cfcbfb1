#include "game/feldmar2.h"

#include "engine/base/small_services.h"
#include "engine/files/game_registry.h"
#include "framework/hal_clock.h"
#include "game/game_data.h"
#include "game/typed_keys.h"
#include "platform/clock.h"
#include "platform/device.h"
#include "platform/messages.h"
#include "screens/play/state_game.h"

namespace {

Feldmar2* g_app = nullptr;

// The hardware keys of positions 0 to 8 of a key table.
constexpr uint32_t kPositionKeys[9] = {platform::kVkUp,    platform::kVkDown,   platform::kVkLeft,
                                       platform::kVkRight, platform::kVkReturn, platform::kVkApp1,
                                       platform::kVkApp2,  platform::kVkApp3,   platform::kVkApp4};
// On keyboards, the arrows keep the moves of their positions (0 to 3) beside the letters bound
// there, as the device's arrows do on the other screens.
constexpr int kArrowPositions = 4;
// On keyboards, the action of each position.
constexpr uint32_t kPositionActions[9] = {kActionForward,   kActionBack,       kActionTurnLeft,
                                          kActionTurnRight, kActionUse,        kActionSpellBook,
                                          kActionAttack,    kActionStrafeLeft, kActionStrafeRight};

bool isMovement(uint32_t action) {
    return action == kActionForward || action == kActionBack || action == kActionTurnLeft ||
           action == kActionTurnRight || action == kActionStrafeLeft || action == kActionStrafeRight;
}

// The virtual key of a bound character: letters are bound lower-case and pressed as capitals.
uint32_t keyOfBinding(uint32_t character) {
    return character >= 'a' && character <= 'z' ? character - 'a' + 'A' : character;
}

struct ScreenRow {
    uint32_t width, height, portraitMode, landscapeMode;
    bool landscapeNative, keyboard;
    uint32_t interval;
};
// Modes 6 and 9 are the turned modes that a StartMode of 1 or 2 asks for; any other value is no
// orientation, which the settings read as portrait.
constexpr ScreenRow kScreens[] = {
    {480, 640, 10, 9, false, false, 30}, {640, 480, 10, 9, true, false, 30}, {240, 320, 7, 6, false, false, 40},
    {320, 240, 7, 6, true, false, 40},   {240, 240, 8, 8, false, false, 40}, {480, 480, 11, 11, false, false, 30},
    {800, 480, 14, 14, true, true, 30},  {800, 600, 15, 15, true, true, 30}, {640, 240, 16, 16, true, true, 40},
};

const ScreenRow* findScreen(uint32_t width, uint32_t height) {
    for (const ScreenRow& row : kScreens)
        if (row.width == width && row.height == height) return &row;
    return nullptr;
}

}  // namespace

Feldmar2* TheApp() { return g_app; }

SScreenChoice ChooseScreenMode(uint32_t width, uint32_t height, uint32_t startMode) {
    const ScreenRow* row = findScreen(width, height);
    if (row == nullptr) return {};
    return {true,
            startMode == 1 || startMode == 2 ? row->landscapeMode : row->portraitMode,
            height == 600 ? 584u : height,
            row->landscapeNative,
            row->keyboard,
            row->interval};
}

int PanelOrientation(uint32_t width, uint32_t height) {
    const ScreenRow* row = findScreen(width, height);
    const bool drawnInPortrait = row != nullptr && row->landscapeNative && row->portraitMode != row->landscapeMode;
    return drawnInPortrait ? 3 : 0;
}

Feldmar2::Feldmar2() {
    m_title = "Brim Vale";
    m_appId = kAppId;
}

Feldmar2::~Feldmar2() {
    if (g_app == this) g_app = nullptr;
}

void Feldmar2::AdoptGame(std::unique_ptr<SGameData> game) { m_game = std::move(game); }

bool Feldmar2::OnInitialize() {
    HAL::Game::OnInitialize();
    g_app = this;
    m_windowCopy = m_window;
    m_screenWidth = uint32_t(platform::ScreenWidth());
    m_screenHeight = uint32_t(platform::ScreenHeight());

    const SScreenChoice choice = ChooseScreenMode(m_screenWidth, m_screenHeight, RegGetDword("StartMode", 0));
    if (!choice.supported) {
        platform::ShowMessageBox(m_windowCopy, "The screen resolution isn't supported.", "Error");
        return false;
    }
    m_screenHeight = choice.height;
    m_landscapeNative = choice.landscapeNative;
    m_keyboard = choice.keyboard;
    m_fastPace = choice.frameInterval == 30;

    auto game = std::make_unique<SGameData>();
    std::string error;
    if (!game->Init(choice.screenMode, m_window, m_screenWidth, m_screenHeight, error)) {
        platform::ShowMessageBox(m_windowCopy, error, "Brim Vale");
        return false;
    }
    m_game = std::move(game);
    return true;
}

bool Feldmar2::playScreenIdle() const {
    auto* play = SStateGame::Of(*m_game);
    return play != nullptr && m_game->m_currentScreen == play && !play->IsBusy();
}

void Feldmar2::tickIdlePlayScreen() {
    SState* play = m_game->Screen(kPlayScreen);
    if (play != nullptr && m_game->m_currentScreen == play && play->m_child == nullptr) m_game->OnTimer();
}

bool Feldmar2::OnFrame() {
    const uint32_t now = HAL::GetTime();
    const uint32_t sinceFrame = now - m_lastFrame;
    if (sinceFrame < frameInterval()) {
        // Not due yet: wait for input or the next frame rather than spin.
        platform::WaitForMessageOrTimeout(frameInterval() - sinceFrame);
        return HAL::Game::OnFrame();
    }
    m_lastFrame = now;
    if (m_game && m_game->m_display && m_game->m_display->BeginFrame() && runFrame(now)) platform::Sleep(1);
    return HAL::Game::OnFrame();
}

bool Feldmar2::runFrame(uint32_t now) {
    if (playScreenIdle()) {
        uint32_t repeated = 0;
        if (m_stylusHeld) {
            if (now - m_lastStylusRepeat >= kRepeatMs) {
                m_lastStylusRepeat = now;
                m_game->OnStylus(m_lastStylusX, m_lastStylusY, 1, 0);
                repeated = 1;
            }
        } else if (m_keyboard) {
            const uint32_t held = heldKeyboardAction();
            if (held != 0 && now - m_lastKeyRepeat >= kRepeatMs) {
                m_lastKeyRepeat = now;
                m_game->OnKey(held);
                repeated = 1;
            }
        } else if (m_heldAction != 0 && now - m_lastKeyRepeat >= kRepeatMs) {
            m_lastKeyRepeat = now;
            m_game->OnKey(m_heldAction);
            repeated = 1;
        }
        if (repeated) {
            tickIdlePlayScreen();
            m_game->m_display->Present();
            return false;
        }
    }
    m_game->OnTimer();
    m_game->m_display->Present();
    return true;
}

uint32_t Feldmar2::heldKeyboardAction() const {
    const uint32_t* letters = m_game->m_settings.keys;
    for (int position = 0; position < 9; ++position) {
        const uint32_t character = letters[position] & 0xFF;
        if (character != 0 && platform::IsKeyDown(keyOfBinding(character))) return kPositionActions[position];
    }
    for (int position = 0; position < kArrowPositions; ++position)
        if (platform::IsKeyDown(kPositionKeys[position])) return MapKey(kPositionKeys[position]);
    return 0;
}

uint32_t Feldmar2::MapKey(uint32_t virtualKey) const {
    if (!m_game) return 0;
    const SSettings& settings = m_game->m_settings;
    if (m_keyboard) {
        uint32_t lowered = virtualKey & 0xFF;
        if (lowered >= 'A' && lowered <= 'Z') lowered += 'a' - 'A';
        for (int position = 0; position < 9; ++position) {
            const uint32_t bound = settings.keys[position] & 0xFF;
            if (bound != 0 && (bound == virtualKey || bound == lowered)) return kPositionActions[position];
        }
        for (int position = 0; position < kArrowPositions; ++position)
            if (kPositionKeys[position] == virtualKey) return kPositionActions[position];
        return 0;
    }
    const int orientation = m_game->m_display ? m_game->m_display->m_orientation : 0;
    const uint32_t* table = orientation == 1   ? settings.leftKeys
                            : orientation == 2 ? settings.rightKeys
                                               : settings.keys;
    for (int position = 0; position < 9; ++position)
        if (kPositionKeys[position] == virtualKey) return table[position] & 0xFFFF;
    return 0;
}

void Feldmar2::OnKeyDown(uint32_t virtualKey) {
    if (!m_game) return;
    uint32_t action = MapKey(virtualKey);
    if (action == 0 && virtualKey == platform::kVkEscape) action = kActionRefuse;
    const char typed = TypedCharacter(virtualKey, platform::IsKeyDown(platform::kVkLeftShift));
    if (action == 0 && typed == 0) return;
    if (!m_keyboard) m_heldAction = isMovement(action) ? uint16_t(action) : 0;
    m_lastKeyRepeat = HAL::GetTime();
    if (!m_game->m_display || !m_game->m_display->BeginFrame()) return;
    // An open text field takes what the desktop keyboard types before any binding does.
    if (!TypeIntoOpenField(*m_game, typed) && action != 0) m_game->OnKey(action);
    tickIdlePlayScreen();
    m_game->m_display->Present();
}

void Feldmar2::OnKeyUp(uint32_t virtualKey) {
    if (!m_game || m_keyboard) return;
    if (MapKey(virtualKey) == 0) return;
    m_heldAction = 0;
    m_lastKeyRepeat = 0;
}

void Feldmar2::stylus(int32_t x, int32_t y, uint32_t pressed, uint32_t moved) {
    m_lastStylusX = x;
    m_lastStylusY = y;
    m_lastStylusRepeat = HAL::GetTime();
    if (!m_game || !m_game->m_display || !m_game->m_display->BeginFrame()) return;
    m_game->OnStylus(x & ~1, y & ~1, pressed, moved);
    tickIdlePlayScreen();
    m_game->m_display->Present();
}

void Feldmar2::OnStylusDown(int32_t x, int32_t y) {
    m_stylusHeld = 1;
    stylus(x, y, 1, 0);
}

void Feldmar2::OnStylusMove(int32_t x, int32_t y) { stylus(x, y, 1, 1); }

void Feldmar2::OnStylusUp(int32_t x, int32_t y) {
    m_stylusHeld = 0;
    stylus(x, y, 0, 0);
}

void Feldmar2::OnSuspend() {
    if (m_game && m_game->m_sound) m_game->m_sound->Suspend();
}

void Feldmar2::OnResume() {
    HAL::Game::OnResume();
    if (m_game && m_game->m_sound) m_game->m_sound->Resume();
}

void Feldmar2::OnShutdown() {
    if (m_game) m_game->m_saveNames.AutoSave();
}

void Feldmar2::Quit() { QuitNow(); }
