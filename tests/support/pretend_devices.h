#pragma once
// Pretend handheld hardware on the headless device: the display library, the DMA library, the
// graphics chip's library, the display-driver escapes, LCD controller registers and video memory.
// Each piece writes its calls into Calls(); everything starts absent after Reset().
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/display_escape.h"
#include "platform/display_library.h"
#include "platform/dma_library.h"
#include "platform/graphics_chip_library.h"
#include "platform/headless/headless.h"
#include "support/display_fixture.h"

namespace pretend {

inline std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}

// Video memory the test owns. Its start lies `windowOffset` bytes into a 512 KiB-aligned block, as
// memory mapped by a graphics chip does; every byte starts as kUntouched.
class Memory {
public:
    static constexpr uint8_t kUntouched = 0xA5;
    static constexpr size_t kWindow = 0x80000;

    explicit Memory(size_t bytes, size_t windowOffset = 0x100) : m_bytes(bytes) {
        size_t total = (windowOffset + bytes + kWindow - 1) / kWindow * kWindow;
        m_block = static_cast<uint8_t*>(std::aligned_alloc(kWindow, total));
        m_data = m_block + windowOffset;
        std::memset(m_data, kUntouched, bytes);
    }
    ~Memory() { std::free(m_block); }
    Memory(const Memory&) = delete;
    Memory& operator=(const Memory&) = delete;

    uint8_t* Data() const { return m_data; }
    size_t Size() const { return m_bytes; }
    uint16_t Pixel(size_t pitch, int x, int y) const {
        uint16_t pixel;
        std::memcpy(&pixel, m_data + size_t(y) * pitch + size_t(x) * 2, 2);
        return pixel;
    }

private:
    size_t m_bytes;
    uint8_t* m_block;
    uint8_t* m_data;
};

inline void Log(const std::string& call) { Calls().push_back(call); }

// The display library for games, showing `upright` (the upright top-left pixel) laid out as the
// properties say.
struct DisplayLibrary {
    static inline platform::display_library::Properties properties;
    static inline uint8_t* upright = nullptr;
    static inline int opens = 1;       // what opening the display answers
    static inline int dramBuffer = 0;  // what the DRAM question answers

    static int Open(platform::Window*, uint32_t flags) {
        Log("gx open " + std::to_string(flags));
        return opens;
    }
    static int Close() { return Log("gx close"), 1; }
    static void* Begin() { return Log("gx begin"), upright; }
    static int End() { return Log("gx end"), 1; }
    static platform::display_library::Properties Properties() { return properties; }
    static int IsDramBuffer() { return dramBuffer; }
    static int Suspend() { return Log("gx suspend"), 1; }
    static int Resume() { return Log("gx resume"), 1; }
    static int SetViewport(uint32_t top, uint32_t height, uint32_t, uint32_t) {
        return Log("gx viewport " + std::to_string(top) + " " + std::to_string(height)), 1;
    }

    // Makes the library present with every entry point but `missing`.
    static void Provide(const std::string& missing = "") {
        namespace gx = platform::display_library;
        platform::headless::ProvideLibrary(gx::kLibrary);
        auto entry = [&](const char* name, auto function) {
            if (name != missing)
                platform::headless::ProvideLibraryFunction(gx::kLibrary, name,
                                                           reinterpret_cast<platform::LibraryFunction>(function));
        };
        entry(gx::kOpenDisplay, &Open);
        entry(gx::kCloseDisplay, &Close);
        entry(gx::kBeginDraw, &Begin);
        entry(gx::kEndDraw, &End);
        entry(gx::kGetDisplayProperties, &Properties);
        entry(gx::kIsDisplayDRAMBuffer, &IsDramBuffer);
        entry(gx::kSuspend, &Suspend);
        entry(gx::kResume, &Resume);
        entry(gx::kSetViewport, &SetViewport);
    }
    // An upright screen of `width` x `height` packed into `memory`.
    static void ProvideUpright(uint8_t* memory, uint32_t width, uint32_t height) {
        properties = {width, height, 2, int32_t(width * 2), 16, 0};
        upright = memory;
        Provide();
    }
};

// The DMA library; it reports ready after `busyPolls` questions.
struct DmaLibrary {
    static inline int busyPolls = 0;

    static int IsReady() { return busyPolls > 0 ? (--busyPolls, 0) : 1; }
    static int CopyToVideo(uint32_t left, uint32_t top, uint32_t width, uint32_t height) {
        Log("dma " + std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" +
            std::to_string(height));
        return 1;
    }
    static void Provide() {
        namespace dma = platform::dma_library;
        platform::headless::ProvideLibraryFunction(dma::kLibrary, dma::kIsReady,
                                                   reinterpret_cast<platform::LibraryFunction>(&IsReady));
        platform::headless::ProvideLibraryFunction(dma::kLibrary, dma::kCopyToVideo,
                                                   reinterpret_cast<platform::LibraryFunction>(&CopyToVideo));
    }
};

// The graphics chip's library over `memory`, the chip's own.
struct ChipLibrary {
    static inline uint8_t* memory = nullptr;
    static inline int allocates = 1;  // what allocating the surface answers
    static inline int busyWaits = 0;  // waits that report the chip still busy

    static int Attach() { return Log("chip attach"), 1; }
    static int Detach() { return Log("chip detach"), 1; }
    static int AllocateSurface(uint32_t* surface, uint32_t width, uint32_t height) {
        Log("chip surface " + std::to_string(width) + "x" + std::to_string(height));
        *surface = 7;
        return allocates;
    }
    static int DestroySurface(uint32_t surface) { return Log("chip destroy " + std::to_string(surface)), 1; }
    static int AllocOverlay(uint32_t* overlay) {
        *overlay = 3;
        return Log("chip overlay"), 1;
    }
    static int SetupOverlay(uint32_t overlay, uint32_t surface, int32_t x, int32_t y) {
        return Log("chip setup " + std::to_string(overlay) + " over " + std::to_string(surface) + " at " +
                   std::to_string(x) + "," + std::to_string(y)),
               1;
    }
    static int SetOverlayOnOff(uint32_t, int on) { return Log(on ? "chip on" : "chip off"), 1; }
    static int ReleaseOverlay(uint32_t overlay) { return Log("chip release " + std::to_string(overlay)), 1; }
    static int WaitComplete(uint32_t) { return Log("chip wait"), busyWaits > 0 ? (--busyWaits, 0) : 1; }
    static int SetupMemoryTransfer(uint32_t, void** pixels) {
        *pixels = memory;
        return Log("chip transfer"), 1;
    }
    static int TerminateMemoryTransfer() { return Log("chip end transfer"), 1; }

    static void Provide() {
        namespace chip = platform::graphics_chip_library;
        auto entry = [](const char* name, auto function) {
            platform::headless::ProvideLibraryFunction(chip::kLibrary, name,
                                                       reinterpret_cast<platform::LibraryFunction>(function));
        };
        entry(chip::kProcessAttach, &Attach);
        entry(chip::kProcessDetach, &Detach);
        entry(chip::kAllocateSurface, &AllocateSurface);
        entry(chip::kDestroySurface, &DestroySurface);
        entry(chip::kAllocOverlay, &AllocOverlay);
        entry(chip::kSetupOverlay, &SetupOverlay);
        entry(chip::kSetOverlayOnOff, &SetOverlayOnOff);
        entry(chip::kReleaseOverlay, &ReleaseOverlay);
        entry(chip::kWaitComplete, &WaitComplete);
        entry(chip::kSetupMemoryTransfer, &SetupMemoryTransfer);
        entry(chip::kTerminateMemoryTransfer, &TerminateMemoryTransfer);
    }
};

// Processor identification words.
constexpr uint32_t kStrongArmId = 0x6901B119;
constexpr uint32_t kXScaleId = 0x69052D06;

// LCD controller register blocks, as words.
constexpr uint32_t kStrongArmRegisters = 0xB0100000;
constexpr uint32_t kXScaleRegisters = 0x44000000;

// Sets every pretend device back to its starting answers.
inline void ResetAll() {
    Calls().clear();
    DisplayLibrary::properties = {};
    DisplayLibrary::upright = nullptr;
    DisplayLibrary::opens = 1;
    DisplayLibrary::dramBuffer = 0;
    DmaLibrary::busyPolls = 0;
    ChipLibrary::memory = nullptr;
    ChipLibrary::allocates = 1;
    ChipLibrary::busyWaits = 0;
}

// A 240x320 headless device with a window, every pretend device absent, and helpers that make
// each one present over memory the fixture owns.
class PretendDeviceTest : public display_test::DisplayFixture {
protected:
    static constexpr uint32_t kWidth = 240, kHeight = 320, kPitch = kWidth * 2;

    void SetUp() override {
        DisplayFixture::SetUp();
        ResetAll();
        UseScreen(kWidth, kHeight);
    }
    void TearDown() override {
        ResetAll();
        DisplayFixture::TearDown();
    }

    Memory& NewMemory(size_t bytes, size_t windowOffset = 0x100) {
        m_memory.push_back(std::make_unique<Memory>(bytes, windowOffset));
        return *m_memory.back();
    }
    Memory& NewScreenMemory(size_t windowOffset = 0x100) { return NewMemory(kPitch * kHeight, windowOffset); }

    // The display library over an upright, packed screen.
    Memory& GapiScreen(size_t windowOffset = 0x100) {
        Memory& memory = NewScreenMemory(windowOffset);
        DisplayLibrary::ProvideUpright(memory.Data(), kWidth, kHeight);
        return memory;
    }
    Memory& DirectScreen() {
        Memory& memory = NewScreenMemory();
        platform::headless::SetDirectFrameBuffer({100, memory.Data(), int32_t(kPitch), kWidth, kHeight, 0});
        return memory;
    }
    Memory& VgaScreen() {
        Memory& memory = NewScreenMemory();
        platform::headless::SetRawFrameBuffer(
            {1, 16, memory.Data(), 2, int32_t(kPitch), int32_t(kWidth), int32_t(kHeight)});
        return memory;
    }

    // A StrongARM LCD controller driving the 240x320 screen at 16 bits on an active panel; the DMA
    // base points at a palette whose first word says 16 bits.
    std::vector<uint32_t>& StrongArmLcd() {
        constexpr uint32_t kDmaBase = 0xC0000000;
        platform::headless::SetProcessorId(kStrongArmId);
        auto& registers = NewRegisters(11, kStrongArmRegisters);
        registers[0] = 1 | 1 << 7;
        registers[0x10 / 4] = kDmaBase;
        registers[0x20 / 4] = kWidth - 16;
        registers[0x24 / 4] = kHeight - 1;
        auto& palette = NewRegisters(16, kDmaBase);
        palette[0] = 0x2000;
        return registers;
    }
    // An XScale LCD controller driving the 240x320 screen at 16 bits on an active panel.
    std::vector<uint32_t>& XScaleLcd() {
        platform::headless::SetProcessorId(kXScaleId);
        auto& registers = NewRegisters(136, kXScaleRegisters);
        registers[0] = 1 | 1 << 7;
        registers[1] = kWidth - 1;
        registers[2] = kHeight - 1;
        registers[3] = 4u << 24;
        return registers;
    }
    std::vector<uint32_t>& NewRegisters(size_t words, uint32_t physical) {
        m_registers.push_back(std::make_unique<std::vector<uint32_t>>(words, 0));
        platform::headless::ProvidePhysicalMemory(physical, m_registers.back()->data(), words * 4);
        return *m_registers.back();
    }

    // The graphics chip of a Toshiba e740, with memory of its own.
    Memory& ChipScreen() {
        platform::headless::SetOemInfo("Toshiba e740");
        Memory& memory = NewScreenMemory();
        ChipLibrary::memory = memory.Data();
        ChipLibrary::Provide();
        return memory;
    }

    // The display library's memory lies in a MediaQ chip: far enough into its window, and slow.
    Memory& MediaQScreen() {
        Memory& memory = GapiScreen(0x42000);
        platform::headless::SetTimePerClockReading(15);
        return memory;
    }

    std::vector<std::unique_ptr<Memory>> m_memory;
    std::vector<std::unique_ptr<std::vector<uint32_t>>> m_registers;
};

}  // namespace pretend
