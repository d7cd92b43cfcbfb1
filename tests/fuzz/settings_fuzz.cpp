// The settings file: the registry's text file read for the settings of a screen mode and written
// back, as every start does. Every view size the game then uses is one the viewport knows, every
// volume one the sound knows and the orientation one the display knows.
#include <cstdlib>

#include "engine/files/settings.h"
#include "fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int screenMode : {10, 14}) {
        WriteFuzzFile("registry.ini", data, size);
        SSettings settings;
        LoadSettings(settings, screenMode);
        for (uint32_t viewSize : {settings.viewSize, settings.leftViewSize, settings.rightViewSize})
            if (viewSize > SSettings::kSmallestViewSize) std::abort();
        if (settings.soundVolume > 10 || settings.musicVolume > 10 || settings.startMode > 2) std::abort();
    }
    return 0;
}
