// The mixer tells an output device when it may rest (nothing but silence can come out) and wakes it
// whenever a sound starts or resumes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/audio/mixer.h"

namespace mixer_rest_test {

namespace {

using platform::audio::Mixer;
using platform::audio::SampleData;

int g_wakes = 0;
void countWake() { ++g_wakes; }

std::shared_ptr<const SampleData> Samples(size_t frames) {
    auto data = std::make_shared<SampleData>();
    data->frames.assign(frames, 1000);
    return data;
}

TEST(MixerRestTest, silentOnlyWhileNothingPlaysAndWokenByEveryStart) {
    Mixer mixer(4);
    g_wakes = 0;
    mixer.SetWake(countWake);
    std::vector<int16_t> out(2 * 64);
    EXPECT_TRUE(mixer.Silent());

    const int id = mixer.PlaySound(Samples(100), 64, false);
    EXPECT_EQ(g_wakes, 1);
    EXPECT_FALSE(mixer.Silent());

    mixer.SetPaused(id, true);
    EXPECT_TRUE(mixer.Silent()) << "a paused sound plays nothing";
    mixer.SetPaused(id, false);
    EXPECT_EQ(g_wakes, 2);
    EXPECT_FALSE(mixer.Silent());

    mixer.SetSuspended(true);
    EXPECT_TRUE(mixer.Silent());
    mixer.SetSuspended(false);
    EXPECT_EQ(g_wakes, 3);

    mixer.Render(out.data(), 64);
    EXPECT_FALSE(mixer.Silent()) << "36 frames are still to come";
    mixer.Render(out.data(), 64);
    EXPECT_TRUE(mixer.Silent()) << "the sound has ended";
}

}  // namespace

}  // namespace mixer_rest_test
