// A full redraw of the journal's list pages at 800x600 (screen mode 15), each with more rows than
// a page holds and a description: the Active effects sheet under the character header with twenty
// effects, the Quests page with thirty quests and the Spells page with twenty known spells, all
// painted again as after a page switch; against memset of the whole 800 x 584 screen in the same
// run (BM_MemsetPlayScreen). Read the ratio redraw / memset beside the items page's
// (BM_ItemsPageRedraw), a page of the same screen; in CPU time both stood near 10.
#include <benchmark/benchmark.h>

#include <string>

#include "data/quest_table.h"
#include "large_screen_rig.h"
#include "screens/inventory/state_inventory.h"
#include "support/spell_records.h"

namespace {

constexpr uint32_t kFortifySkillKind = 1;

void fillJournal(SGameData& game) {
    SPlayer& player = game.m_player;
    player.SetRace(3);
    for (uint8_t skill = 1; skill <= 20; ++skill)
        player.AddTimedEffect(kFromSpell, nullptr, skill, 30, kFortifySkillKind, skill, nullptr);
    for (int i = 0; i < 30; ++i) {
        const std::string name = "base_quest" + std::to_string(i);
        auto quest = std::make_unique<SQuest>();
        quest->name.Set(name.c_str());
        quest->title.Assign(("Quest number " + std::to_string(i)).c_str());
        quest->text.Assign("A long way to go, with many turns, and a reward at its end for the one who walks it.");
        game.m_questTable.Add(std::move(quest));
        player.AddQuest(name.c_str());
    }
    for (int i = 0; i < 20; ++i) {
        const std::string name = "base_spell" + std::to_string(i);
        auto spell = MakeSpell(name.c_str(), kSchoolHeal, {{3, int16_t(10 + i)}});
        spell->m_displayName.Assign(("Mending " + std::to_string(i)).c_str());
        spell->m_description.Assign("Closes wounds.");
        game.m_spells.Add(std::move(spell));
        player.LearnSpell(name.c_str(), false);
    }
}

// The inventory opened on the page (and the character sheet), then redrawn whole each round.
void redrawPage(benchmark::State& state, uint32_t tab, int sheet) {
    OnLargeScreenRig(state, [&](UiRig& rig) {
        SGameData& game = rig.Game();
        fillJournal(game);
        game.m_currentScreen->m_keep = 1;
        game.SwitchState(kInventoryScreen);
        auto& inventory = static_cast<SStateInventory&>(*game.m_currentScreen);
        inventory.OnCommand(tab);
        if (sheet >= 0) inventory.OnCommand(SCharacterHeader::kTabs[sheet]);
        rig.Frame();
        for (auto _ : state) {
            inventory.SetDirty();
            inventory.Draw();
            benchmark::DoNotOptimize(game.m_display.get());
        }
    });
}

void BM_EffectsSheetRedraw(benchmark::State& state) {
    redrawPage(state, SStateInventory::kCharacterTab, int(SCharacterLists::kEffects));
}
void BM_QuestsPageRedraw(benchmark::State& state) { redrawPage(state, SStateInventory::kQuestsTab, -1); }
void BM_SpellsPageRedraw(benchmark::State& state) { redrawPage(state, SStateInventory::kSpellsTab, -1); }

}  // namespace

BENCHMARK(BM_EffectsSheetRedraw);
BENCHMARK(BM_QuestsPageRedraw);
BENCHMARK(BM_SpellsPageRedraw);
