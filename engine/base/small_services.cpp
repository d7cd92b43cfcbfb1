#include "engine/base/small_services.h"

#include <bit>
#include <cstdlib>
#include <cstring>

#include "platform/clock.h"

namespace {
bool g_quitRequested = false;
AutoSaveFunction g_autoSave = nullptr;
ExitFunction g_exit = &std::exit;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}
}  // namespace

void MemZero(void* destination, size_t n) { std::memset(destination, 0, n); }

void* MemCopy(void* destination, const void* source, size_t n) {
    std::memcpy(destination, source, n);
    return static_cast<uint8_t*>(destination) + n;
}

void SleepTicks(uint32_t n) { platform::Sleep(n * 10); }

uint8_t HexToByte(const char* digits) { return uint8_t(hexDigit(digits[0]) * 16 + hexDigit(digits[1])); }

int PopCount16(uint32_t value) { return std::popcount(value & 0xFFFFu); }

int32_t ScaleFraction(int32_t& denominator, int32_t& numerator, int32_t n) {
    numerator = denominator == 0 ? 0 : int32_t(int64_t(numerator) * n / denominator);
    denominator = n;
    return numerator;
}

void QuitNow() {
    if (g_autoSave) g_autoSave();
    QuitWithoutAutoSave();
}

void QuitWithoutAutoSave() {
    g_quitRequested = true;
    g_exit(0);
}

bool QuitRequested() { return g_quitRequested; }
void SetQuitAutoSave(AutoSaveFunction autoSave) { g_autoSave = autoSave; }
void SetExitFunction(ExitFunction exitFunction) { g_exit = exitFunction ? exitFunction : &std::exit; }
