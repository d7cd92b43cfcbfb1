#pragma once
// A game object made ready to open packages, start new games and save and load them, without a
// window, a display or screens: what Init sets up for the world, over a program folder of the
// caller's.
#include <memory>
#include <string>

#include "game/game_data.h"

inline void PrepareGameWithoutWindow(SGameData& game, const std::string& folder, uint32_t seed) {
    game.InitTables();
    game.m_fileFolder = std::make_unique<SFileFolder>(folder);
    game.m_moduleContext.folder = game.m_fileFolder.get();
    game.m_random = std::make_unique<SRandom>();
    game.m_random->Seed(seed);
    game.m_moduleContext.random = game.m_random.get();
    game.m_mapItems = std::make_unique<SMapItems>(game.m_items, *game.m_random);
    game.m_mapObjectTypes.SetItems(game.m_mapItems.get());
    game.m_player.Attach({&game.m_attributes, &game.m_skills, &game.m_races, &game.m_packages, game.m_random.get(),
                          &game.m_items, &game.m_spells, &game.m_questTable, &game.m_abilities, &game.m_diseases},
                         nullptr, nullptr);
    game.m_saveNames.Attach(&game);
}
