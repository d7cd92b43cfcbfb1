// The commands of the world, which ignore the name written before them: script globals, the
// context's own values, tests of the map and world played, sounds, messages and questions. The clock's
// commands live in script_clock_commands.cpp, the play screen's world requests in
// script_world_commands.cpp, choice lists and the conversation's commands in
// script_choice_commands.cpp, fog and creatures in script_map_commands.cpp.
#include "data/items/item_database.h"
#include "data/items/item_type.h"
#include "data/sound_table.h"
#include "data/world/global_table.h"
#include "engine/base/random.h"
#include "game/script/script_command_table.h"
#include "game/script/script_context.h"
#include "game/script/script_play_screen.h"
#include "script/script_errors.h"

namespace {

// The event tests: 1 when the script runs for that event, else 0.
struct SEventTest {
    uint32_t id;
    uint32_t event;
};
constexpr SEventTest kEventTests[] = {
    {kCommandEvtStepOn, kEventStepOn}, {kCommandEvtStepOff, kEventStepOff}, {kCommandEvtItemChange, kEventItemChange},
    {kCommandEvtHit, kEventHit},       {kCommandEvtSpell, kEventSpell},     {kCommandEvtUse, kEventUse},
    {kCommandEvtDie, kEventDeath},     {kCommandEvtEquip, kEventEquip},     {kCommandEvtRemove, kEventRemove},
    {kCommandEvtArrive, kEventArrive},
};

// The message box buttons of a script's questions.
constexpr uint32_t kYesNoButtons = 12;
constexpr uint32_t kOkCancelButtons = 3;

SScriptValue flag(bool set) { return SScriptValue(int32_t(set ? 1 : 0)); }

}  // namespace

int SScriptContext::RunGlobalCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                                     const SScriptValue& arg3, std::optional<SScriptValue>& result) {
    for (const SEventTest& test : kEventTests) {
        if (test.id == id) {
            result = flag(m_event == test.event);
            return kScriptOk;
        }
    }
    if (runClockCommand(id, arg1, arg2, arg3, result) || runWorldCommand(id, arg1, arg2, result) ||
        runChoiceCommand(id, arg1, arg2, result) || runMapCommand(id, arg1, arg2, arg3))
        return kScriptOk;
    SGlobalVar* global = m_world.globals ? m_world.globals->Find(arg1.Text()) : nullptr;
    switch (id) {
        case kCommandGetGlobal: result = SScriptValue(global ? global->m_value.Number() : 0); break;
        case kCommandSetGlobal:
            if (global) global->m_value = SScriptValue(arg2.Number());
            break;
        case kCommandGetGlobalStr: result = SScriptValue(global ? global->m_value.Text() : ""); break;
        case kCommandSetGlobalStr:
            if (global) global->m_value = SScriptValue(arg2.Text());
            break;
        case kCommandGetDamage: result = SScriptValue(m_damage); break;
        case kCommandSetDamage: m_damage = arg1.Number(); break;
        case kCommandIsSpell: result = flag(m_event == kEventSpell && m_spellName.Equals(arg1.Text())); break;
        case kCommandIsWeapon:
            result = flag(m_event == kEventHit &&
                          (m_weaponNames[0].Equals(arg1.Text()) || m_weaponNames[1].Equals(arg1.Text())));
            break;
        case kCommandItemValue: {
            const SItemType* type = m_world.items ? m_world.items->FindItemType(arg1.Text()) : nullptr;
            result = SScriptValue(type ? int32_t(type->GetNewValue()) : 0);
            break;
        }
        case kCommandIsCurrentMap: result = flag(IsCurrentMap(arg1.Text())); break;
        case kCommandIsCurrentWorld: result = flag(IsCurrentWorld(arg1.Text())); break;
        case kCommandMessage: ShowMessage(arg1.Text(), false); break;
        case kCommandPlaySound:
            if (m_world.sounds) m_world.sounds->PlaySound(arg1.Text(), arg2.Number());
            break;
        case kCommandPlayMusic:
            if (m_world.sounds) m_world.sounds->PlayMusic(arg1.Text());
            break;
        case kCommandRandom: result = SScriptValue(m_world.random ? m_world.random->Next(arg1.Number()) : 0); break;
        case kCommandQuestionYesNo: askQuestion(arg1.Text(), kYesNoButtons); break;
        case kCommandQuestionOkCancel: askQuestion(arg1.Text(), kOkCancelButtons); break;
        case kCommandAnswer: result = SScriptValue(m_answer); break;
        case kCommandDefault: RunDefault(); break;
        default: break;
    }
    return kScriptOk;
}

void SScriptContext::askQuestion(const char* text, uint32_t buttons) {
    // Only the play screen runs the script again with the answer.
    if (m_outputMode == SScriptOutputMode::PlayScreen && m_playScreen) m_playScreen->QueueMessage(text, buttons);
}
