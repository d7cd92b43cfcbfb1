#pragma once
// SScriptOutput: where the interpreter reports a script that failed.
#include <cstdint>

// The game implements this by queuing a message box on the play screen, whichever screen is
// current, so that the player sees it once play resumes.
class SScriptOutput {
public:
    static constexpr uint32_t kButtonOk = 1;

    virtual ~SScriptOutput() = default;
    // buttons is a set of the message box's button bits.
    virtual void QueueMessage(const char* text, uint32_t buttons) = 0;
};
