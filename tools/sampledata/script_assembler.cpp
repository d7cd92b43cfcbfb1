#include "tools/sampledata/script_assembler.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

#include "script/script_tokens.h"

namespace {

constexpr uint32_t kHeadSize = 4;

const std::map<std::string_view, uint8_t> kSymbols = {
    {".", kCodeMarker},        {",", kCodeSeparator},     {"~", kCodeFiller},
    {";", kCodeStatementEnd},  {"{", kCodeBlockOpen},     {"}", kCodeBlockClose},
    {"(", kCodeOpen},          {")", kCodeClose},         {"!=", kCodeNotEqual},
    {"&&", kCodeAnd},          {"++", kCodeIncrement},    {"--", kCodeDecrement},
    {"<=", kCodeLessEqual},    {"<", kCodeLess},          {"==", kCodeEqual},
    {">=", kCodeGreaterEqual}, {">", kCodeGreater},       {"||", kCodeOr},
    {"!", kCodeNot},           {"=", kCodeAssign},        {"+", kCodePlus},
    {"-", kCodeMinus},         {"*", kCodeTimes},         {"/", kCodeDivide},
    {"%", kCodeRemainder},     {"+=", kCodePlusAssign},   {"-=", kCodeMinusAssign},
    {"*=", kCodeTimesAssign},  {"/=", kCodeDivideAssign}, {"%=", kCodeRemainderAssign},
    {"&", kCodeBitAnd},        {"|", kCodeBitOr},         {"if", kCodeIf},
    {"else", kCodeElse},       {"return", kCodeReturn},
};

[[noreturn]] void Refuse(std::string_view word) {
    throw std::invalid_argument("script assembler: cannot read \"" + std::string(word) + "\"");
}

int32_t ParseInt(std::string_view digits, std::string_view word) {
    int32_t value = 0;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc() || stop != end) Refuse(word);
    return value;
}

// The words of a source text; a quoted text is one word, quotes included, blanks and all.
std::vector<std::string_view> Words(std::string_view source) {
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < source.size()) {
        if (std::isspace(static_cast<unsigned char>(source[pos]))) {
            ++pos;
            continue;
        }
        size_t end = pos + 1;
        if (source[pos] == '"') {
            end = source.find('"', pos + 1);
            if (end == std::string_view::npos) Refuse(source.substr(pos));
            ++end;
        } else {
            while (end < source.size() && !std::isspace(static_cast<unsigned char>(source[end]))) ++end;
        }
        words.push_back(source.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

bool IsNumberWord(std::string_view word) {
    const size_t first = word[0] == '-' || word[0] == '+' ? 1 : 0;
    return first < word.size() && std::isdigit(static_cast<unsigned char>(word[first]));
}

void AssembleNumber(SScriptAssembler& out, std::string_view word) {
    static const std::map<char, uint8_t> kWidths = {{'b', kCodeNumber8}, {'w', kCodeNumber16}, {'d', kCodeNumber32}};
    auto width = kWidths.find(word.back());
    if (width == kWidths.end()) {
        out.Number(ParseInt(word[0] == '+' ? word.substr(1) : word, word));
        return;
    }
    std::string_view digits = word.substr(0, word.size() - 1);
    out.Number(ParseInt(digits[0] == '+' ? digits.substr(1) : digits, word), width->second);
}

}  // namespace

SScriptAssembler::SScriptAssembler() : m_bytes(kHeadSize, 0) {}

SScriptAssembler& SScriptAssembler::Code(uint8_t code) {
    m_bytes.push_back(code);
    return *this;
}

SScriptAssembler& SScriptAssembler::StringIndex(uint8_t code, int16_t index) {
    Code(code);
    Pad(2);
    PutLE(static_cast<uint16_t>(index), 2);
    return *this;
}

SScriptAssembler& SScriptAssembler::Variable(std::string_view name) { return StringIndex(kCodeVariable, Intern(name)); }
SScriptAssembler& SScriptAssembler::Object(std::string_view name) { return StringIndex(kCodeObject, Intern(name)); }
SScriptAssembler& SScriptAssembler::Text(std::string_view text) { return StringIndex(kCodeString, Intern(text)); }

SScriptAssembler& SScriptAssembler::Number(int32_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) return Number(value, kCodeNumber8);
    if (value >= INT16_MIN && value <= INT16_MAX) return Number(value, kCodeNumber16);
    return Number(value, kCodeNumber32);
}

SScriptAssembler& SScriptAssembler::Number(int32_t value, uint8_t code) {
    Code(code);
    const uint32_t width = code == kCodeNumber8 ? 1 : code == kCodeNumber16 ? 2 : 4;
    Pad(width);
    PutLE(static_cast<uint32_t>(value), width);
    return *this;
}

SScriptAssembler& SScriptAssembler::Line(int16_t line) {
    Code(kCodeLine);
    Pad(2);
    PutLE(0, 2);
    PutLE(static_cast<uint16_t>(line), 2);
    return *this;
}

std::vector<uint8_t> SScriptAssembler::Finish(uint32_t gap) const {
    std::vector<uint8_t> image = m_bytes;
    image.push_back(kCodeEnd);
    image.resize(image.size() + gap, 0);
    if (image.size() > UINT16_MAX) throw std::length_error("script assembler: token stream too long");
    const auto pool = static_cast<uint16_t>(image.size());
    image[2] = uint8_t(pool);
    image[3] = uint8_t(pool >> 8);
    image.push_back(uint8_t(m_pool.size()));
    image.push_back(uint8_t(m_pool.size() >> 8));
    for (const std::string& text : m_pool) {
        image.insert(image.end(), text.begin(), text.end());
        image.push_back(0);
    }
    return image;
}

std::vector<uint8_t> SScriptAssembler::Assemble(std::string_view source, const Commands& commands) {
    SScriptAssembler out;
    for (std::string_view word : Words(source)) {
        if (auto symbol = kSymbols.find(word); symbol != kSymbols.end())
            out.Code(symbol->second);
        else if (auto command = commands.find(word); command != commands.end())
            out.Code(command->second);
        else if (word[0] == '"')
            out.Text(word.substr(1, word.size() - 2));
        else if (word[0] == '$' && word.size() > 1)
            out.Variable(word.substr(1));
        else if (word[0] == '@' && word.size() > 1)
            out.Object(word.substr(1));
        else if (word[0] == '#' && word.size() > 1)
            out.Line(static_cast<int16_t>(ParseInt(word.substr(1), word)));
        else if (word.front() == '<' && word.back() == '>' && word.size() > 2)
            out.Code(static_cast<uint8_t>(ParseInt(word.substr(1, word.size() - 2), word)));
        else if (IsNumberWord(word))
            AssembleNumber(out, word);
        else
            Refuse(word);
    }
    return out.Finish();
}

int16_t SScriptAssembler::Intern(std::string_view text) {
    auto found = std::find(m_pool.begin(), m_pool.end(), text);
    if (found != m_pool.end()) return static_cast<int16_t>(found - m_pool.begin());
    m_pool.emplace_back(text);
    return static_cast<int16_t>(m_pool.size() - 1);
}

void SScriptAssembler::Pad(uint32_t n) {
    while (m_bytes.size() % n != 0) m_bytes.push_back(0);
}

void SScriptAssembler::PutLE(uint32_t value, uint32_t width) {
    for (uint32_t i = 0; i < width; ++i) m_bytes.push_back(uint8_t(value >> (8 * i)));
}
