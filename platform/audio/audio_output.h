#pragma once
// What a back end does for the speaker: feed the mixer to a real device, or not.
namespace platform::audio {

class Mixer;

// Starts pulling from the mixer; false when there is no device (the speaker then stays silent).
bool StartOutput(Mixer* mixer);
void StopOutput(Mixer* mixer);

}  // namespace platform::audio
