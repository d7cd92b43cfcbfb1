#include "framework/device/device_model.h"

#include <optional>
#include <string>

#include "platform/hardware.h"

namespace HAL {

namespace {

std::optional<int> g_model;
std::optional<int> g_cpu;

struct ModelName {
    int model;
    const char* prefix;
};

// The OEM text starts with the model's name; whatever follows (revision, language) does not matter.
constexpr ModelName kModelNames[] = {
    {kModelIpaqH3800, "Compaq iPAQ H3800"}, {kModelP6C, "Compale P6C"},   {kModelTyphoon, "Typhoon"},
    {kModelE310, "Toshiba e310"},           {kModelE330, "Toshiba e330"}, {kModelE740, "Toshiba e740"},
    {kModelE750, "Toshiba e750"},           {kModelMotoQ, "MotoQ"},
};

constexpr size_t kOemInfoLength = 260;

char fold(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool startsWithFolded(const std::string& text, const char* prefix) {
    size_t i = 0;
    for (; prefix[i] != '\0'; ++i)
        if (i >= text.size() || fold(text[i]) != fold(prefix[i])) return false;
    return true;
}

int modelFromOemInfo() {
    std::string text = platform::OemInfo().substr(0, kOemInfoLength);
    for (const ModelName& name : kModelNames)
        if (startsWithFolded(text, name.prefix)) return name.model;
    return kModelUnknown;
}

int cpuFromProcessorId() {
    uint32_t id = 0;
    if (!platform::ReadProcessorId(id)) return kCpuOther;
    if (id >> 12 == 0x69052) return kCpuXScale;
    if (id >> 16 == 0x6901) return kCpuStrongArm;
    return kCpuOther;
}

}  // namespace

int GetDeviceModel() {
    if (!g_model) g_model = modelFromOemInfo();
    return *g_model;
}

int GetCpuType() {
    if (!g_cpu) g_cpu = cpuFromProcessorId();
    return *g_cpu;
}

void ForgetDeviceIdentity() {
    g_model.reset();
    g_cpu.reset();
}

}  // namespace HAL
