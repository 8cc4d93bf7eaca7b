#pragma once

// The show's music: an original instrumental synthesised here and encoded as MP3.

#include <cstdint>
#include <vector>

namespace scenegen {

inline constexpr int musicSampleRate = 44100;
inline constexpr int musicBars = 24;
inline constexpr double musicBeatsPerMinute = 100.0;
// 24 bars of 4 beats at 100 beats per minute: 57.6 s.
inline constexpr int musicFrames =
    static_cast<int>(musicBars * 4 * 60.0 / musicBeatsPerMinute * musicSampleRate + 0.5);

// Interleaved stereo samples in -1..1, exactly musicFrames long. Notes ringing past the end
// continue at the start, so the track loops without a seam.
std::vector<float> synthesiseMusic();

// MP3 stream (44.1 kHz stereo, constant bit rate, with the encoder's gapless tag).
std::vector<std::uint8_t> encodeMp3(const std::vector<float>& stereo);

}  // namespace scenegen
