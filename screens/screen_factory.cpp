#include "screens/addons/state_add_worlds.h"
#include "screens/cards/state_card.h"
#include "screens/conversation/state_dialog.h"
#include "screens/creation/state_generate.h"
#include "screens/death/state_death.h"
#include "screens/interior/state_dialog_interior.h"
#include "screens/inventory/state_inventory.h"
#include "screens/loadsave/state_load_save.h"
#include "screens/menu/state_main.h"
#include "screens/play/state_game.h"
#include "screens/scene/state_scene.h"
#include "screens/screen_id.h"
#include "screens/settings/state_settings.h"
#include "screens/shop/state_shop.h"
#include "screens/splash/state_splash.h"

std::unique_ptr<SState> MakeScreen(ScreenId id) {
    switch (id) {
        case kPlayScreen: return std::make_unique<SStateGame>();
        case kMainMenuScreen: return std::make_unique<SStateMain>();
        case kSplashScreen: return std::make_unique<SStateSplash>();
        case kCharacterCreationScreen: return std::make_unique<SStateGenerate>();
        case kSceneScreen: return std::make_unique<SStateScene>();
        case kSettingsScreen: return std::make_unique<SStateSettings>();
        case kAddOnWorldsScreen: return std::make_unique<SStateAddWorlds>();
        case kInventoryScreen: return std::make_unique<SStateInventory>();
        case kCardGameScreen: return std::make_unique<SStateCard>();
        case kLoadSaveScreen: return std::make_unique<SStateLoadSave>();
        case kDeathScreen: return std::make_unique<SStateDeath>();
        case kShopScreen: return std::make_unique<SStateShop>();
        case kConversationScreen: return std::make_unique<SStateDialog>();
        case kInteriorScreen: return std::make_unique<SStateDialogInterior>();
        default: return std::make_unique<SState>();
    }
}
