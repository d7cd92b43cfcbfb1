#pragma once
// Busy-waiting on hardware that finishes on its own: a DMA transfer, the refresh reaching the
// vertical blank.
#include <functional>

namespace HAL {

enum class Yield {
    Never,
    Once,      // give other threads the processor before the first poll, then spin
    EachPoll,  // give it up between polls
};

// Polls until `done` answers true. A controller that has stopped (panel off, transfer lost) would
// otherwise hang the game, so the wait gives up after far more polls than one frame takes; false
// then.
bool PollUntil(const std::function<bool()>& done, Yield yield);

}  // namespace HAL
