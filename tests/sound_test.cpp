#include "platform/sound.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "app/music.h"
#include "support/process.h"
#include "support/sandbox.h"

using namespace rtr::sound;
using testsupport::TempDir;

namespace {

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

// A mono 16-bit tone as a RIFF/WAVE file: small, and decodable by any mixer build.
std::string toneWav(double seconds) {
    const std::uint32_t rate = 22050;
    const auto samples = static_cast<std::uint32_t>(seconds * rate);
    std::string data;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = 8000.0 * std::sin(2.0 * 3.14159265 * 440.0 * i / rate);
        putLittleEndian(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
    }
    std::string wav = "RIFF";
    putLittleEndian(wav, 36 + static_cast<std::uint32_t>(data.size()), 4);
    wav += "WAVEfmt ";
    putLittleEndian(wav, 16, 4);
    putLittleEndian(wav, 1, 2);  // PCM
    putLittleEndian(wav, 1, 2);  // mono
    putLittleEndian(wav, rate, 4);
    putLittleEndian(wav, rate * 2, 4);
    putLittleEndian(wav, 2, 2);
    putLittleEndian(wav, 16, 2);
    wav += "data";
    putLittleEndian(wav, static_cast<std::uint32_t>(data.size()), 4);
    return wav + data;
}

// Silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz, mono): all-zero side information
// decodes to silence, which is all the music tests need from a real MP3 stream.
std::string silentMp3(double seconds) {
    const int frameBytes = 417;
    const int frames = static_cast<int>(seconds * 44100.0 / 1152.0) + 1;
    std::string frame(frameBytes, '\0');
    frame[0] = static_cast<char>(0xff);
    frame[1] = static_cast<char>(0xfb);
    frame[2] = static_cast<char>(0x90);
    frame[3] = static_cast<char>(0xc0);
    std::string mp3;
    for (int i = 0; i < frames; ++i) {
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
    Sound* openTone(double seconds, unsigned mode) {
        const std::string path = dir.write("tone.wav", toneWav(seconds)).string();
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
    EXPECT_STREQ(errorString(result::ok), "No errors.");
    EXPECT_STREQ(errorString(9999), "Unknown error.");
    EXPECT_STREQ(errorString(-3), "Unknown error.");
}

TEST(SoundResults, CallsBeforeInitAndBadArgumentsAreRefused) {
    EXPECT_EQ(System_Create(nullptr), result::invalidParam);
    System* system = nullptr;
    ASSERT_EQ(System_Create(&system), result::ok);
    Sound* sound = nullptr;
    EXPECT_EQ(system->createStream("x.wav", modeDefault, nullptr, &sound), result::uninitialized);
    EXPECT_EQ(system->update(), result::uninitialized);
    EXPECT_EQ(system->init(0, initNormal, nullptr), result::invalidParam);
    ASSERT_EQ(system->init(1, initNormal, nullptr), result::ok);
    EXPECT_EQ(system->init(1, initNormal, nullptr), result::alreadyInitialized);
    Channel* channel = nullptr;
    EXPECT_EQ(system->playSound(channelFree, nullptr, false, &channel), result::invalidHandle);
    EXPECT_EQ(system->release(), result::ok);
}

TEST_F(SoundSystem, UnusableFilesGiveErrorResults) {
    Sound* sound = nullptr;
    const std::string missing = (dir.path() / "missing.mp3").string();
    EXPECT_EQ(system->createStream(missing.c_str(), modeDefault, nullptr, &sound),
              result::fileNotFound);
    const std::string garbage = dir.write("garbage.mp3", std::string(4096, 'x')).string();
    EXPECT_EQ(system->createStream(garbage.c_str(), modeDefault, nullptr, &sound), result::format);
    const std::string empty = dir.write("empty.mp3", "").string();
    EXPECT_EQ(system->createStream(empty.c_str(), modeDefault, nullptr, &sound), result::fileBad);
    EXPECT_EQ(system->createStream(dir.path().c_str(), modeDefault, nullptr, &sound),
              result::fileBad);
    EXPECT_EQ(sound, nullptr);
}

TEST_F(SoundSystem, PausedStreamStandsStillAndPlaysOnWhenUnpaused) {
    Sound* sound = openTone(2.0, modeSoftware | modeLoopNormal);
    Channel* channel = nullptr;
    ASSERT_EQ(system->playSound(channelFree, sound, true, &channel), result::ok);
    bool paused = false;
    EXPECT_EQ(channel->getPaused(&paused), result::ok);
    EXPECT_TRUE(paused);
    float volume = 0.0f;
    EXPECT_EQ(channel->getVolume(&volume), result::ok);
    EXPECT_EQ(volume, 1.0f);

    const unsigned held = position(channel);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(position(channel), held);

    EXPECT_EQ(channel->setPaused(false), result::ok);
    EXPECT_TRUE(eventually([&] { return position(channel) > held + 100; }));
    EXPECT_EQ(channel->getPaused(&paused), result::ok);
    EXPECT_FALSE(paused);
}

TEST_F(SoundSystem, VolumeIsKeptAndClamped) {
    Channel* channel = nullptr;
    ASSERT_EQ(system->playSound(channelFree, openTone(0.5, modeLoopNormal), false, &channel),
              result::ok);
    float volume = -1.0f;
    EXPECT_EQ(channel->setVolume(0.5f), result::ok);
    channel->getVolume(&volume);
    EXPECT_EQ(volume, 0.5f);
    EXPECT_EQ(channel->setVolume(3.0f), result::ok);
    channel->getVolume(&volume);
    EXPECT_EQ(volume, 1.0f);
    EXPECT_EQ(channel->setVolume(-1.0f), result::ok);
    channel->getVolume(&volume);
    EXPECT_EQ(volume, 0.0f);
    EXPECT_EQ(channel->setVolume(std::nanf("")), result::invalidParam);
}

TEST_F(SoundSystem, LoopingStreamWrapsAndOneShotStreamFreesItsChannel) {
    Sound* looping = openTone(0.25, modeSoftware | modeLoopNormal);
    Channel* channel = nullptr;
    ASSERT_EQ(system->playSound(channelFree, looping, false, &channel), result::ok);
    unsigned highest = 0;
    bool wrapped = eventually([&] {
        system->update();
        const unsigned now = position(channel);
        const bool back = now < highest;
        highest = std::max(highest, now);
        return back;
    });
    EXPECT_TRUE(wrapped);
    bool playing = false;
    channel->isPlaying(&playing);
    EXPECT_TRUE(playing);

    Sound* once = openTone(0.25, modeLoopOff);
    ASSERT_EQ(system->playSound(0, once, false, &channel), result::ok);
    EXPECT_TRUE(eventually([&] {
        system->update();
        channel->isPlaying(&playing);
        return !playing;
    }));
    EXPECT_EQ(channel->setPaused(false), result::invalidHandle);
}

TEST_F(SoundSystem, ANewStreamTakesTheOutputOverFromTheChannelBefore) {
    Sound* sound = openTone(1.0, modeLoopNormal);
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
    EXPECT_EQ(system->playSound(3, sound, false, &extra), result::ok);
    second->isPlaying(&playing);
    EXPECT_FALSE(playing);
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

TEST(Music, StartsPausedAtFullVolume) {
    TempDir dir;
    dir.write("Models/Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3", silentMp3(1.0));
    std::filesystem::create_directories(dir.path() / "run");
    const testsupport::ProcessResult run = runHelper(
        "DISABLED_StartMusic", "cd " + testsupport::shellQuote((dir.path() / "run").string()) +
                                   " && SDL_AUDIODRIVER=dummy");
    EXPECT_NE(run.output.find(">>> Load Music\npaused=1 volume=1\n"), std::string::npos)
        << run.output;
}

TEST(Music, MissingFileEndsStartUpWithTheSoundLayersNumberAndText) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "run");
    const testsupport::ProcessResult run = runHelper(
        "DISABLED_StartMusic", "cd " + testsupport::shellQuote((dir.path() / "run").string()) +
                                   " && SDL_AUDIODRIVER=dummy");
    EXPECT_EQ(run.exitStatus, 255);
    const std::string expected = ">>> Load Music\nFMOD error: (" +
                                 std::to_string(result::fileNotFound) + ") " +
                                 errorString(result::fileNotFound) + "\n";
    EXPECT_NE(run.output.find(expected), std::string::npos) << run.output;
}
