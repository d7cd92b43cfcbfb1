#pragma once
// SScriptValue: the one value type of the script language.
#include <cstdint>
#include <string>

class SArchive;

// Every value carries a text and a 32-bit number at once, and remembers which of the two it was
// made as. A number value's text is its decimal form; a text value's number is the decimal
// reading of its text. Operators take the left value's kind to choose between text and number
// rules.
//
// Most number results are never read as text, so a number value writes its decimal text only
// when Text() first asks for it; a script then runs without formatting or allocating per
// operation.
class SScriptValue {
public:
    // Joined texts stop growing here, far beyond any text a dialog shows: a script that joins a
    // text to itself over and over would otherwise double it until memory ran out.
    static constexpr int kLongestText = 65536;

    // The number 0.
    SScriptValue();
    // A text value; a null text gives "". Script text writes a tab as backslash, 'g'.
    explicit SScriptValue(const char* text);
    explicit SScriptValue(int32_t number);

    // Valid until the value next changes.
    const char* Text() const;
    int32_t Number() const { return m_number; }
    bool IsText() const { return m_isText; }

    void Assign(const SScriptValue& other) { *this = other; }
    void SetText(const char* text);
    void SetNumber(int32_t number);

    // A text on the left joins the right's text, up to kLongestText characters; a number on the left
    // adds the right's number.
    void Add(const SScriptValue& other);
    // Number results in wrapping 32-bit arithmetic; the texts play no part. Division truncates
    // towards zero and the remainder takes the dividend's sign; dividing by zero gives 0.
    void Subtract(const SScriptValue& other);
    void Multiply(const SScriptValue& other);
    void Divide(const SScriptValue& other);
    void Remainder(const SScriptValue& other);
    void BitAnd(const SScriptValue& other);
    void BitOr(const SScriptValue& other);
    void Not();
    void Increment();
    void Decrement();
    // Two literals in a row: a text value gets the literal appended (up to kLongestText characters)
    // and keeps its number; a number
    // value adds the literal's 16-bit reading and keeps its text. Either way the other form is
    // left as it was.
    void AppendLiteral(const char* literal);

    // Negative, zero or positive as this value is below, equal to or above the other: texts
    // compared ignoring A-Z case when this value is a text, else the numbers.
    int Compare(const SScriptValue& other) const;
    // && and ||: texts count as true when non-empty, numbers when non-zero; this value's kind
    // decides which form of both values is looked at.
    bool And(const SScriptValue& other) const;
    bool Or(const SScriptValue& other) const;

    // A u8 is-text flag, then the text and its NUL, or 0-3 zero bytes to a multiple of 4 from the
    // record start and an i32. Unless keep is set, the other form is rebuilt afterwards.
    void Serialize(SArchive& archive, bool keep);

private:
    // Appends as much of the text as kLongestText leaves room for.
    void appendText(const char* text);
    // Script text writes a tab as backslash, 'g'.
    void ApplyTabRule();
    // Applies the tab rule and takes the number from the text.
    void TextChanged();
    // The number kept to 32 bits, as the wrapping arithmetic of the device gave it.
    void NumberResult(uint32_t bits) { SetNumber(static_cast<int32_t>(bits)); }
    // Whether value counts as true for && and ||, looking at its text or its number.
    bool IsTrue(const SScriptValue& value) const;

    // A number value's text before Text() has written it holds nothing of use.
    mutable std::string m_text;
    mutable bool m_hasText;
    int32_t m_number;
    bool m_isText;
};
