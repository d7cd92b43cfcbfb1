#include "screens/play/world_record.h"

#include "engine/base/archive.h"
#include "screens/play/rain_weather.h"

namespace {

constexpr int32_t kGridSize = 35;
constexpr uint32_t kWorldRecordFullCircle = 360;
constexpr uint32_t kWorldRecordSides = 4;
// A script's sky may set the roll to 100; the day's roll stays below.
constexpr uint32_t kMostWeatherRoll = 100;

bool onGrid(int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < kGridSize && y < kGridSize; }
bool inRain(int32_t value) { return value >= 0 && value <= SRainWeather::kMost; }

}  // namespace

void SWorldRecord::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kTag);
    archive.SerializeU32(heading);
    archive.SerializeI32(x);
    archive.SerializeI32(y);
    archive.SerializeI32(previousX);
    archive.SerializeI32(previousY);
    archive.SerializeU32(facing);
    archive.SerializeU32(minutes);
    archive.SerializeU32(weatherRoll);
    archive.SerializeString(skyOverride);
    archive.SerializeI32(rainIntensity);
    if (version >= kFirstVersionWithDrift) {
        archive.SerializeI32(rainTarget);
        archive.SerializeI32(rainCountdown);
        archive.SerializeI32(rainDirection);
    }
    archive.SerializeU32(subMode);
    archive.SerializeU32(inPrison);
    archive.SerializeU32(prisonStart);
    archive.SerializeString(prisonName);
}

std::string SWorldRecord::Fault() const {
    const auto outside = [](const char* field, int64_t value, const char* range) {
        return std::string(field) + " " + std::to_string(value) + " is outside " + range;
    };
    if (heading >= kWorldRecordFullCircle) return outside("the heading", heading, "0..359");
    if (!onGrid(x, 0)) return outside("grid x", x, "0..34");
    if (!onGrid(0, y)) return outside("grid y", y, "0..34");
    if (!(previousX == -1 && previousY == -1) && !onGrid(previousX, previousY))
        return "the previous cell " + std::to_string(previousX) + ", " + std::to_string(previousY) +
               " is neither a grid cell nor -1, -1";
    if (facing >= kWorldRecordSides) return outside("the facing side", facing, "0..3");
    if (weatherRoll > kMostWeatherRoll) return outside("the weather roll", weatherRoll, "0..100");
    if (!inRain(rainIntensity)) return outside("the rain intensity", rainIntensity, "0..1000");
    if (!inRain(rainTarget)) return outside("the rain target", rainTarget, "0..1000");
    if (rainCountdown < 0 || rainCountdown > SRainWeather::kDrySpell)
        return outside("the rain countdown", rainCountdown, "0..65535");
    if (rainDirection < -1 || rainDirection > 1) return outside("the rain direction", rainDirection, "-1..1");
    if (inPrison > 1) return outside("the prison flag", inPrison, "0..1");
    return {};
}
