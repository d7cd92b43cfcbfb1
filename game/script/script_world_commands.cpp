// The commands that ask the play screen for something of the world: scenes and conversations after
// the script, the weather, and the mood of the monsters around the player.
#include <algorithm>

#include "game/script/script_command_table.h"
#include "game/script/script_context.h"
#include "game/script/script_play_screen.h"

namespace {

constexpr int32_t kMostWeather = 100;

int32_t weatherValue(const SScriptValue& value) { return std::clamp(value.Number(), 0, kMostWeather); }

// What attractmonsters and calmmonsters say, by whether any monster changed.
struct SMoodMessages {
    const char* changed;
    const char* unchanged;
};
constexpr SMoodMessages kAttracted = {"You have attracted some monsters.", "You have failed to attract any monsters."};
constexpr SMoodMessages kCalmed = {"You have calmed some monsters down.", "You have failed to calm any monsters down."};

// The monsters within the distance of the player turn hostile or calm, and the player hears of it.
void changeMood(SScriptPlayScreen& screen, SScriptContext& context, int32_t distance, bool hostile,
                const SMoodMessages& say) {
    const bool changed = screen.SetMonstersHostile(distance, hostile);
    context.ShowMessage(changed ? say.changed : say.unchanged, true);
}

}  // namespace

bool SScriptContext::runWorldCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                                     std::optional<SScriptValue>& result) {
    // Without a play screen the world holds still and its readings are 0.
    SScriptPlayScreen* screen = m_playScreen;
    switch (id) {
        case kCommandTalkNpc:
            if (screen) screen->QueueTalkNpc(arg1.Text());
            return true;
        case kCommandPlayScene:
            if (screen) screen->QueueScene(arg1.Text());
            return true;
        case kCommandGetWeatherCloud: result = SScriptValue(screen ? screen->WeatherCloud() : 0); return true;
        case kCommandGetWeatherRain: result = SScriptValue(screen ? screen->WeatherRain() : 0); return true;
        case kCommandSetWeatherCloud:
            if (screen) screen->SetWeatherCloud(arg1.Text(), weatherValue(arg2));
            return true;
        case kCommandSetWeatherRain:
            if (screen) screen->SetWeatherRain(weatherValue(arg1));
            return true;
        case kCommandAttractMonsters:
            if (screen) changeMood(*screen, *this, arg1.Number(), true, kAttracted);
            return true;
        case kCommandCalmMonsters:
            if (screen) changeMood(*screen, *this, arg1.Number(), false, kCalmed);
            return true;
        default: return false;
    }
}
