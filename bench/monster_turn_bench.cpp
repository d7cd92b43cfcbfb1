// A monster turn in a crowd: about 60 hostile creatures within 7 cells of the player in an open
// cave at 800x600. BM_MonsterTurnStart measures the turn's start (collecting, deciding, choosing the
// steps and starting the walks), BM_MonsterTurnTick one frame of the turn, and BM_PlayFrameFight a
// whole play-screen frame while the crowd walks and strikes. Read the first two against the frame
// interval of 30 ms, the third against the full-screen memset baseline in the same run
// (BM_MemsetPlayScreen): within 20 times.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "game/feldmar2.h"
#include "platform/headless/headless.h"
#include "screens/play/state_game.h"
#include "support/map_fixture.h"
#include "support/play_driver.h"
#include "support/temp_folder.h"

namespace {

constexpr uint32_t kLargeScreenMode = 15;
constexpr int kMiddle = 17;
constexpr int kReach = 5;  // an 11 x 11 block round the player, less the player's cell: 120 places

// Walls round an open 35 x 35 cave with the start in its middle.
std::string caveLevel() {
    std::string level =
        "floor base_stone\ncell # centre=base_brick\ncell . floor=base_stone\n"
        "cell S floor=base_stone centre=base_position centre-id=1 centre-extra=2\ncells 0 0\n";
    for (int y = 0; y < SStateGame::kGridSize; ++y) {
        for (int x = 0; x < SStateGame::kGridSize; ++x) {
            const bool edge = x == 0 || y == 0 || x == SStateGame::kGridSize - 1 || y == SStateGame::kGridSize - 1;
            level += edge ? '#' : (x == kMiddle && y == kMiddle ? 'S' : '.');
        }
        level += '\n';
    }
    return level + "end\nobject 1 base_start\n";
}

// About 60 hostile creatures, one in every other cell round the player.
void fillCrowd(PlayDriver& driver) {
    SGameData& game = driver.Game();
    SStateGame& play = driver.Play();
    if (game.m_monsters.FindMonster("base_brute") == nullptr) game.m_monsters.Add(MakeMapMonster("base_brute", 500));
    SMonster* brute = game.m_monsters.FindMonster("base_brute");
    SMap& map = *play.m_currentMap;
    while (map.Creatures().Count() > 0) {
        SCreature& creature = *map.Creatures()[0];
        play.RemoveCreatureFromCell(map, creature);
        map.RemoveCreature(creature.id);
    }
    play.ClearActingMonsters();
    for (int y = kMiddle - kReach; y <= kMiddle + kReach; ++y)
        for (int x = kMiddle - kReach; x <= kMiddle + kReach; ++x) {
            if ((x + y) % 2 != 0 || (x == kMiddle && y == kMiddle)) continue;
            SCreature* creature = map.AddCreature(brute, uint8_t(x), uint8_t(y));
            if (creature == nullptr) continue;
            creature->state = SCreature::kAggressive;
            play.PlaceCreatureNear(map, *creature, x, y);
        }
    play.RenumberGrid();
    play.ScanRadius7();
}

template <typename Body>
void inCave(benchmark::State& state, Body body) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        if (!driver.Start(kLargeScreenMode, error) ||
            !driver.OpenWorld("BrimvaleCrowd", {{"base_room", "The crowded cave", caveLevel()}}, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        driver.Game().m_player.ChangeHp(30000, false);
        fillCrowd(driver);
        state.counters["creatures"] = double(driver.Play().m_currentMap->Creatures().Count());
        body(driver);
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}

void BM_MonsterTurnStart(benchmark::State& state) {
    inCave(state, [&](PlayDriver& driver) {
        SStateGame& play = driver.Play();
        for (auto _ : state) {
            state.PauseTiming();
            play.ClearActingMonsters();
            play.m_monsterPassRequest = 0;
            for (int i = 0; i < play.m_currentMap->Creatures().Count(); ++i)
                play.m_currentMap->Creatures()[i]->displayTimer = 0;
            state.ResumeTiming();
            play.StartMonsterTurn(false, play.m_playerX, play.m_playerY);
            benchmark::DoNotOptimize(play.ActingMonsters().size());
        }
    });
}

void BM_MonsterTurnTick(benchmark::State& state) {
    inCave(state, [&](PlayDriver& driver) {
        SStateGame& play = driver.Play();
        for (auto _ : state) {
            if (play.ActingMonsters().empty()) {
                state.PauseTiming();
                fillCrowd(driver);
                play.m_monsterPassRequest = 0;
                play.StartMonsterTurn(false, play.m_playerX, play.m_playerY);
                state.ResumeTiming();
            }
            play.MonsterTurnTick();
        }
    });
}

void BM_PlayFrameFight(benchmark::State& state) {
    inCave(state, [&](PlayDriver& driver) {
        SStateGame& play = driver.Play();
        for (auto _ : state) {
            if (play.ActingMonsters().empty() && play.m_monsterPassRequest == 0) {
                state.PauseTiming();
                driver.Game().m_player.ChangeHp(30000, false);
                play.m_monsterPassRequest = 1;
                state.ResumeTiming();
            }
            driver.Frame();
        }
    });
}

}  // namespace

BENCHMARK(BM_MonsterTurnStart);
BENCHMARK(BM_MonsterTurnTick);
BENCHMARK(BM_PlayFrameFight);
