#include "tools/sampledata/sample_skies.h"

#include <memory>

#include "data/sky_table.h"
#include "tools/sampledata/art_canvas.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sky_panorama.h"

namespace {

// Weather rolls run 0..99: above 70 it rains.
constexpr uint8_t kClearKey = 20;
constexpr uint8_t kCloudyKey = 60;
constexpr uint8_t kRainyKey = 90;
// No roll lies nearer to this key than to the night's own skies, so that only its name finds it.
constexpr uint8_t kByNameOnly = 255;

struct SSampleSky {
    const char* name;
    uint8_t kind;
    uint8_t key;
    uint8_t visibility;
    int8_t cloudScroll;
    uint16_t fogColour;
    SSkyLook look;
};

const SSampleSky kSkies[] = {
    {"bres_sky-day", SSkyType::kDay, kClearKey, 100, 0, ArtColour(182, 206, 230),
     {ArtColour(40, 84, 170), ArtColour(160, 196, 232), ArtColour(250, 250, 250), 1}},
    {"bres_sky-daycloud", SSkyType::kDay, kCloudyKey, 80, 1, ArtColour(170, 178, 190),
     {ArtColour(90, 110, 150), ArtColour(176, 186, 200), ArtColour(226, 228, 232), 2}},
    {"bres_sky-dayrain", SSkyType::kDay, kRainyKey, 55, 2, ArtColour(120, 126, 134),
     {ArtColour(70, 76, 88), ArtColour(128, 134, 142), ArtColour(104, 108, 116), 2}},
    {"bres_sky-dusk", SSkyType::kDawnOrDusk, kClearKey, 85, 0, ArtColour(196, 140, 120),
     {ArtColour(60, 50, 120), ArtColour(236, 150, 90), ArtColour(240, 190, 170), 1}},
    {"bres_sky-duskcloud", SSkyType::kDawnOrDusk, kCloudyKey, 70, 1, ArtColour(150, 118, 120),
     {ArtColour(56, 48, 90), ArtColour(190, 130, 110), ArtColour(140, 110, 120), 2}},
    {"bres_sky-duskrain", SSkyType::kDawnOrDusk, kRainyKey, 50, 2, ArtColour(96, 88, 98),
     {ArtColour(40, 36, 56), ArtColour(110, 96, 104), ArtColour(84, 78, 90), 2}},
    {"bres_sky-night", SSkyType::kNight, kClearKey, 60, 0, ArtColour(20, 26, 52),
     {ArtColour(4, 6, 24), ArtColour(24, 32, 70), ArtColour(60, 64, 90), 0, true}},
    {"bres_sky-nightcloud", SSkyType::kNight, kCloudyKey, 45, 1, ArtColour(24, 26, 36),
     {ArtColour(8, 8, 18), ArtColour(30, 32, 46), ArtColour(44, 46, 58), 2}},
    {"bres_sky-nightrain", SSkyType::kNight, kRainyKey, 30, 2, ArtColour(16, 18, 22),
     {ArtColour(6, 6, 10), ArtColour(22, 24, 30), ArtColour(32, 34, 40), 2}},
    {kThunderSky, SSkyType::kNight, kByNameOnly, 70, 2, ArtColour(200, 200, 230),
     {ArtColour(150, 150, 200), ArtColour(236, 236, 250), ArtColour(250, 250, 250), 2}},
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
        sky->fogColour = sample.fogColour;
        skies.Add(std::move(sky));
        resources.pictures.push_back({sample.name, SkyPanoramaRecord(sample.look, sample.fogColour)});
    }
    resources.tables[SModuleTable::Skies] = skies.Write(resources.version);
}
