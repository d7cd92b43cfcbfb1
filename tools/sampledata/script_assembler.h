#pragma once
// SScriptAssembler: builds compiled script images for the sample world and the tests, byte for
// byte as the game's data packages carry them, since the program itself has no script compiler.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The image is a 4-byte head (a 0 u16, then the pool offset), the tokens, a 0 byte, and the string
// pool (a u16 count and the NUL-terminated strings). Padding counts from the image start. Names
// and literals share the pool, each stored once.
class SScriptAssembler {
public:
    // Command names and their ids, for the text front end.
    using Commands = std::map<std::string, uint8_t, std::less<>>;

    SScriptAssembler();

    // A code byte with no operand; also the way to write codes that a compiler never writes.
    SScriptAssembler& Code(uint8_t code);
    SScriptAssembler& Variable(std::string_view name);
    SScriptAssembler& Object(std::string_view name);
    SScriptAssembler& Text(std::string_view text);
    // The narrowest of codes 30, 31 and 32 that holds the value.
    SScriptAssembler& Number(int32_t value);
    // Code 30, 31 or 32 as given; the value is cut to that width.
    SScriptAssembler& Number(int32_t value, uint8_t code);
    SScriptAssembler& Line(int16_t line);
    // A variable, object or string token (code) with any pool index, valid or not.
    SScriptAssembler& StringIndex(uint8_t code, int16_t index);

    // The image. gap zero bytes go between the end byte and the pool, so that a test can move the
    // pool to an odd offset.
    std::vector<uint8_t> Finish(uint32_t gap = 0) const;

    // Whitespace-separated words:
    //   12, -7 (suffix b, w or d forces codes 30, 31 or 32)   "a text" (may hold blanks)
    //   $variable   @object   . (marker)   , (separator)   ; { } ( )   operators (+= == ! ...)
    //   if else return   #12 (line record)   ~ (filler)   <N> (raw code byte N)   command names
    // An unknown word throws std::invalid_argument.
    static std::vector<uint8_t> Assemble(std::string_view source, const Commands& commands = {});

private:
    int16_t Intern(std::string_view text);
    void Pad(uint32_t n);
    void PutLE(uint32_t value, uint32_t width);

    std::vector<uint8_t> m_bytes;
    std::vector<std::string> m_pool;
};
