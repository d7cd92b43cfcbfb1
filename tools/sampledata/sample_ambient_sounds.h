#pragma once
// The sounds of the sample world's weather and places: the light and the heavy rain's loops, the
// far thunder, a fountain's splash and a cave's drip as loops, and a bird's song that a place of
// birds sings now and then. All drawn from noise and tones.
class SSoundTable;

void AddAmbientSounds(SSoundTable& table, int rate);
