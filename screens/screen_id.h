#pragma once
// Every screen of the game by name. A screen's answer to a tick, key or stylus event is the id of
// the screen to switch to: kStay to stay where it is, kGoBack to return to the screen set aside
// last. A new screen is a folder of its own under screens/, a row here and a case in MakeScreen.
#include <cstdint>
#include <memory>

class SState;

enum ScreenId : uint32_t {
    kStay = 0,
    kPlayScreen = 1,
    kConversationScreen = 2,
    kInteriorScreen = 3,
    kInventoryScreen = 4,
    kShopScreen = 5,
    kSplashScreen = 6,
    kDeathScreen = 7,
    kLoadSaveScreen = 8,
    kMainMenuScreen = 9,
    kCharacterCreationScreen = 10,
    kSceneScreen = 11,
    kCardGameScreen = 12,
    kSettingsScreen = 14,
    kAddOnWorldsScreen = 15,
    kGoBack = 99,
};

// One past the highest screen id: the size of the screen table.
inline constexpr uint32_t kScreenTableSize = 16;

// The screens after the play screen, in the order start-up makes them.
inline constexpr ScreenId kScreensAfterPlay[] = {
    kConversationScreen, kInteriorScreen, kInventoryScreen,         kShopScreen,  kDeathScreen,    kSplashScreen,
    kLoadSaveScreen,     kMainMenuScreen, kCharacterCreationScreen, kSceneScreen, kCardGameScreen, kSettingsScreen,
    kAddOnWorldsScreen,
};

// A new, not yet initialised screen of the given id; screens not built yet are the bare base.
std::unique_ptr<SState> MakeScreen(ScreenId id);
