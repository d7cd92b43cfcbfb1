// None of the handheld's optional libraries (shell, Game API, DMA, graphics chip) exist on the
// desktop: every lookup reports them absent, as a device without them would, and the framework
// falls back to what it does on such devices.
#include "platform/library.h"

namespace platform {

Library* LoadLibrary(const std::string&) { return nullptr; }
LibraryFunction GetLibraryFunction(Library*, const std::string&) { return nullptr; }
void FreeLibrary(Library*) {}

}  // namespace platform
