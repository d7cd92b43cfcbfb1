#include "framework/drivers/imageon100.h"

#include "framework/device/device_model.h"
#include "framework/device/optional_libraries.h"

namespace HAL {

namespace {

namespace chip = platform::graphics_chip_library;

// How long one wait for the chip may take, and how often the scene waits before it draws anyway.
constexpr uint32_t kWaitMilliseconds = 100;
constexpr int kWaitTries = 32;

bool loadEntries(Imageon100::Entries& e) {
    platform::Library* library = LoadOptionalLibrary(chip::kLibrary);
    e.attach = LibraryEntry<chip::ProcessAttach>(library, chip::kProcessAttach);
    e.detach = LibraryEntry<chip::ProcessDetach>(library, chip::kProcessDetach);
    e.allocateSurface = LibraryEntry<chip::AllocateSurface>(library, chip::kAllocateSurface);
    e.destroySurface = LibraryEntry<chip::DestroySurface>(library, chip::kDestroySurface);
    e.allocOverlay = LibraryEntry<chip::AllocOverlay>(library, chip::kAllocOverlay);
    e.setupOverlay = LibraryEntry<chip::SetupOverlay>(library, chip::kSetupOverlay);
    e.setOverlayOnOff = LibraryEntry<chip::SetOverlayOnOff>(library, chip::kSetOverlayOnOff);
    e.releaseOverlay = LibraryEntry<chip::ReleaseOverlay>(library, chip::kReleaseOverlay);
    e.waitComplete = LibraryEntry<chip::WaitComplete>(library, chip::kWaitComplete);
    e.setupMemoryTransfer = LibraryEntry<chip::SetupMemoryTransfer>(library, chip::kSetupMemoryTransfer);
    e.terminateMemoryTransfer = LibraryEntry<chip::TerminateMemoryTransfer>(library, chip::kTerminateMemoryTransfer);
    return e.attach && e.detach && e.allocateSurface && e.destroySurface && e.allocOverlay && e.setupOverlay &&
           e.setOverlayOnOff && e.releaseOverlay && e.waitComplete && e.setupMemoryTransfer &&
           e.terminateMemoryTransfer;
}

}  // namespace

bool Imageon100::Detect(const DeviceDesc&) {
    int model = GetDeviceModel();
    if (model != kModelE740 && model != kModelE750) return false;
    Entries e;
    if (!loadEntries(e) || !e.attach()) return false;
    e.detach();
    return true;
}

Imageon100::~Imageon100() {
    endTransfer();
    if (m_hasOverlay) m_chip.releaseOverlay(m_overlay);
    if (m_hasSurface) m_chip.destroySurface(m_chipSurface);
    if (m_attached) m_chip.detach();
}

bool Imageon100::Initialize(platform::Window*, const DisplayParams&, const DeviceDesc& device) {
    if (!loadEntries(m_chip)) return false;
    m_attached = m_chip.attach() != 0;
    if (!m_attached) return false;
    m_hasSurface = m_chip.allocateSurface(&m_chipSurface, device.width, device.height) != 0;
    if (!m_hasSurface) return false;
    m_hasOverlay = m_chip.allocOverlay(&m_overlay) != 0;
    if (!m_hasOverlay || !m_chip.setupOverlay(m_overlay, m_chipSurface, 0, 0)) return false;
    m_chip.setOverlayOnOff(m_overlay, 1);
    // The chip's memory is reached one transfer at a time, so the game draws into a back buffer.
    m_device = {device.width, device.height, 16, device.width * 2, device.orientation, 0, nullptr};
    m_surface = std::make_unique<Surface>(int32_t(device.width), int32_t(device.height), int32_t(m_device.pitch),
                                          nullptr, false);
    return true;
}

Surface* Imageon100::BeginScene() {
    for (int tries = 0; tries < kWaitTries && !m_chip.waitComplete(kWaitMilliseconds); ++tries) {
    }
    void* pixels = nullptr;
    if (!m_chip.setupMemoryTransfer(m_chipSurface, &pixels) || pixels == nullptr) return nullptr;
    m_transferring = true;
    m_surface->m_pixels = static_cast<uint16_t*>(pixels);
    return m_surface.get();
}

void Imageon100::Present(uint32_t) { endTransfer(); }

void Imageon100::Suspend() {
    endTransfer();
    m_chip.setOverlayOnOff(m_overlay, 0);
}

void Imageon100::Resume() { m_chip.setOverlayOnOff(m_overlay, 1); }

void Imageon100::endTransfer() {
    if (m_transferring) m_chip.terminateMemoryTransfer();
    m_transferring = false;
}

}  // namespace HAL
