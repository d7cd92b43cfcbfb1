#include "script/script_tokens.h"

#include <array>

namespace {

// Ranges first, then the codes that are their own class. The range rows also cover codes that a
// compiler never writes (34-39, 52-59, 62-69, 94, 98, 99, 255); those are refused by their
// operand, so their class is never looked at.
constexpr std::array<ScriptClass, 256> BuildClasses() {
    std::array<ScriptClass, 256> classes{};
    for (int code = 0; code < 256; ++code) {
        if (code >= 30 && code <= 39)
            classes[code] = kClassImmediate;
        else if (code >= 50 && code <= 59)
            classes[code] = kClassBlock;
        else if (code >= 60 && code <= 69)
            classes[code] = kClassBracket;
        else if (code >= 70 && code <= 94)
            classes[code] = kClassOperator;
        else if (code >= 95 && code <= 99)
            classes[code] = kClassKeyword;
        else if (code >= 100)
            classes[code] = kClassCommand;
        else
            classes[code] = static_cast<ScriptClass>(code);
    }
    return classes;
}

constexpr std::array<ScriptOperand, 256> BuildOperands() {
    std::array<ScriptOperand, 256> operands{};
    for (int code : {kCodeEnd, kCodeStatementEnd, kCodeMarker, kCodeSeparator, kCodeFiller, kCodeBlockOpen,
                     kCodeBlockClose, kCodeOpen, kCodeClose, kCodeIf, kCodeElse, kCodeReturn})
        operands[code] = ScriptOperand::None;
    for (int code = kCodeNotEqual; code <= kCodeBitOr; ++code) operands[code] = ScriptOperand::None;
    for (int code = kCodeFirstCommand; code <= kCodeLastCommand; ++code) operands[code] = ScriptOperand::None;
    for (int code : {kCodeVariable, kCodeObject, kCodeString}) operands[code] = ScriptOperand::String;
    operands[kCodeLine] = ScriptOperand::Line;
    operands[kCodeNumber8] = ScriptOperand::Int8;
    operands[kCodeNumber16] = ScriptOperand::Int16;
    operands[kCodeNumber32] = ScriptOperand::Int32;
    return operands;
}

constexpr std::array<ScriptClass, 256> kTokensClasses = BuildClasses();
constexpr std::array<ScriptOperand, 256> kOperands = BuildOperands();

}  // namespace

ScriptClass TokenClass(uint8_t code) { return kTokensClasses[code]; }
ScriptOperand TokenOperand(uint8_t code) { return kOperands[code]; }
