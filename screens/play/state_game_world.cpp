// The world's work that the play screen's frame and input reach: the grid and its sections, map
// entry, movement, the event handlers, monsters, persons, weather, sound, the look target and the
// player's actions. Each subsystem replaces the body of its operations as it is built; until then
// an operation does nothing, a query finds nothing and an action answers "stay".
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "ui/widgets/dialog_list_ctrl.h"

uint32_t SStateGame::FindItemListId(const char*) const { return 0; }
void SStateGame::ChooseHandSprites() {}
// A monster turn begins with the fight's watch: the music follows whether a threat is near.
void SStateGame::RunMonsterPass() {
    m_monsterPassRequest = 0;
    UpdateFightState();
    UpdateMusic();
}
void SStateGame::ReactToPlayerStep(int, int) {}
void SStateGame::RunMonsterRound() {}
void SStateGame::ScanNearbyCells() {}
void SStateGame::RebuildLeftCellView() {}
uint32_t SStateGame::Attack() { return 0; }
int SStateGame::HandAt(int32_t, int32_t) const { return -1; }
void SStateGame::CastChosenSpell() {}
bool SStateGame::SetMonstersHostile(int32_t, bool) { return false; }
void SStateGame::RefreshFog() { UpdateSkyAndFog(false); }

// Without its handler an animation has nothing to show, so it ends at once rather than hold the
// screen busy.
bool SStateGame::AdvanceCombatAnim(SCombatAnim&) { return true; }
