#include "engine/audio/sound.h"

#include <gtest/gtest.h>

#include "engine/audio/sound_type.h"
#include "engine/files/settings.h"
#include "support/audio_level.h"
#include "support/headless_fixture.h"
#include "support/sound_fixtures.h"

namespace sound_test {

namespace {

using platform::headless::PullAudio;

// One second of a constant level at the output rate: easy to read back after mixing.
SSoundType constantSound(int16_t level, int frames = 44100) {
    SSoundType sound;
    sound.name = "bsnd_test";
    sound.sampleImage = MakeWave(44100, 1, std::vector<int16_t>(size_t(frames), level));
    return sound;
}

// Banks by name, as the sound table gives them to the wrapper.
struct TestBanks : SMusicBankSource {
    std::vector<SMusicBank> banks;
    const SMusicBank* FindBank(const char* name) const override {
        for (const SMusicBank& bank : banks)
            if (bank.name == name) return &bank;
        return nullptr;
    }
};

class SoundTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        sound.Open(settings);
    }
    SSettings settings;
    SSound sound;
};

TEST_F(SoundTest, levelsAreClampedStoredAndScaledToTheLibrary) {
    sound.SetVolumes(12, -3);
    EXPECT_EQ(settings.soundVolume, 10u);
    EXPECT_EQ(settings.musicVolume, 0u);
    const int expected[] = {0, 6, 12, 19, 25, 32, 38, 44, 51, 57, 64};
    for (int level = 0; level <= 10; ++level) EXPECT_EQ(LibraryVolume(level), expected[level]);
}

TEST_F(SoundTest, aPlayedSoundIsHeardAtItsVolume) {
    struct Row {
        int level, volume, expectedPeak;
    };
    for (Row row : {Row{10, 10, 16000}, Row{10, 5, 8000}, Row{5, 10, 8000}, Row{10, 0, 0}, Row{0, 10, 0}}) {
        SSoundType effect = constantSound(16000);
        sound.SetVolumes(row.level, 5);
        int channel = sound.Play(effect, row.volume);
        EXPECT_GT(channel, 0) << "even a silent play takes a channel";
        EXPECT_NEAR(Peak(PullAudio(256)), row.expectedPeak, 16) << "level " << row.level << " volume " << row.volume;
        sound.StopAllSounds();
    }
}

TEST_F(SoundTest, eachVolumeStepMakesItsLibrarySoundOnce) {
    SSoundType effect = constantSound(1000, 10);
    sound.Play(effect, 7);
    platform::Sound* first = effect.cache[7].get();
    ASSERT_NE(first, nullptr);
    sound.Play(effect, 7);
    EXPECT_EQ(effect.cache[7].get(), first);
    EXPECT_EQ(effect.cache[6], nullptr);
}

TEST_F(SoundTest, aSoundThatCannotBeDecodedPlaysNothing) {
    SSoundType broken;
    broken.sampleImage = {'R', 'I', 'F', 'F', 1, 2};
    EXPECT_EQ(sound.Play(broken, 10), 0);
    EXPECT_EQ(Peak(PullAudio(64)), 0);
}

TEST_F(SoundTest, aSoundEndsButALoopedOnePlaysUntilStopped) {
    SSoundType shortSound = constantSound(8000, 100);
    sound.Play(shortSound, 10);
    PullAudio(100);
    EXPECT_EQ(Peak(PullAudio(100)), 0);

    int channel = sound.PlayLooped(shortSound, 10);
    PullAudio(1000);
    EXPECT_GT(Peak(PullAudio(100)), 7000);
    sound.StopChannel(channel);
    EXPECT_EQ(Peak(PullAudio(100)), 0);

    // The looped flag does not stick to the shared library sound.
    sound.Play(shortSound, 10);
    PullAudio(200);
    EXPECT_EQ(Peak(PullAudio(100)), 0);
}

TEST_F(SoundTest, aPausedChannelIsSilentUntilResumed) {
    SSoundType effect = constantSound(8000);
    int channel = sound.Play(effect, 10);
    sound.PauseChannel(channel);
    EXPECT_EQ(Peak(PullAudio(100)), 0);
    sound.ResumeChannel(channel);
    EXPECT_GT(Peak(PullAudio(100)), 7000);
    sound.PauseChannel(0);  // nothing to find: nothing happens
    sound.StopChannel(12345);
}

TEST_F(SoundTest, musicPlaysLoopsAndOutlastsStopAll) {
    // One pattern at the default speed: 7.68 seconds, a note every 1.92 seconds.
    TestBanks banks;
    banks.banks = {MakeBank("forest", 1, {2000})};
    sound.Attach(&banks);
    SMusicSong song = MakeSong("walk", "forest", 1);
    int channel = sound.PlayMusic(song);
    ASSERT_GT(channel, 0);
    EXPECT_GT(Peak(PullAudio(4410)), 0);
    PullAudio(44100 * 8);
    EXPECT_GT(Peak(PullAudio(44100 * 2)), 0) << "the song starts again after its end";

    sound.StopAllSounds();
    EXPECT_GT(Peak(PullAudio(44100 * 2)), 0);
    sound.StopChannel(channel);
    EXPECT_EQ(Peak(PullAudio(4410)), 0);
}

// Standing still with the music turned down must cost the sound device nothing: what loops unheard
// lets it rest, and raising a volume brings it back; a sound that ends plays to its end even unheard.
TEST_F(SoundTest, theDeviceRestsWhileOnlyUnheardLoopsPlay) {
    using platform::headless::AudioResting;
    TestBanks banks;
    banks.banks = {MakeBank("forest", 1, {2000})};
    sound.Attach(&banks);
    SSoundType effect = constantSound(8000, 100);

    sound.SetVolumes(5, 0);
    const int music = sound.PlayMusic(MakeSong("walk", "forest", 1));
    ASSERT_GT(music, 0);
    EXPECT_TRUE(AudioResting()) << "music at no volume";
    sound.SetVolumes(5, 1);
    EXPECT_FALSE(AudioResting()) << "the music turned up";
    EXPECT_GT(Peak(PullAudio(4410)), 0);
    sound.StopChannel(music);

    sound.SetVolumes(0, 5);
    const int looped = sound.PlayLooped(effect, 10);
    EXPECT_TRUE(AudioResting()) << "a looped sound at no volume";
    sound.StopChannel(looped);
    sound.Play(effect, 10);
    EXPECT_FALSE(AudioResting()) << "a sound that ends, though unheard, plays to its end";
    PullAudio(100);
    EXPECT_TRUE(AudioResting()) << "it has ended";
    EXPECT_GT(sound.PlayLooped(effect, 0), 0);
    sound.SetVolumes(5, 5);
    EXPECT_TRUE(AudioResting()) << "the looped sound was played at volume 0";
}

TEST_F(SoundTest, musicOverAMissingBankPlaysNothing) {
    SMusicSong song = MakeSong("walk", "nowhere", 1);
    EXPECT_EQ(sound.PlayMusic(song), 0) << "no banks attached";
    TestBanks banks;
    banks.banks = {MakeBank("forest", 1, {2000})};
    sound.Attach(&banks);
    EXPECT_EQ(sound.PlayMusic(song), 0) << "the song names another bank";
    EXPECT_EQ(Peak(PullAudio(4410)), 0);
}

TEST_F(SoundTest, suspendSilencesEverythingUntilResume) {
    SSoundType effect = constantSound(8000);
    sound.Play(effect, 10);
    sound.Suspend();
    EXPECT_EQ(Peak(PullAudio(100)), 0);
    sound.Resume();
    EXPECT_GT(Peak(PullAudio(100)), 7000);
}

}  // namespace

}  // namespace sound_test
