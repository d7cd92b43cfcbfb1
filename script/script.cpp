#include "script/script.h"

#include <cstring>
#include <memory>
#include <optional>

#include "engine/base/byte_order.h"
#include "script/script_command_sink.h"
#include "script/script_output.h"

namespace {

constexpr uint32_t kStreamStart = 4;
constexpr uint32_t kNoPosition = 0;

constexpr struct {
    int code;
    const char* text;
} kErrorTexts[] = {
    {kScriptOk, "no error"},
    {kScriptInvalidToken, "invalid token"},
    {kScriptLvalueRequired, "lvalue required"},
    {kScriptBracketRequired, "( required"},
    {kScriptUnexpectedStatementEnd, "unexpected ;"},
    {kScriptUnexpectedClose, "unexpected )"},
    {kScriptUnexpectedBlockClose, "unexpected }"},
    {kScriptElseWithoutIf, "else without if"},
    {kScriptUnexpectedEnd, "unexpected end of file"},
    {kScriptNotAnObject, "not an object"},
    {kScriptMethodRequired, "object method required"},
    {kScriptRvalueRequired, "rvalue required"},
    {kScriptReturn, "return"},
    {kScriptTooDeep, "nesting too deep"},
    {kScriptBusy, "script already running"},
};

uint32_t AlignUp(uint32_t offset, uint32_t n) { return (offset + n - 1) & ~(n - 1); }

// The value operators +, -, *, /, %, & and |, plain or compound, leave in target.
void Arithmetic(SScriptValue& target, uint8_t op, const SScriptValue& right) {
    switch (op) {
        case kCodePlus:
        case kCodePlusAssign: target.Add(right); break;
        case kCodeMinus:
        case kCodeMinusAssign: target.Subtract(right); break;
        case kCodeTimes:
        case kCodeTimesAssign: target.Multiply(right); break;
        case kCodeDivide:
        case kCodeDivideAssign: target.Divide(right); break;
        case kCodeRemainder:
        case kCodeRemainderAssign: target.Remainder(right); break;
        case kCodeBitAnd: target.BitAnd(right); break;
        case kCodeBitOr: target.BitOr(right); break;
        default: break;
    }
}

// The 1 or 0 of a comparison or logic operator; empty for the other operators.
std::optional<bool> Test(uint8_t op, const SScriptValue& left, const SScriptValue& right) {
    switch (op) {
        case kCodeNotEqual: return left.Compare(right) != 0;
        case kCodeEqual: return left.Compare(right) == 0;
        case kCodeLess: return left.Compare(right) < 0;
        case kCodeLessEqual: return left.Compare(right) <= 0;
        case kCodeGreater: return left.Compare(right) > 0;
        case kCodeGreaterEqual: return left.Compare(right) >= 0;
        case kCodeAnd: return left.And(right);
        case kCodeOr: return left.Or(right);
        default: return std::nullopt;
    }
}

bool IsCompoundAssign(uint8_t op) { return op >= kCodePlusAssign && op <= kCodeRemainderAssign; }

}  // namespace

SScriptVariable::SScriptVariable(const char* name) : m_value("") {
    m_name.SetOwned();
    m_name.Set(name);
}

SScript::SScript() : m_strings(SPtrArray<const char>::kDefaultStep, false) {}

SScript::~SScript() = default;

void SScript::Init(SScriptOutput* output) { m_output = output; }

void SScript::SetContext(SScriptCommandSink* context) { m_context = context; }

const char* SScript::ErrorText(int code) {
    for (const auto& entry : kErrorTexts)
        if (entry.code == code) return entry.text;
    return "Unknown error";
}

// ---- Binding an image ----------------------------------------------------------------------

int SScript::Load(const uint8_t* image, uint32_t length) {
    if (m_running) return kScriptBusy;
    Unbind();
    int code = kScriptUnexpectedEnd;
    if (image != nullptr && length >= kStreamStart) {
        const uint32_t pool = ReadLE16(image + 2);
        code = LoadPool(image, length, pool);
        if (code == kScriptOk) {
            m_image = image;
            m_streamEnd = pool;
            code = CheckTokens();
        }
    }
    if (code == kScriptOk) return code;
    Unbind();
    m_unboundCode = code;
    return Fail(code);
}

void SScript::Unbind() {
    m_image = nullptr;
    m_streamEnd = 0;
    m_strings.Destroy();
    m_current = m_next = m_previous = kNoPosition;
    m_token = Token{};
}

// The pool must lie after at least the stream's end byte, and every string must end inside the
// image. The count is read byte by byte, since the pool may start at an odd offset.
int SScript::LoadPool(const uint8_t* image, uint32_t length, uint32_t pool) {
    if (pool <= kStreamStart || pool + 2 > length) return kScriptUnexpectedEnd;
    const uint16_t count = ReadLE16(image + pool);
    uint32_t pos = pool + 2;
    for (uint32_t i = 0; i < count; ++i) {
        const void* end = pos < length ? std::memchr(image + pos, 0, length - pos) : nullptr;
        if (end == nullptr) return kScriptUnexpectedEnd;
        m_strings.Append(reinterpret_cast<const char*>(image + pos));
        pos = uint32_t(static_cast<const uint8_t*>(end) - image) + 1;
    }
    return kScriptOk;
}

// Runs walk the tokens only from the stream start onwards, one token after another, so decoding
// every token once here proves every read that a run can make.
int SScript::CheckTokens() const {
    Token token;
    uint32_t pos = kStreamStart;
    uint32_t next = kNoPosition;
    for (;;) {
        if (int code = ReadToken(pos, token, next)) return code;
        if (token.code == kCodeEnd) return kScriptOk;
        pos = next;
    }
}

int SScript::ReadToken(uint32_t pos, Token& token, uint32_t& next) const {
    if (pos >= m_streamEnd) return kScriptUnexpectedEnd;
    token = Token{};
    token.code = m_image[pos];
    token.cls = TokenClass(token.code);
    uint32_t at = pos + 1;
    // Moves to the operand's alignment from the image start; false when it would not fit.
    auto operand = [&](uint32_t align, uint32_t width) {
        at = AlignUp(at, align);
        return at + width <= m_streamEnd;
    };
    switch (TokenOperand(token.code)) {
        case ScriptOperand::Undefined: return kScriptInvalidToken;
        case ScriptOperand::None: break;
        case ScriptOperand::Int8:
            if (!operand(1, 1)) return kScriptUnexpectedEnd;
            token.value = static_cast<int8_t>(m_image[at]);
            at += 1;
            break;
        case ScriptOperand::Int16:
            if (!operand(2, 2)) return kScriptUnexpectedEnd;
            token.value = static_cast<int16_t>(ReadLE16(m_image + at));
            at += 2;
            break;
        case ScriptOperand::Int32:
            if (!operand(4, 4)) return kScriptUnexpectedEnd;
            token.value = static_cast<int32_t>(ReadLE32(m_image + at));
            at += 4;
            break;
        case ScriptOperand::String:
            if (!operand(2, 2)) return kScriptUnexpectedEnd;
            token.text = m_strings.At(static_cast<int16_t>(ReadLE16(m_image + at)));
            if (token.text == nullptr) return kScriptInvalidToken;
            at += 2;
            break;
        case ScriptOperand::Line:
            if (!operand(2, 4)) return kScriptUnexpectedEnd;
            token.value = static_cast<int16_t>(ReadLE16(m_image + at + 2));
            at += 4;
            break;
    }
    next = at;
    return kScriptOk;
}

// ---- Walking the tokens --------------------------------------------------------------------

bool SScript::NextToken() {
    m_token = Token{};
    if (m_current == kNoPosition) return false;
    Token token;
    uint32_t pos = m_current;
    uint32_t next = kNoPosition;
    for (;;) {
        if (ReadToken(pos, token, next) != kScriptOk || token.code == kCodeEnd) return false;
        if (token.code == kCodeLine)
            m_line = token.value;
        else if (token.code != kCodeFiller)
            break;
        pos = next;
    }
    token.line = static_cast<uint8_t>(m_line);
    m_token = token;
    m_next = next;
    return true;
}

void SScript::Advance() {
    m_previous = m_current;
    m_current = m_next;
}

void SScript::StepBack() {
    m_next = m_current;
    m_current = m_previous;
    m_previous = kNoPosition;
}

// ---- Running -------------------------------------------------------------------------------

bool SScript::Execute() {
    if (Succeeded(RunToEnd())) return true;
    if (m_output != nullptr) m_output->QueueMessage("Script error!", SScriptOutput::kButtonOk);
    return false;
}

int SScript::RunToEnd() {
    if (m_running) return kScriptBusy;
    m_stack.clear();
    m_depth = 0;
    m_line = 0;
    m_nesting = 0;
    m_token = Token{};
    m_errorCode = kScriptOk;
    m_errorMessage.Assign(ErrorText(kScriptOk));
    m_errorLine = 0;
    if (m_image == nullptr) return Fail(m_unboundCode);
    m_current = kStreamStart;
    m_next = m_previous = kNoPosition;
    m_running = true;
    const int code = Run(RunMode::ToEnd);
    m_running = false;
    return code;
}

int SScript::Run(RunMode mode) {
    const Nested nested(m_nesting);
    if (nested.TooDeep()) return Fail(kScriptTooDeep);
    if (!NextToken()) return mode == RunMode::ToEnd ? kScriptOk : Fail(kScriptUnexpectedEnd);
    const bool block = mode == RunMode::OneStatement && m_token.code == kCodeBlockOpen;
    if (block) Advance();
    // An empty statement counts as the one statement, so that "if (c) ; else x;" keeps its else.
    const bool single = mode == RunMode::OneStatement && !block;
    while (NextToken()) {
        if (m_token.code == kCodeStatementEnd) {
            Advance();
        } else if (m_token.code == kCodeBlockClose) {
            if (!block) return Fail(kScriptUnexpectedBlockClose);
            Advance();
            return kScriptOk;
        } else if (int code = ExecStatement()) {
            return code;
        }
        if (single) break;
    }
    // A block that the program ends before its } ends without error.
    return kScriptOk;
}

int SScript::ExecStatement() {
    const size_t height = m_stack.size();
    for (;;) {
        if (!NextToken()) return Fail(kScriptUnexpectedEnd);
        switch (m_token.cls) {
            case kClassKeyword: {
                const size_t before = m_stack.size();
                const int code = ExecControl();
                PopTo(before);
                if (code != kScriptOk) return code;
                if (NextIs(kCodeStatementEnd)) Advance();
                return kScriptOk;
            }
            case kClassOperator: {
                const uint8_t op = m_token.code;
                Advance();
                if (int code = EvalExpression(kCodeStatementEnd, false)) return code;
                if (int code = ApplyOperator(op)) return code;
                break;
            }
            case kClassStatementEnd:
                Advance();
                PopTo(height);
                return kScriptOk;
            case kClassImmediate: return Fail(kScriptLvalueRequired);
            case kClassVariable:
                if (int code = PushVariable()) return code;
                break;
            case kClassCommand:
            case kClassObject:
                if (int code = Call()) return code;
                break;
            // Brackets, separators, markers and blocks cannot begin or continue a statement.
            default: return Fail(kScriptInvalidToken);
        }
    }
}

int SScript::ExecControl() {
    const uint8_t keyword = m_token.code;
    Advance();
    if (!NextToken()) return Fail(kScriptUnexpectedEnd);
    int32_t condition = 0;
    if (m_token.code == kCodeOpen) {
        Advance();
        ++m_depth;
        if (!NextToken()) return Fail(kScriptUnexpectedEnd);
        if (m_token.code == kCodeClose) {
            // Empty brackets close here, so that the statements after them see the right depth.
            Advance();
            --m_depth;
        } else {
            const size_t height = m_stack.size();
            if (int code = EvalExpression(kCodeClose, true)) return code;
            if (m_stack.size() > height) condition = Pop().value.Number();
        }
    } else if (m_token.code != kCodeStatementEnd) {
        return Fail(kScriptBracketRequired);
    }
    if (keyword == kCodeElse) return Fail(kScriptElseWithoutIf);
    if (keyword == kCodeReturn) return Fail(kScriptReturn);
    if (condition != 0) {
        if (int code = Run(RunMode::OneStatement)) return code;
        if (!NextIs(kCodeElse)) return kScriptOk;
        Advance();
        return SkipStatement();
    }
    if (int code = SkipStatement()) return code;
    if (!NextIs(kCodeElse)) return kScriptOk;
    Advance();
    return Run(RunMode::OneStatement);
}

// An if statement is passed together with its whole else chain.
int SScript::SkipStatement() {
    if (!NextToken()) return Fail(kScriptUnexpectedEnd);
    const bool chain = m_token.code == kCodeIf;
    if (int code = SkipPart()) return code;
    while (chain && NextIs(kCodeElse)) {
        Advance();
        if (int code = SkipPart()) return code;
    }
    return kScriptOk;
}

int SScript::SkipPart() {
    while (NextToken()) {
        switch (m_token.code) {
            case kCodeStatementEnd: Advance(); return kScriptOk;
            case kCodeBlockOpen: return SkipBlock();
            case kCodeBlockClose: return Fail(kScriptUnexpectedBlockClose);
            default: Advance(); break;
        }
    }
    return Fail(kScriptUnexpectedEnd);
}

int SScript::SkipBlock() {
    int open = 0;
    while (NextToken()) {
        if (m_token.code == kCodeBlockOpen) ++open;
        if (m_token.code == kCodeBlockClose) --open;
        Advance();
        if (open == 0) return kScriptOk;
    }
    return Fail(kScriptUnexpectedEnd);
}

// ---- Expressions ---------------------------------------------------------------------------

int SScript::EvalExpression(uint8_t terminator, bool opened) {
    const Nested nested(m_nesting);
    if (nested.TooDeep()) return Fail(kScriptTooDeep);
    // Set after an immediate, so that a string literal right after it joins that value.
    bool literal = false;
    for (;;) {
        if (!NextToken()) return Fail(kScriptUnexpectedEnd);
        switch (m_token.cls) {
            case kClassOperator: {
                const uint8_t op = m_token.code;
                Advance();
                literal = false;
                bool applied = false;
                if (int code = EvalOperator(op, terminator, applied)) return code;
                if (!applied) return kScriptOk;
                break;
            }
            case kClassStatementEnd:
                if (terminator == kCodeStatementEnd) return kScriptOk;
                return Fail(kScriptUnexpectedStatementEnd);
            case kClassImmediate:
                if (literal && !m_stack.empty() && m_token.code == kCodeString)
                    m_stack.back().value.AppendLiteral(m_token.text);
                else if (m_token.code == kCodeString)
                    Push(SScriptValue(m_token.text));
                else
                    Push(SScriptValue(m_token.value));
                literal = true;
                Advance();
                break;
            case kClassVariable:
                literal = false;
                if (int code = PushVariable()) return code;
                break;
            case kClassCommand:
            case kClassObject: {
                literal = false;
                const size_t height = m_stack.size();
                if (int code = Call()) return code;
                if (m_stack.size() == height) return FailQuietly(kScriptRvalueRequired);
                break;
            }
            case kClassSeparator:
                literal = false;
                Advance();
                break;
            case kClassBracket:
                if (m_token.code == kCodeOpen) {
                    Advance();
                    ++m_depth;
                    literal = false;
                    if (int code = EvalExpression(kCodeClose, true)) return code;
                    break;
                }
                if (terminator == kCodeClose) {
                    if (!opened) return kScriptOk;
                    Advance();
                    if (--m_depth >= 0) return kScriptOk;
                }
                return Fail(kScriptUnexpectedClose);
            default: return FailQuietly(kScriptRvalueRequired);
        }
    }
}

// The operator just consumed: evaluates its right side and applies it. applied stays false when
// the expression ends here instead: at the program's end, or when a + or - must wait for the
// operator pending in the calling level.
int SScript::EvalOperator(uint8_t op, uint8_t terminator, bool& applied) {
    if (op != kCodeIncrement && op != kCodeDecrement) {
        if (!NextToken()) return kScriptOk;
        int code;
        if (m_token.code == kCodeOpen) {
            Advance();
            ++m_depth;
            code = EvalExpression(kCodeClose, true);
        } else if ((op == kCodePlus || op == kCodeMinus) && terminator == kCodeStatementEnd && m_stack.size() >= 3) {
            StepBack();
            return kScriptOk;
        } else {
            code = EvalExpression(m_depth != 0 ? kCodeClose : kCodeStatementEnd, false);
        }
        if (code != kScriptOk) return code;
    }
    if (!NextToken()) return kScriptOk;
    applied = true;
    return ApplyOperator(op);
}

int SScript::ApplyOperator(uint8_t op) {
    const bool unary = op == kCodeIncrement || op == kCodeDecrement || op == kCodeNot;
    // Compiled scripts never leave an operator short of operands; a damaged one ends here.
    if (m_stack.size() < (unary ? 1u : 2u)) return FailQuietly(kScriptRvalueRequired);
    StackEntry right = Pop();
    if (op == kCodeNot) {
        right.value.Not();
        Push(right.value);
        return kScriptOk;
    }
    if (unary) {
        if (right.ref == nullptr) return Fail(kScriptLvalueRequired);
        if (op == kCodeIncrement)
            right.ref->Increment();
        else
            right.ref->Decrement();
        return kScriptOk;
    }
    StackEntry left = Pop();
    if (op == kCodeAssign || IsCompoundAssign(op)) {
        if (left.ref == nullptr) return Fail(kScriptLvalueRequired);
        // A compound assignment starts from the value the variable had when it was named.
        if (op == kCodeAssign)
            left.value = right.value;
        else
            Arithmetic(left.value, op, right.value);
        *left.ref = left.value;
        return kScriptOk;
    }
    if (std::optional<bool> truth = Test(op, left.value, right.value)) {
        Push(SScriptValue(int32_t{*truth ? 1 : 0}));
        return kScriptOk;
    }
    Arithmetic(left.value, op, right.value);
    Push(left.value);
    return kScriptOk;
}

int SScript::Call() {
    const char* target = "(this)";
    if (m_token.code == kCodeObject) {
        target = m_token.text;
        Advance();
        if (!NextToken()) return Fail(kScriptUnexpectedEnd);
        if (m_token.code != kCodeMarker) {
            // An object name on its own is a text value.
            Push(SScriptValue(target));
            return kScriptOk;
        }
        Advance();
        if (!NextToken()) return Fail(kScriptUnexpectedEnd);
    }
    if (m_token.cls != kClassCommand) return Fail(kScriptMethodRequired);
    const uint8_t id = m_token.code;
    Advance();
    if (!NextToken()) return Fail(kScriptUnexpectedEnd);
    if (m_token.code != kCodeOpen) return Fail(kScriptBracketRequired);
    Advance();
    ++m_depth;
    if (!NextToken()) return Fail(kScriptUnexpectedEnd);

    SScriptValue args[3] = {SScriptValue(""), SScriptValue(""), SScriptValue("")};
    if (m_token.code == kCodeClose) {
        --m_depth;
        Advance();
    } else {
        const size_t height = m_stack.size();
        if (int code = EvalExpression(kCodeClose, true)) return code;
        // Values beyond the third are dropped; the rest are the arguments in their order.
        PopTo(height + 3);
        for (size_t i = height; i < m_stack.size(); ++i) args[i - height] = m_stack[i].value;
        PopTo(height);
    }

    std::optional<SScriptValue> result;
    if (m_context != nullptr)
        if (int code = m_context->CallCommand(target, id, args[0], args[1], args[2], result)) return FailQuietly(code);
    if (result) Push(*result);
    return kScriptOk;
}

// ---- Variables and the value stack ---------------------------------------------------------

SScriptVariable* SScript::GetVariable(const char* name) {
    if (name == nullptr || name[0] == '\0') return nullptr;
    if (SScriptVariable* found = m_variables.FindByName(name)) return found;
    auto created = std::make_unique<SScriptVariable>(name);
    if (!m_variables.Append(created.get())) return nullptr;
    return created.release();
}

int SScript::PushVariable() {
    SScriptVariable* variable = GetVariable(m_token.text);
    if (variable == nullptr) return Fail(kScriptInvalidToken);
    Push(variable->m_value, &variable->m_value);
    Advance();
    return kScriptOk;
}

void SScript::Push(const SScriptValue& value, SScriptValue* ref) { m_stack.push_back(StackEntry{ref, value}); }

SScript::StackEntry SScript::Pop() {
    StackEntry entry = std::move(m_stack.back());
    m_stack.pop_back();
    return entry;
}

void SScript::PopTo(size_t height) {
    if (m_stack.size() > height) m_stack.erase(m_stack.begin() + static_cast<std::ptrdiff_t>(height), m_stack.end());
}

// ---- Error state ---------------------------------------------------------------------------

int SScript::Fail(int code) {
    m_errorCode = code;
    m_errorMessage.Assign(ErrorText(code));
    m_errorLine = m_token.line;
    return code;
}

int SScript::FailQuietly(int code) {
    m_errorCode = code;
    return code;
}
