#include "framework/device/poll.h"

#include "platform/clock.h"

namespace HAL {

namespace {
// A frame lasts some 16 ms; a register read takes well under a microsecond even on the slowest
// device, so a live controller always answers long before this.
constexpr int kMaxPolls = 1 << 20;
}  // namespace

bool PollUntil(const std::function<bool()>& done, Yield yield) {
    if (yield == Yield::Once) platform::Sleep(0);
    for (int poll = 0; poll < kMaxPolls; ++poll) {
        if (done()) return true;
        if (yield == Yield::EachPoll) platform::Sleep(0);
    }
    return false;
}

}  // namespace HAL
