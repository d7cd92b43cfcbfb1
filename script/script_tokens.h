#pragma once
// The token vocabulary of compiled scripts: code bytes, the classes the interpreter switches on,
// and the operand each code carries. The interpreter and the test assembler both read these
// tables, so the byte layout is written down once.
#include <cstdint>

// Code bytes of the token stream. Command calls use their command id (100 to 254) as the code.
enum ScriptCode : uint8_t {
    kCodeEnd = 0,
    kCodeStatementEnd = 3,
    kCodeMarker = 6,
    kCodeVariable = 8,
    kCodeObject = 10,
    kCodeSeparator = 11,
    kCodeFiller = 12,
    kCodeLine = 13,
    kCodeNumber8 = 30,
    kCodeNumber16 = 31,
    kCodeNumber32 = 32,
    kCodeString = 33,
    kCodeBlockOpen = 50,
    kCodeBlockClose = 51,
    kCodeOpen = 60,
    kCodeClose = 61,
    kCodeNotEqual = 70,
    kCodeAnd = 71,
    kCodeIncrement = 72,
    kCodeDecrement = 73,
    kCodeLessEqual = 74,
    kCodeLess = 75,
    kCodeEqual = 76,
    kCodeGreaterEqual = 77,
    kCodeGreater = 78,
    kCodeOr = 79,
    kCodeNot = 80,
    kCodeAssign = 81,
    kCodePlus = 82,
    kCodeMinus = 83,
    kCodeTimes = 84,
    kCodeDivide = 85,
    kCodeRemainder = 86,
    kCodePlusAssign = 87,
    kCodeMinusAssign = 88,
    kCodeTimesAssign = 89,
    kCodeDivideAssign = 90,
    kCodeRemainderAssign = 91,
    kCodeBitAnd = 92,
    kCodeBitOr = 93,
    kCodeIf = 95,
    kCodeElse = 96,
    kCodeReturn = 97,
    kCodeFirstCommand = 100,
    kCodeLastCommand = 254,
};

// What the evaluator and the statement loop switch on. Codes without a class of their own in
// this list (the statement end, marker, variable, object name, separator) are their own class.
enum ScriptClass : uint8_t {
    kClassNone = 0,
    kClassKeyword = 1,
    kClassOperator = 2,
    kClassStatementEnd = 3,
    kClassImmediate = 4,
    kClassMarker = 6,
    kClassBlock = 7,
    kClassVariable = 8,
    kClassCommand = 9,
    kClassObject = 10,
    kClassSeparator = 11,
    kClassFiller = 12,
    kClassLine = 13,
    kClassBracket = 14,
};

// What follows a code byte. Codes marked Undefined never occur in a sound image; an image holding
// one is refused when it is loaded.
enum class ScriptOperand : uint8_t {
    Undefined,
    None,
    Int8,    // no padding
    Int16,   // padded to an even offset from the image start
    Int32,   // padded to a multiple of 4
    String,  // padded to even, an i16 index into the string pool
    Line,    // padded to even, 2 bytes not read, an i16 source line
};

ScriptClass TokenClass(uint8_t code);
ScriptOperand TokenOperand(uint8_t code);
