#pragma once
// SScript: the interpreter of the compiled scripts that the data packages carry.
#include <cstdint>
#include <vector>

#include "engine/base/name.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"
#include "script/script_errors.h"
#include "script/script_tokens.h"
#include "script/script_value.h"

class SScriptCommandSink;
class SScriptOutput;

// A script variable; it lives as long as the interpreter, so a name keeps its value from one
// script run to the next.
class SScriptVariable {
public:
    explicit SScriptVariable(const char* name);
    const SName& NameKey() const { return m_name; }

    SScriptValue m_value;

private:
    SName m_name;
};

// A program image is a 4-byte head (the u16 at 2 is the string pool's offset), a token stream
// ended by a 0 byte, and the pool: a u16 count and that many NUL-terminated strings. The tokens
// are walked in place, statement by statement, with a recursive expression evaluator over one
// value stack. Command calls go to the script context.
//
// Load checks the whole image against its length, so a damaged script is refused before any of
// it runs, and a run never reads outside the image.
class SScript {
public:
    // How deep brackets, calls and branches may nest: far beyond any real script, and shallow
    // enough that a damaged one cannot exhaust the machine stack.
    static constexpr int kMaxNesting = 1000;

    SScript();
    ~SScript();
    SScript(const SScript&) = delete;
    SScript& operator=(const SScript&) = delete;

    // Where "Script error!" goes.
    void Init(SScriptOutput* output);
    // The script context binds itself here; without one, commands do nothing and give no result.
    void SetContext(SScriptCommandSink* context);

    // Binds an image that the caller keeps alive while it is bound. Answers 0, or the code of
    // the damage found (1 for an unknown code or a string index outside the pool, 11 for an image
    // that ends too early); a damaged image is not bound. Refused with kScriptBusy during a run.
    int Load(const uint8_t* image, uint32_t length);
    // Runs the bound program from its start. A run that ends by return has succeeded; any other
    // failure queues "Script error!" and answers false.
    bool Execute();
    // The same run, answering its code: 0 at the program's end, 20 after a return. Every run
    // starts with an empty value stack, bracket depth 0 and no source line. The conversation
    // screen runs its answers this way.
    int RunToEnd();
    // Whether a run that answered code has succeeded: it reached the end or a return.
    static bool Succeeded(int code) { return code == kScriptOk || code == kScriptReturn; }

    int ErrorCode() const { return m_errorCode; }
    const char* ErrorMessage() const { return m_errorMessage.Text(); }
    // The low 8 bits of the source line where the error was found.
    int ErrorLine() const { return m_errorLine; }
    // "Unknown error" for a code without a message.
    static const char* ErrorText(int code);

private:
    enum class RunMode { OneStatement = 0, ToEnd = 5 };

    // The token last read. For variables, object names and string literals, text is the pool
    // string; for numbers, value is the number.
    struct Token {
        int32_t value = 0;
        const char* text = nullptr;
        uint8_t code = kCodeEnd;
        ScriptClass cls = kClassNone;
        uint8_t line = 0;
    };

    struct StackEntry {
        // The variable's value when the entry names a variable.
        SScriptValue* ref;
        SScriptValue value;
    };

    // Counts one level of recursion for as long as it lives.
    class Nested {
    public:
        explicit Nested(int& nesting) : m_nesting(++nesting) {}
        ~Nested() { --m_nesting; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;
        bool TooDeep() const { return m_nesting > kMaxNesting; }

    private:
        int& m_nesting;
    };

    // Decodes one token at pos, fillers and line records included, without moving. Answers 0 and
    // the offset just past it, or the code of the damage found.
    int ReadToken(uint32_t pos, Token& token, uint32_t& next) const;
    int LoadPool(const uint8_t* image, uint32_t length, uint32_t pool);
    int CheckTokens() const;
    void Unbind();

    // Reads the token at the current position into m_token, passing fillers and line records;
    // false at the program's end.
    bool NextToken();
    bool NextIs(uint8_t code) { return NextToken() && m_token.code == code; }
    void Advance();
    void StepBack();

    int Run(RunMode mode);
    int ExecStatement();
    int ExecControl();
    int SkipStatement();
    // Passes tokens up to a statement end (consumed) or over a whole block.
    int SkipPart();
    int SkipBlock();
    int EvalExpression(uint8_t terminator, bool opened);
    int EvalOperator(uint8_t op, uint8_t terminator, bool& applied);
    int ApplyOperator(uint8_t op);
    int Call();
    SScriptVariable* GetVariable(const char* name);

    int PushVariable();
    void Push(const SScriptValue& value, SScriptValue* ref = nullptr);
    StackEntry Pop();
    // Drops the entries above height.
    void PopTo(size_t height);

    // Ends with code, storing its message and the current token's line.
    int Fail(int code);
    // Ends with code and leaves the stored message and line as they were.
    int FailQuietly(int code);

    SScriptOutput* m_output = nullptr;
    SScriptCommandSink* m_context = nullptr;

    int m_errorCode = kScriptOk;
    SString m_errorMessage;
    int m_errorLine = 0;

    int m_line = 0;
    int m_depth = 0;
    int m_nesting = 0;
    bool m_running = false;

    // The bound image; null when none is bound. Its token stream ends before the pool.
    const uint8_t* m_image = nullptr;
    uint32_t m_streamEnd = 0;
    // What a run answers while no image is bound: the damage of the last refused image.
    int m_unboundCode = kScriptUnexpectedEnd;
    // Pointers into the pool, in pool order.
    SPtrArray<const char> m_strings;

    // Offsets in the image; 0 is no position (the token stream starts at 4).
    uint32_t m_current = 0;
    uint32_t m_next = 0;
    uint32_t m_previous = 0;

    std::vector<StackEntry> m_stack;
    SPtrArray<SScriptVariable> m_variables;
    Token m_token;
};
