#pragma once
// The skies of the sample world: for the day, the night and dawn and dusk each a clear, a cloudy and
// a rainy sky, chosen by the hour and the weather roll, and the thunder sky that a flash shows. Each
// has a panorama of its own, its fog colour and its visibility.
struct SSamplePackage;

// The sky a thunder flash shows, found by its name alone.
constexpr const char* kThunderSky = "bres_sky-thunder";

// Adds the sky table and the panoramas to the picture package, at its data version.
void AddSampleSkies(SSamplePackage& resources);
