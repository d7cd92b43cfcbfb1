// The card table at 800x600: entering it (the 75 card pictures and the table's own loaded from
// the interface package, the controls laid, the hands dealt; left again after each entry so that
// every entry loads afresh), and a full redraw of the table with both hands dealt, each against a
// memset of the whole 800 x 584 screen in the same run (BM_MemsetPlayScreen). Read the ratios:
// the redraw should stay within ten memsets; an entry should take under 20 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "data/persons/npc_type.h"
#include "large_screen_rig.h"
#include "screens/cards/card_table_driver.h"

namespace {

// A rig at 800x600 whose current screen is the play screen, with a person who plays for 250.
template <class Body>
void onTable(benchmark::State& state, Body body) {
    OnLargeScreenRig(state, [&](UiRig& rig) {
        CardTableDriver driver(rig);
        rig.Game().m_player.ReceiveGold(1000000, false, false);
        SNpcType person;
        person.signedValue = 250;
        body(rig, driver, person);
    });
}

void BM_CardTableEnterAndLeave(benchmark::State& state) {
    onTable(state, [&](UiRig& rig, CardTableDriver& driver, const SNpcType& person) {
        SGameData& game = rig.Game();
        for (auto _ : state) {
            driver.Open(10, &person);
            game.SwitchState(kGoBack);
        }
    });
}

void BM_CardTableFullRedraw(benchmark::State& state) {
    onTable(state, [&](UiRig&, CardTableDriver& driver, const SNpcType& person) {
        driver.Open(10, &person);
        driver.RunFlights();
        SStateCard& table = driver.Table();
        for (auto _ : state) {
            table.SetDirty();
            table.Draw();
            benchmark::ClobberMemory();
        }
    });
}

}  // namespace

BENCHMARK(BM_CardTableEnterAndLeave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardTableFullRedraw);
