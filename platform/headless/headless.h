#pragma once
// Controls of the headless back end: tests set the screen, the clock and the input, and read back
// what the game did with the device.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/display_escape.h"
#include "platform/library.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace platform::headless {

struct WindowRecord {
    std::string className;
    std::string title;
    uint32_t extendedStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
};

struct MessageBoxRecord {
    std::string text;
    std::string caption;
};

// Returns the device to its starting state: a 480x640 16-bit screen, a 1 MHz counter at 0, an
// empty message queue, no windows, no mutexes, no keys down, no optional libraries, no hardware
// beyond the window (no OEM name, no processor id, no memory to map, no escapes), nothing recorded.
void Reset();

// The screen's depth in bits per pixel; 0 makes the screen unreachable for drawing.
void SetScreenDepth(int bitsPerPixel);
// Makes an optional library present (with no entry points yet), or gives it an entry point.
void ProvideLibrary(const std::string& library);
void ProvideLibraryFunction(const std::string& library, const std::string& name, LibraryFunction function);
// Libraries the program has loaded and not freed.
size_t OpenLibraries();

// The counter frequency in ticks per second; 0 makes the device report that it has no counter.
void SetCounterFrequency(uint64_t frequency);
// Moves every clock forward; sleeping does the same, so a paced loop never waits for real.
void AdvanceTime(uint32_t milliseconds);
void SetTickCount(uint32_t milliseconds);
void SetCounter(uint64_t ticks);
// The wall-clock time in local seconds since 1970 (1,700,000,000 after Reset); it does not advance.
void SetLocalTime(int64_t seconds);
// Every reading of the counter or the tick count moves the clocks on by this many milliseconds
// afterwards (0 after Reset), as a real clock runs on while the program works between readings.
void SetTimePerClockReading(uint32_t milliseconds);

// Queues a message for the program's window (the last one created).
void PushMessage(uint32_t code, uintptr_t wParam = 0, intptr_t lParam = 0);
// Called when the program waits for a message and none is queued; it may push some. When the queue
// is still empty afterwards the wait ends with the quit message, so a test can never hang.
void SetWaitHook(std::function<void()> hook);
size_t QueuedMessages();

void SetKeyDown(uint32_t virtualKey, bool down);
// Makes a named mutex exist already, as if another instance were running.
void AddExistingMutex(const std::string& name);

// Pretend hardware. Memory handed in stays the test's; it must outlive the program's use of it.
void SetOemInfo(const std::string& text);
// Without an id (after Reset) reading it faults.
void SetProcessorId(uint32_t id);
// Physical memory at `physical` (controller registers, video memory) that the program may map.
void ProvidePhysicalMemory(uint32_t physical, void* memory, size_t size);
// Mappings the program has made and not released.
size_t PhysicalMappings();
// Memory in the kernel's fixed window at `address`.
void ProvideKernelMemory(uint32_t address, void* memory, size_t size);
// Called before every register read, so that a test can move the hardware on while it is polled.
void SetRegisterReadHook(std::function<void(const void* block, uint32_t offset)> hook);
// The display driver answers the escape with this record.
void SetDirectFrameBuffer(const DirectFrameBufferInfo& info);
void SetRawFrameBuffer(const RawFrameBufferInfo& info);

// What the game did.
const std::vector<WindowRecord>& CreatedWindows();
const std::vector<MessageBoxRecord>& MessageBoxes();
const std::vector<std::string>& ForegroundRequests();
int IdleTimerResets();
int PresentCount();
// Mixes `frames` stereo frames (44,100 a second, left and right interleaved) from the open speaker,
// as the sound device would pull them; silence when no speaker is open.
std::vector<int16_t> PullAudio(int frames);
// Whether a sound device would rest: no speaker is open, or nothing that is heard plays.
bool AudioResting();

// The update rectangle of the last present, as the program passed it.
Rect LastPresentRect();
// What the window shows, device screen sized, one RGB565 value per pixel: the frames presented,
// and the window's own frame memory that a driver writes straight into (GetWindowFrame).
const std::vector<uint16_t>& Screen();

}  // namespace platform::headless
