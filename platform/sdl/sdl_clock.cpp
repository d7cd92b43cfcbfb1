// The device clocks on the desktop: the steady clock in nanoseconds serves as the counter.
#include <chrono>
#include <ctime>
#include <thread>

#include "platform/clock.h"

namespace platform {

namespace {
uint64_t steadyNanoseconds() {
    using namespace std::chrono;
    return uint64_t(duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count());
}
}  // namespace

bool QueryCounterFrequency(uint64_t& frequency) {
    frequency = 1'000'000'000;
    return true;
}
uint64_t QueryCounter() { return steadyNanoseconds(); }
uint32_t TickCount() { return uint32_t(steadyNanoseconds() / 1'000'000); }
void Sleep(uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

int64_t LocalTimeSeconds() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return int64_t(now) + local.tm_gmtoff;
}

}  // namespace platform
