#include "data/map_objects/map_object_screen.h"

#include "engine/base/minutes_per_day.h"

namespace {

constexpr uint32_t kDawn = 6;
constexpr uint32_t kDusk = 22;
constexpr int kFlickerBase = 16;
constexpr int kFlickerSteps = 3;

}  // namespace

bool SMapObjectScreen::IsNight() const {
    const uint32_t hour = GameTime() % kMinutesPerDay / kMinutesPerHour;
    return hour >= kDusk || hour < kDawn;
}

int SMapObjectScreen::Flicker() { return kFlickerBase << Random(kFlickerSteps); }
