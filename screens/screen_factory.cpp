#include "screens/play/state_game.h"
#include "screens/screen_id.h"

std::unique_ptr<SState> MakeScreen(ScreenId id) {
    switch (id) {
        case kPlayScreen: return std::make_unique<SStateGame>();
        default: return std::make_unique<SState>();
    }
}
