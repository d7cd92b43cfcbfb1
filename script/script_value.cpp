#include "script/script_value.h"

#include <algorithm>

#include "engine/base/archive.h"
#include "engine/base/c_string.h"
#include "engine/base/number_text.h"

namespace {

uint32_t Bits(int32_t number) { return static_cast<uint32_t>(number); }

}  // namespace

SScriptValue::SScriptValue() : SScriptValue(int32_t{0}) {}

SScriptValue::SScriptValue(const char* text) : m_text(text), m_number(0), m_isText(true) { TextChanged(); }

SScriptValue::SScriptValue(int32_t number) { SetNumber(number); }

void SScriptValue::appendText(const char* text) {
    if (!text) return;
    const int room = kLongestText - m_text.Length();
    m_text.AppendN(text, std::min(StrLen(text), room));
}

void SScriptValue::ApplyTabRule() { m_text.ReplaceAll("\\g", "\t"); }

void SScriptValue::TextChanged() {
    ApplyTabRule();
    m_number = StrToInt(m_text.Text());
}

void SScriptValue::SetText(const char* text) {
    m_isText = true;
    m_text.Assign(text ? text : "");
    TextChanged();
}

void SScriptValue::SetNumber(int32_t number) {
    m_isText = false;
    m_number = number;
    m_text.Format("%ld", static_cast<long>(number));
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
    return m_isText ? !value.m_text.IsEmpty() : value.m_number != 0;
}

bool SScriptValue::And(const SScriptValue& other) const { return IsTrue(*this) && IsTrue(other); }
bool SScriptValue::Or(const SScriptValue& other) const { return IsTrue(*this) || IsTrue(other); }

void SScriptValue::Serialize(SArchive& archive, bool keep) {
    uint8_t isText = m_isText ? 1 : 0;
    archive.SerializeU8(isText);
    m_isText = isText != 0;
    if (m_isText) {
        archive.SerializeSString(m_text);
    } else {
        archive.SerializeI32(m_number);
    }
    if (keep) return;
    if (m_isText) {
        m_number = StrToInt(m_text.Text());
    } else {
        SetNumber(m_number);
    }
}
