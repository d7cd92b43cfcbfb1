#pragma once
// SScriptConversation: what a script run by a conversation's answer asks of the conversation
// screen: to end the talk, to fill the screen's own choice list, and to go on to another answer of
// the topic once the script is done. The conversation screen answers it; tests record it.
class SScriptConversation {
public:
    virtual ~SScriptConversation() = default;

    // The talk is over: only the button that leaves stays.
    virtual void Goodbye() = 0;
    // The screen's choice list, emptied, opens below the answer's text.
    virtual void OpenChoiceList() = 0;
    // A line of the open list; choosing it makes `id` the script's list result.
    virtual void AddListLine(const char* id, const char* title) = 0;
    // After the script, the topic goes on with its next available answer, or starts again from its
    // first.
    virtual void GoNext() = 0;
    virtual void GoFirst() = 0;
};
