#include "tools/sampledata/sample_skies.h"

#include <memory>

#include "data/sky_table.h"
#include "tools/sampledata/art_canvas.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sky_panorama.h"

namespace {

// Weather rolls run 0..99: above 70 it rains. The sky whose key lies nearest the roll shows (a tie
// goes by the table's order), so the rainy key sits nearer than the cloudy one to 71, the lightest
// rain, and farther from 70, the wettest dry roll.
constexpr uint8_t kClearKey = 20;
constexpr uint8_t kCloudyKey = 60;
constexpr uint8_t kRainyKey = 81;
// No roll lies nearer to this key than to the night's own skies, so that only its name finds it.
constexpr uint8_t kByNameOnly = 255;

// A colour as 0xRRGGBB.
uint16_t rgb(uint32_t colour) { return ArtColour(int(colour >> 16), int((colour >> 8) & 0xFF), int(colour & 0xFF)); }

// The sky's fog colour, then its colours from the top row down to the horizon and its clouds'.
struct SSampleSky {
    const char* name;
    uint8_t kind;
    uint8_t key;
    uint8_t visibility;
    int8_t cloudScroll;
    uint32_t fog, top, horizon, cloud;
    int clouds;
    bool stars = false;
};

const SSampleSky kSkies[] = {
    {"bres_sky-day", SSkyType::kDay, kClearKey, 100, 0, 0xB6CEE6, 0x2854AA, 0xA0C4E8, 0xFAFAFA, 1},
    {"bres_sky-daycloud", SSkyType::kDay, kCloudyKey, 80, 1, 0xAAB2BE, 0x5A6E96, 0xB0BAC8, 0xE2E4E8, 2},
    {"bres_sky-dayrain", SSkyType::kDay, kRainyKey, 55, 2, 0x787E86, 0x464C58, 0x80868E, 0x686C74, 2},
    {"bres_sky-dusk", SSkyType::kDawnOrDusk, kClearKey, 85, 0, 0xC48C78, 0x3C3278, 0xEC965A, 0xF0BEAA, 1},
    {"bres_sky-duskcloud", SSkyType::kDawnOrDusk, kCloudyKey, 70, 1, 0x967678, 0x38305A, 0xBE826E, 0x8C6E78, 2},
    {"bres_sky-duskrain", SSkyType::kDawnOrDusk, kRainyKey, 50, 2, 0x605862, 0x282438, 0x6E6068, 0x544E5A, 2},
    {"bres_sky-night", SSkyType::kNight, kClearKey, 60, 0, 0x141A34, 0x040618, 0x182046, 0x3C405A, 0, true},
    {"bres_sky-nightcloud", SSkyType::kNight, kCloudyKey, 45, 1, 0x181A24, 0x080812, 0x1E202E, 0x2C2E3A, 2},
    {"bres_sky-nightrain", SSkyType::kNight, kRainyKey, 30, 2, 0x101216, 0x06060A, 0x16181E, 0x202228, 2},
    {kThunderSky, SSkyType::kNight, kByNameOnly, 70, 2, 0xC8C8E6, 0x9696C8, 0xECECFA, 0xFAFAFA, 2},
};

}  // namespace

void AddSampleSkies(SSamplePackage& resources) {
    SSkyTable skies;
    for (const SSampleSky& sample : kSkies) {
        auto sky = std::make_unique<SSkyType>();
        sky->name.Set(sample.name);
        sky->pictureName.Assign(sample.name);
        sky->kind = sample.kind;
        sky->key = sample.key;
        sky->visibility = sample.visibility;
        sky->cloudScroll = sample.cloudScroll;
        sky->fogColour = rgb(sample.fog);
        skies.Add(std::move(sky));
        const SSkyLook look{rgb(sample.top), rgb(sample.horizon), rgb(sample.cloud), sample.clouds, sample.stars};
        resources.pictures.push_back({sample.name, SkyPanoramaRecord(look, rgb(sample.fog))});
    }
    resources.tables[SModuleTable::Skies] = skies.Write(resources.version);
}
