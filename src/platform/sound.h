#pragma once

// A small sound layer for streamed music: a system that owns the audio output, streams opened
// from files, and channels that play them with their own pause state and volume. Every call
// answers a plain numeric result code, 0 meaning success; errorString explains the others.
// Only one stream is audible at a time: starting a stream on a channel ends the one before.

#include <memory>
#include <vector>

struct _Mix_Music;

namespace rtr::sound {

using Result = int;

namespace result {
inline constexpr Result ok = 0;
inline constexpr Result invalidParam = 1;
inline constexpr Result invalidHandle = 2;
inline constexpr Result uninitialized = 3;
inline constexpr Result alreadyInitialized = 4;
inline constexpr Result outputInit = 5;
inline constexpr Result fileNotFound = 6;
inline constexpr Result fileBad = 7;
inline constexpr Result format = 8;
inline constexpr Result channelAlloc = 9;
inline constexpr Result playback = 10;
inline constexpr Result unsupported = 11;
}  // namespace result

// Text for a result code; unknown codes get a text too.
const char* errorString(Result code);

// Flags for System::init and modes for System::createStream.
inline constexpr unsigned initNormal = 0x0;
inline constexpr unsigned modeDefault = 0x0;
inline constexpr unsigned modeLoopOff = 0x1;
inline constexpr unsigned modeLoopNormal = 0x2;
inline constexpr unsigned modeSoftware = 0x40;

// Channel index for System::playSound that picks any free channel.
inline constexpr int channelFree = -1;

class System;

class Sound {
  public:
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;
    ~Sound();

    bool looping() const { return loop; }
    // Length in milliseconds, when the decoder knows it.
    Result getLength(unsigned* milliseconds) const;

  private:
    friend class System;
    friend class Channel;
    Sound(_Mix_Music* music, bool loop) : music(music), loop(loop) {}

    _Mix_Music* music;
    bool loop;
};

class Channel {
  public:
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    // Volume in [0, 1]; values outside are clamped.
    Result setVolume(float volume);
    Result getVolume(float* volume) const;
    Result setPaused(bool paused);
    Result getPaused(bool* paused) const;
    // Playing means a stream is assigned and neither ended nor taken over; paused still counts.
    Result isPlaying(bool* playing) const;
    // Play position inside the stream in milliseconds (wraps when a looping stream restarts).
    Result getPosition(unsigned* milliseconds) const;
    // Moves the play position; a looping stream wraps a position past its end.
    Result setPosition(unsigned milliseconds);

  private:
    friend class System;
    Channel() = default;
    bool ownsOutput() const;
    void applyVolume() const;

    Sound* sound = nullptr;  // null while the channel is free
    float volume = 1.0f;
    bool paused = false;
};

class System {
  public:
    System(const System&) = delete;
    System& operator=(const System&) = delete;
    ~System();

    // Opens the audio output with `maxChannels` channels. Without a usable audio device the
    // output falls back to a silent one whose clock still runs, and says so once.
    Result init(int maxChannels, unsigned flags, void* extraDriverData);
    // Opens a file for streaming; modeLoopNormal makes it restart at its end.
    Result createStream(const char* path, unsigned mode, void* extendedInfo, Sound** sound);
    // Starts `sound` on channel `channelIndex` (channelFree: any free one).
    Result playSound(int channelIndex, Sound* sound, bool paused, Channel** channel);
    // Per-frame housekeeping: notes streams that have ended.
    Result update();
    // Stops the output and frees every sound and channel; the object is gone afterwards.
    Result release();

    // True when the output is the silent fallback.
    bool silentOutput() const { return silent; }

  private:
    friend Result System_Create(System** system);
    System() = default;
    Result openOutput();
    Channel* pickChannel(int channelIndex);
    bool ownsSound(const Sound* sound) const;
    void stopOutputOfMine();

    bool initialised = false;
    bool silent = false;
    std::vector<std::unique_ptr<Channel>> channels;
    std::vector<std::unique_ptr<Sound>> sounds;
};

Result System_Create(System** system);

}  // namespace rtr::sound
