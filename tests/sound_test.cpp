#include "platform/sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "app/music.h"
#include "support/process.h"
#include "support/sandbox.h"

using namespace rtr::sound;
using testsupport::TempDir;

namespace {

// Silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz, mono): all-zero side information
// decodes to silence, which is all these tests need from a real stream.
std::string silentMp3(double seconds) {
    std::string frame(417, '\0');
    frame.replace(0, 4, "\xff\xfb\x90\xc0");
    std::string mp3;
    for (int i = 0; i <= static_cast<int>(seconds * 44100.0 / 1152.0); ++i) {
        mp3 += frame;
    }
    return mp3;
}

// Waits (without asserting on durations) until `done` holds or a generous limit passes.
template <typename Condition>
bool eventually(Condition done) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > limit) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Runs one disabled helper test of this binary in a fresh process.
testsupport::ProcessResult runHelper(const std::string& test, const std::string& prefix = "") {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    return testsupport::runShell(prefix + " " + testsupport::shellQuote(self) +
                                 " --gtest_also_run_disabled_tests --gtest_filter=SoundHelper." +
                                 test + " 2>&1");
}

class SoundSystem : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(System_Create(&system), result::ok);
        ASSERT_EQ(system->init(4, initNormal, nullptr), result::ok);
    }
    void TearDown() override {
        if (system != nullptr) {
            system->release();
        }
    }
    Sound* openStream(double seconds, unsigned mode) {
        const std::string path = dir.write("stream.mp3", silentMp3(seconds)).string();
        Sound* sound = nullptr;
        EXPECT_EQ(system->createStream(path.c_str(), mode, nullptr, &sound), result::ok);
        return sound;
    }
    unsigned position(Channel* channel) {
        unsigned ms = 0;
        EXPECT_EQ(channel->getPosition(&ms), result::ok);
        return ms;
    }

    TempDir dir;
    System* system = nullptr;
};

}  // namespace

TEST(SoundResults, EveryCodeHasItsOwnText) {
    std::set<std::string> texts;
    for (Result code = result::ok; code <= result::unsupported; ++code) {
        texts.insert(errorString(code));
    }
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(result::unsupported + 1));
    EXPECT_STREQ(errorString(9999), "Unknown error.");
    EXPECT_STREQ(errorString(-3), "Unknown error.");
}

TEST_F(SoundSystem, UnusableFilesGiveErrorResults) {
    const std::pair<std::string, Result> cases[] = {
        {(dir.path() / "missing.mp3").string(), result::fileNotFound},
        {dir.write("garbage.mp3", std::string(4096, 'x')).string(), result::format},
        {dir.write("empty.mp3", "").string(), result::fileBad},
        {dir.path().string(), result::fileBad}};
    for (const auto& [path, expected] : cases) {
        Sound* sound = nullptr;
        EXPECT_EQ(system->createStream(path.c_str(), modeDefault, nullptr, &sound), expected)
            << path;
        EXPECT_EQ(sound, nullptr);
    }
}

TEST_F(SoundSystem, PausedStreamStandsStillAndPlaysOnWhenUnpaused) {
    Channel* channel = nullptr;
    ASSERT_EQ(system->playSound(channelFree, openStream(2.0, modeLoopNormal), true, &channel),
              result::ok);
    bool paused = false;
    EXPECT_EQ(channel->getPaused(&paused), result::ok);
    EXPECT_TRUE(paused);
    const unsigned held = position(channel);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(position(channel), held);
    EXPECT_EQ(channel->setPaused(false), result::ok);
    EXPECT_TRUE(eventually([&] { return position(channel) > held + 100; }));
    EXPECT_EQ(channel->getPaused(&paused), result::ok);
    EXPECT_FALSE(paused);

    // Volume starts full, is clamped into [0, 1], and refuses what is not a number.
    const std::pair<float, float> volumes[] = {{0.5f, 0.5f}, {3.0f, 1.0f}, {-1.0f, 0.0f}};
    float volume = -1.0f;
    EXPECT_EQ(channel->getVolume(&volume), result::ok);
    EXPECT_EQ(volume, 1.0f);
    for (const auto& [set, expected] : volumes) {
        EXPECT_EQ(channel->setVolume(set), result::ok);
        channel->getVolume(&volume);
        EXPECT_EQ(volume, expected);
    }
    EXPECT_EQ(channel->setVolume(std::nanf("")), result::invalidParam);

    // A seek moves a paused stream, and a looping one wraps a position past its end.
    EXPECT_EQ(channel->setPaused(true), result::ok);
    EXPECT_EQ(channel->setPosition(1500), result::ok);
    EXPECT_NEAR(position(channel), 1500.0, 50.0);
    EXPECT_EQ(channel->setPosition(2500), result::ok);
    EXPECT_NEAR(position(channel), 500.0, 50.0);
}

TEST_F(SoundSystem, LoopingStreamWrapsAround) {
    Channel* channel = nullptr;
    ASSERT_EQ(system->playSound(channelFree, openStream(0.25, modeLoopNormal), false, &channel),
              result::ok);
    unsigned highest = 0;
    EXPECT_TRUE(eventually([&] {
        system->update();
        const unsigned now = position(channel);
        highest = std::max(highest, now);
        return now < highest;
    }));
    bool playing = false;
    channel->isPlaying(&playing);
    EXPECT_TRUE(playing);
}

TEST_F(SoundSystem, ANewStreamTakesTheOutputOverFromTheChannelBefore) {
    Sound* sound = openStream(1.0, modeLoopNormal);
    Channel* first = nullptr;
    Channel* second = nullptr;
    ASSERT_EQ(system->playSound(channelFree, sound, false, &first), result::ok);
    ASSERT_EQ(system->playSound(channelFree, sound, true, &second), result::ok);
    EXPECT_NE(first, second);
    bool playing = true;
    first->isPlaying(&playing);
    EXPECT_FALSE(playing);
    EXPECT_EQ(first->setVolume(0.3f), result::invalidHandle);
    second->isPlaying(&playing);
    EXPECT_TRUE(playing);
    Channel* extra = nullptr;
    EXPECT_EQ(system->playSound(4, sound, false, &extra), result::invalidParam);
    EXPECT_EQ(system->playSound(-2, sound, false, &extra), result::invalidParam);
}

// Helpers run in their own process, started by the tests below.
TEST(SoundHelper, DISABLED_TwoSystemsWithoutDevice) {
    for (int i = 0; i < 2; ++i) {
        System* system = nullptr;
        ASSERT_EQ(System_Create(&system), result::ok);
        ASSERT_EQ(system->init(32, initNormal, nullptr), result::ok);
        EXPECT_TRUE(system->silentOutput());
        system->release();
    }
}

TEST(SoundHelper, DISABLED_StartMusic) {
    rtr::startMusic();
    bool paused = false;
    float volume = 0.0f;
    rtr::musicChannel->getPaused(&paused);
    rtr::musicChannel->getVolume(&volume);
    unsigned length = 0;
    EXPECT_EQ(rtr::musicSound->getLength(&length), result::ok);
    EXPECT_NEAR(length, 1000, 100);
    EXPECT_TRUE(rtr::musicSound->looping());
    std::cout << "paused=" << paused << " volume=" << volume << std::endl;
}

TEST(SoundFallback, NoAudioDeviceFallsBackToSilenceAndSaysSoOnce) {
    const testsupport::ProcessResult run =
        runHelper("DISABLED_TwoSystemsWithoutDevice", "SDL_AUDIODRIVER=no-such-driver");
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
    const std::string notice = "Sound: no audio device available";
    const std::size_t first = run.output.find(notice);
    ASSERT_NE(first, std::string::npos) << run.output;
    EXPECT_EQ(run.output.find(notice, first + 1), std::string::npos);
}

TEST(Music, StartsPausedAtFullVolumeAndAMissingFileEndsStartUp) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "run");
    const auto startMusic = [&dir] {
        return runHelper("DISABLED_StartMusic",
                         "cd " + testsupport::shellQuote((dir.path() / "run").string()) +
                             " && SDL_AUDIODRIVER=dummy");
    };
    testsupport::ProcessResult run = startMusic();
    EXPECT_EQ(run.exitStatus, 255);
    const std::string expected = ">>> Load Music\nFMOD error: (" +
                                 std::to_string(result::fileNotFound) + ") " +
                                 errorString(result::fileNotFound) + "\n";
    EXPECT_NE(run.output.find(expected), std::string::npos) << run.output;

    dir.write("Models/Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3", silentMp3(1.0));
    run = startMusic();
    EXPECT_NE(run.output.find(">>> Load Music\npaused=1 volume=1\n"), std::string::npos)
        << run.output;
}
