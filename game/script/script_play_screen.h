#pragma once
// SScriptPlayScreen: what the script context asks of the play screen: the world and map played, the
// clock, where placed objects stand on its grid, its message queue, the rebuilding of the cells a
// script changed, and the services the monsters' and the player's commands act through. The play
// screen answers it; tests record it.
#include <cstdint>
#include <memory>
#include <vector>

#include "game/script/cell_event.h"

class SDialogListCtrl;
class SMap;
class SMapGrid;
class SModule;
class SMonsterScreen;
class SPlayerWorld;
class SString;
struct SPlacedObject;

class SScriptPlayScreen {
public:
    virtual ~SScriptPlayScreen() = default;

    // The world package played in and its current map; null while none is.
    virtual SModule* CurrentWorld() const = 0;
    virtual SMap* CurrentMap() const = 0;
    // Game minutes since the start.
    virtual uint32_t GameMinutes() const = 0;
    // Moves the clock on by that many minutes, with what the world does while time passes.
    virtual void PassTime(uint32_t minutes) = 0;
    // "Day 3, 7:05 pm".
    virtual void FormatDayTime(SString& out) const = 0;
    // Where a cell of the grid refers to the object of the map: false while none does.
    virtual bool LocateObject(const SMap& map, const SPlacedObject& object, SGridPlace& place) const = 0;
    // A message box queued behind the running action; buttons is a set of its button bits.
    virtual void QueueMessage(const char* text, uint32_t buttons) = 0;
    // Builds the cells again and empties the list.
    virtual void ApplyCellChanges(std::vector<SCellEvent>& changes) = 0;
    // A choice among the list's rows, offered after the running action; the queued menu owns the
    // list from here on. The chosen row's key, or nothing on Cancel, becomes the script context's
    // list result before the object's script runs again.
    virtual void QueueChoiceMenu(std::unique_ptr<SDialogListCtrl> list) = 0;

    // The scene of that name, played after the running action.
    virtual void QueueScene(const char* name) = 0;
    // A conversation with the person type of that name, after the running action.
    virtual void QueueTalkNpc(const char* name) = 0;
    // Every creature within the distance of the player turns hostile or calm; true when any changed.
    virtual bool SetMonstersHostile(int32_t distance, bool hostile) = 0;
    // The weather, cloud and rain each 0 to 100.
    virtual int32_t WeatherCloud() const = 0;
    virtual int32_t WeatherRain() const = 0;
    // The sky's picture and its cloud; sky and fog are drawn anew at once.
    virtual void SetWeatherCloud(const char* sky, int32_t cloud) = 0;
    // The rain shows from the sky's next change on.
    virtual void SetWeatherRain(int32_t rain) = 0;
    // The current map's fog changed: sky and fog are drawn anew at once.
    virtual void RefreshFog() = 0;

    // Null while the screen has none: then creatures stand nowhere and commands on them and on
    // the player give nothing.
    virtual SMapGrid* Grid() = 0;
    virtual SMonsterScreen* MonsterScreen() = 0;
    virtual SPlayerWorld* PlayerWorld() = 0;
};
