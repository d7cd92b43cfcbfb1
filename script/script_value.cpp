#include "script/script_value.h"

#include <algorithm>
#include <cstring>

#include "engine/base/archive.h"
#include "engine/base/c_string.h"
#include "engine/base/number_text.h"

namespace {

uint32_t Bits(int32_t number) { return static_cast<uint32_t>(number); }

}  // namespace

SScriptValue::SScriptValue() : SScriptValue(int32_t{0}) {}

SScriptValue::SScriptValue(const char* text) : m_text(text ? text : ""), m_hasText(true), m_number(0), m_isText(true) {
    TextChanged();
}

SScriptValue::SScriptValue(int32_t number) { SetNumber(number); }

const char* SScriptValue::Text() const {
    if (!m_hasText) {
        char decimal[kDecimalTextSize];
        IntToStr(m_number, decimal);
        m_text.assign(decimal);
        m_hasText = true;
    }
    return m_text.c_str();
}

// Left to right, and a written tab is never read again as part of a backslash pair. The text only
// shrinks, so it is rewritten in place.
void SScriptValue::ApplyTabRule() {
    if (m_text.find("\\g") == std::string::npos) return;
    size_t kept = 0;
    for (size_t at = 0; at < m_text.size(); ++at, ++kept) {
        const bool tab = m_text[at] == '\\' && at + 1 < m_text.size() && m_text[at + 1] == 'g';
        m_text[kept] = tab ? '\t' : m_text[at];
        at += tab;
    }
    m_text.resize(kept);
}

void SScriptValue::appendText(const char* text) {
    if (!text) return;
    const size_t room = m_text.size() < size_t(kLongestText) ? size_t(kLongestText) - m_text.size() : 0;
    m_text.append(text, std::min(std::strlen(text), room));
}

void SScriptValue::TextChanged() {
    ApplyTabRule();
    m_number = StrToInt(m_text.c_str());
}

void SScriptValue::SetText(const char* text) {
    m_isText = true;
    m_hasText = true;
    m_text.assign(text ? text : "");
    TextChanged();
}

void SScriptValue::SetNumber(int32_t number) {
    m_isText = false;
    m_hasText = false;
    m_number = number;
}

void SScriptValue::Add(const SScriptValue& other) {
    if (!m_isText) return NumberResult(Bits(m_number) + Bits(other.m_number));
    appendText(other.Text());
    TextChanged();
}

void SScriptValue::Subtract(const SScriptValue& other) { NumberResult(Bits(m_number) - Bits(other.m_number)); }
void SScriptValue::Multiply(const SScriptValue& other) { NumberResult(Bits(m_number) * Bits(other.m_number)); }

// The device's division by zero is undefined and the most negative number divided by -1 traps on
// this processor; both get a defined answer here.
void SScriptValue::Divide(const SScriptValue& other) {
    if (other.m_number == 0) return SetNumber(0);
    if (other.m_number == -1) return NumberResult(0u - Bits(m_number));
    SetNumber(m_number / other.m_number);
}

void SScriptValue::Remainder(const SScriptValue& other) {
    if (other.m_number == 0 || other.m_number == -1) return SetNumber(0);
    SetNumber(m_number % other.m_number);
}

void SScriptValue::BitAnd(const SScriptValue& other) { SetNumber(m_number & other.m_number); }
void SScriptValue::BitOr(const SScriptValue& other) { SetNumber(m_number | other.m_number); }
void SScriptValue::Not() { SetNumber(m_number == 0 ? 1 : 0); }
void SScriptValue::Increment() { NumberResult(Bits(m_number) + 1); }
void SScriptValue::Decrement() { NumberResult(Bits(m_number) - 1); }

void SScriptValue::AppendLiteral(const char* literal) {
    if (!m_isText) {
        // The text stays the decimal form of the number as it was before the literal.
        Text();
        m_number = static_cast<int32_t>(Bits(m_number) + Bits(StrToShort(literal)));
        return;
    }
    appendText(literal);
    ApplyTabRule();
}

int SScriptValue::Compare(const SScriptValue& other) const {
    if (m_isText) return StrICmp(Text(), other.Text());
    return (m_number > other.m_number) - (m_number < other.m_number);
}

bool SScriptValue::IsTrue(const SScriptValue& value) const {
    return m_isText ? value.Text()[0] != '\0' : value.m_number != 0;
}

bool SScriptValue::And(const SScriptValue& other) const { return IsTrue(*this) && IsTrue(other); }
bool SScriptValue::Or(const SScriptValue& other) const { return IsTrue(*this) || IsTrue(other); }

void SScriptValue::Serialize(SArchive& archive, bool keep) {
    // A read that keeps the other form keeps the text this value had before it.
    if (keep && !archive.IsWriting()) Text();
    uint8_t isText = m_isText ? 1 : 0;
    archive.SerializeU8(isText);
    m_isText = isText != 0;
    if (m_isText) {
        const char* text = m_text.c_str();
        archive.SerializeCStr(text);
        if (!archive.IsWriting()) m_text.assign(text ? text : "");
        m_hasText = true;
    } else {
        archive.SerializeI32(m_number);
    }
    if (keep) return;
    if (m_isText) {
        m_number = StrToInt(m_text.c_str());
    } else {
        SetNumber(m_number);
    }
}
