#include "ui/dialogs/scene_frames.h"

#include "engine/draw/screen_type.h"
#include "game/game_data.h"

SFrameSet SceneFrameSet(const SGameData& game) {
    return game.InterfaceSet<9>(IsSmallScreenType(game.m_screenMode) ? SInterfaceRole::kSmallFrameSet
                                                                     : SInterfaceRole::kLargeFrameSet);
}
