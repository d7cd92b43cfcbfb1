// The commands of the world, which ignore the name written before them.
#include "game/script/script_command_table.h"
#include "game/script/script_context.h"
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

}  // namespace

int SScriptContext::RunGlobalCommand(uint32_t id, const SScriptValue&, const SScriptValue&, const SScriptValue&,
                                     std::optional<SScriptValue>& result) {
    for (const SEventTest& test : kEventTests) {
        if (test.id == id) {
            result = SScriptValue(int32_t(m_event == test.event ? 1 : 0));
            return kScriptOk;
        }
    }
    if (id == kCommandDefault) RunDefault();
    return kScriptOk;
}
