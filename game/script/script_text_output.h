#pragma once
// SScriptTextOutput: where a script's messages go on the screen that runs it: the play screen's
// message log, the conversation's text box or the scene's text. Each of those screens answers it.
#include <cstdint>

class SScriptTextOutput {
public:
    // The interface's colour indexes: 0 plain, 2 the highlight that a script's own lines take.
    static constexpr uint32_t kPlainColour = 0;
    static constexpr uint32_t kHighlightColour = 2;

    virtual ~SScriptTextOutput() = default;
    // The text, its markers substituted; a screen with one colour ignores it.
    virtual void ShowText(const char* text, uint32_t colour) = 0;
};
