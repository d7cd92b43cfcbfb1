// The world's work that the play screen's frame and input reach: the grid and its sections, map
// entry, movement, the event handlers, monsters, persons, weather, sound, the look target and the
// player's actions. Each subsystem replaces the body of its operations as it is built; until then
// an operation does nothing, a query finds nothing and an action answers "stay".
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "ui/widgets/dialog_list_ctrl.h"

uint32_t SStateGame::FindItemListId(const char*) const { return 0; }
void SStateGame::RefreshFog() { UpdateSkyAndFog(false); }
