#include "music.h"

#include <lame/lame.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace scenegen {

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr double beat = 60.0 / musicBeatsPerMinute;
constexpr double bar = 4.0 * beat;

double midiHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// Stereo mix that wraps around: whatever rings past the end sounds at the start.
class Mix {
  public:
    Mix() : left(musicFrames, 0.0f), right(musicFrames, 0.0f) {}
    void add(long frame, float value, float pan) {
        const long i = ((frame % musicFrames) + musicFrames) % musicFrames;
        left[i] += value * (1.0f - pan);
        right[i] += value * (1.0f + pan);
    }
    std::vector<float> left, right;
};

// Band-limited single-cycle waves, read with linear interpolation.
class Wave {
  public:
    template <typename Harmonic>
    Wave(int harmonics, Harmonic amplitude) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            double sum = 0.0;
            for (int k = 1; k <= harmonics; ++k) {
                sum += amplitude(k) * std::sin(twoPi * k * i / table.size());
            }
            table[i] = static_cast<float>(sum);
        }
    }
    float at(double phase) const {
        const double p = (phase - std::floor(phase)) * table.size();
        const std::size_t i = static_cast<std::size_t>(p) % table.size();
        const float t = static_cast<float>(p - std::floor(p));
        return table[i] + t * (table[(i + 1) % table.size()] - table[i]);
    }

  private:
    std::array<float, 2048> table{};
};

const Wave& saw() {
    static const Wave w(14, [](int k) { return 0.6 / k; });
    return w;
}
const Wave& square() {
    static const Wave w(11, [](int k) { return k % 2 ? 0.8 / k : 0.0; });
    return w;
}
const Wave& round() {
    static const Wave w(6, [](int k) { return 1.0 / (k * k); });
    return w;
}

// Deterministic white noise.
class Noise {
  public:
    float next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
    }

  private:
    std::uint32_t state = 12345u;
};

long frameAt(double seconds) {
    return std::lround(seconds * musicSampleRate);
}

// Attack, decay to a sustain level while held, release after `held` seconds.
float envelope(double t, double held, double attack, double decay, double sustain, double release) {
    double level;
    if (t < attack) {
        level = t / attack;
    } else {
        level = sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    }
    if (t > held) {
        level *= std::exp(-(t - held) / release);
    }
    return static_cast<float>(level);
}

// ---- instruments -------------------------------------------------------------------------

void kick(Mix& mix, double at) {
    double phase = 0.0;
    for (long i = 0; i < frameAt(0.45); ++i) {
        const double t = double(i) / musicSampleRate;
        phase += (45.0 + 80.0 * std::exp(-t * 28.0)) / musicSampleRate;
        const double v = std::sin(twoPi * phase) * std::exp(-t * 7.0) +
                         (t < 0.004 ? 0.3 * (1.0 - t / 0.004) : 0.0);
        mix.add(frameAt(at) + i, static_cast<float>(0.85 * v), 0.0f);
    }
}

void snare(Mix& mix, Noise& noise, double at, float level) {
    float previous = 0.0f;
    for (long i = 0; i < frameAt(0.3); ++i) {
        const double t = double(i) / musicSampleRate;
        const float n = noise.next();
        const float bright = n - 0.6f * previous;
        previous = n;
        const double v = 0.5 * bright * std::exp(-t * 16.0) +
                         0.45 * std::sin(twoPi * 185.0 * t) * std::exp(-t * 28.0);
        mix.add(frameAt(at) + i, static_cast<float>(level * v), -0.1f);
    }
}

void hat(Mix& mix, Noise& noise, double at, bool open) {
    float previous = 0.0f;
    const double decay = open ? 9.0 : 55.0;
    for (long i = 0; i < frameAt(open ? 0.35 : 0.08); ++i) {
        const double t = double(i) / musicSampleRate;
        const float n = noise.next();
        const float hiss = n - previous;  // first difference keeps only the top end
        previous = n;
        mix.add(frameAt(at) + i, static_cast<float>(0.09 * hiss * std::exp(-t * decay)), 0.3f);
    }
}

void bassNote(Mix& mix, double at, double length, int note) {
    const double f = midiHz(note);
    for (long i = 0; i < frameAt(length + 0.12); ++i) {
        const double t = double(i) / musicSampleRate;
        const float env = envelope(t, length, 0.004, 0.12, 0.55, 0.03);
        const float v = 0.75f * round().at(f * t) + 0.25f * saw().at(f * t);
        mix.add(frameAt(at) + i, 0.36f * env * v, 0.0f);
    }
}

// Electric-piano-like stab: a sine carrier whose modulation fades, brightness first.
void keysNote(Mix& mix, double at, double length, int note, float pan) {
    const double f = midiHz(note);
    for (long i = 0; i < frameAt(length + 0.4); ++i) {
        const double t = double(i) / musicSampleRate;
        const double index = 1.6 * std::exp(-t * 5.0);
        const double v = std::sin(twoPi * f * t + index * std::sin(twoPi * f * t));
        const float env = envelope(t, length, 0.003, 0.6, 0.3, 0.12);
        mix.add(frameAt(at) + i, static_cast<float>(0.085 * env * v), pan);
    }
}

void padNote(Mix& mix, double at, double length, int note) {
    const double f = midiHz(note);
    for (long i = 0; i < frameAt(length + 0.6); ++i) {
        const double t = double(i) / musicSampleRate;
        const float env = envelope(t, length, 0.35, 1.0, 1.0, 0.25);
        const float l = saw().at(f * 0.997 * t), r = saw().at(f * 1.003 * t);
        const long frame = frameAt(at) + i;
        mix.add(frame, 0.022f * env * l, -0.6f);
        mix.add(frame, 0.022f * env * r, 0.6f);
    }
}

void leadNote(Mix& mix, double at, double length, int note) {
    const double f = midiHz(note);
    double phase = 0.0;
    for (long i = 0; i < frameAt(length + 0.15); ++i) {
        const double t = double(i) / musicSampleRate;
        const double vibrato = t > 0.15 ? 0.004 * std::sin(twoPi * 5.5 * t) : 0.0;
        phase += f * (1.0 + vibrato) / musicSampleRate;
        const float env = envelope(t, length * 0.92, 0.012, 0.3, 0.7, 0.06);
        const float v = 0.55f * square().at(phase) + 0.45f * round().at(phase);
        mix.add(frameAt(at) + i, 0.13f * env * v, 0.05f);
    }
}

// ---- the song ------------------------------------------------------------------------------

struct Note {
    double start, length;  // beats within the bar
    int pitch;
};

enum Chord { C, G, Am, F, Em };
const std::array<Chord, musicBars> chords = {C,  G, Am, F, C, G, Am, F,  Am, F, C, G,
                                             Am, F, C,  G, F, G, Em, Am, F,  G, C, G};

int root(Chord c) {
    switch (c) {
        case C:
            return 36;
        case G:
            return 43;
        case Am:
            return 45;
        case F:
            return 41;
        case Em:
            return 40;
    }
    return 36;
}

std::array<int, 3> voicing(Chord c) {
    switch (c) {
        case C:
            return {60, 64, 67};
        case G:
            return {59, 62, 67};
        case Am:
            return {60, 64, 69};
        case F:
            return {60, 65, 69};
        case Em:
            return {59, 64, 67};
    }
    return {60, 64, 67};
}

std::vector<Note> melody(int barIndex) {
    static const std::vector<std::vector<Note>> bars = {
        {{0, 1, 76}, {1, 1, 79}, {2, 1.5, 84}, {3.5, 0.5, 83}},
        {{0, 1, 83}, {1, 0.5, 81}, {1.5, 0.5, 79}, {2, 2, 74}},
        {{0, 1, 72}, {1, 1, 76}, {2, 1.5, 81}, {3.5, 0.5, 79}},
        {{0, 1, 77}, {1, 0.5, 76}, {1.5, 0.5, 74}, {2, 2, 72}},
        {{0, 1, 76}, {1, 1, 79}, {2, 1.5, 84}, {3.5, 0.5, 83}},
        {{0, 1, 83}, {1, 0.5, 81}, {1.5, 0.5, 79}, {2, 2, 74}},
        {{0, 1, 72}, {1, 1, 76}, {2, 1.5, 81}, {3.5, 0.5, 79}},
        {{0, 1, 77}, {1, 1, 79}, {2, 1, 81}, {3, 1, 83}},
        {{0, 1.5, 84}, {1.5, 0.5, 83}, {2, 1, 81}, {3, 1, 76}},
        {{0, 0.5, 77}, {0.5, 0.5, 81}, {1, 1, 84}, {2, 2, 81}},
        {{0, 1, 79}, {1, 1, 76}, {2, 0.5, 79}, {2.5, 1.5, 84}},
        {{0, 1, 83}, {1, 1, 86}, {2, 1, 83}, {3, 1, 79}},
        {{0, 1.5, 84}, {1.5, 0.5, 83}, {2, 1, 81}, {3, 1, 76}},
        {{0, 0.5, 77}, {0.5, 0.5, 81}, {1, 1, 84}, {2, 2, 81}},
        {{0, 1.5, 88}, {1.5, 0.5, 86}, {2, 2, 84}},
        {{0, 2, 83}, {2, 1, 74}, {3, 1, 79}},
        {{0, 0.5, 81}, {0.5, 0.5, 84}, {1, 1, 77}, {2, 0.5, 81}, {2.5, 0.5, 84}, {3, 1, 88}},
        {{0, 1.5, 86}, {1.5, 0.5, 83}, {2, 2, 79}},
        {{0, 0.5, 76}, {0.5, 0.5, 79}, {1, 1, 83}, {2, 2, 88}},
        {{0, 1, 84}, {1, 1, 83}, {2, 2, 81}},
        {{0, 0.5, 81}, {0.5, 0.5, 84}, {1, 1, 77}, {2, 0.5, 81}, {2.5, 0.5, 84}, {3, 1, 88}},
        {{0, 1.5, 86}, {1.5, 0.5, 83}, {2, 2, 79}},
        {{0, 1, 84}, {1, 1, 79}, {2, 1, 76}, {3, 1, 79}},
        {{0, 1, 74}, {1, 1, 79}, {2, 1, 83}, {3, 1, 86}}};
    return bars[barIndex];
}

void drums(Mix& mix, Noise& noise, int b) {
    const double t0 = b * bar;
    const bool busy = b >= 8;
    for (int k = 0; k < 4; ++k) {
        if (k % 2 == 0 || (busy && k == 3 && b % 2 == 1)) {
            kick(mix, t0 + k * beat);
        }
        if (k % 2 == 1) {
            snare(mix, noise, t0 + k * beat, 0.55f);
        }
    }
    if (busy) {
        kick(mix, t0 + 2.5 * beat);
    }
    for (int e = 0; e < 8; ++e) {
        hat(mix, noise, t0 + e * beat / 2, busy && e % 2 == 1 && e == 7);
    }
    if (b == musicBars - 1) {
        // Fill into the loop's first bar.
        for (int s = 0; s < 4; ++s) {
            snare(mix, noise, t0 + 3.0 * beat + s * beat / 4, 0.25f + 0.08f * s);
        }
    }
}

void bassLine(Mix& mix, int b) {
    static const int pattern[8] = {0, 0, 12, 0, 0, 0, 12, 7};
    for (int e = 0; e < 8; ++e) {
        bassNote(mix, b * bar + e * beat / 2, beat / 2 * 0.85, root(chords[b]) + pattern[e]);
    }
}

void harmony(Mix& mix, int b) {
    const auto chord = voicing(chords[b]);
    static const double hits[3][2] = {{0.0, 1.2}, {1.5, 0.8}, {2.5, 1.4}};
    for (const auto& hit : hits) {
        for (std::size_t n = 0; n < chord.size(); ++n) {
            keysNote(mix, b * bar + hit[0] * beat, hit[1] * beat, chord[n], -0.3f + 0.3f * n);
        }
    }
    if (b >= 8) {
        for (int note : chord) {
            padNote(mix, b * bar, bar, note - 12);
        }
    }
}

// Echo on the lead: a circular delay line over the whole loop, run twice so the repeats
// that wrap past the end are already there at the start.
void echo(std::vector<float>& channel, double seconds, float feedback) {
    const long delay = frameAt(seconds);
    std::vector<float> dry = channel;
    for (int pass = 0; pass < 2; ++pass) {
        for (long i = 0; i < musicFrames; ++i) {
            const long from = ((i - delay) % musicFrames + musicFrames) % musicFrames;
            channel[i] = dry[i] + feedback * channel[from];
        }
    }
}

}  // namespace

std::vector<float> synthesiseMusic() {
    Mix band, lead;
    Noise noise;
    for (int b = 0; b < musicBars; ++b) {
        drums(band, noise, b);
        bassLine(band, b);
        harmony(band, b);
        for (const Note& n : melody(b)) {
            leadNote(lead, b * bar + n.start * beat, n.length * beat, n.pitch);
        }
    }
    echo(lead.left, 0.75 * beat, 0.28f);
    echo(lead.right, 0.5 * beat, 0.28f);
    float peak = 0.0f;
    for (long i = 0; i < musicFrames; ++i) {
        band.left[i] += lead.left[i];
        band.right[i] += lead.right[i];
        peak = std::max({peak, std::fabs(band.left[i]), std::fabs(band.right[i])});
    }
    // Level to a steady loudness, then round off peaks so nothing reaches full scale.
    const float gain = 1.1f / peak;
    std::vector<float> out(2 * static_cast<std::size_t>(musicFrames));
    for (long i = 0; i < musicFrames; ++i) {
        out[2 * i] = 0.9f * std::tanh(gain * band.left[i]);
        out[2 * i + 1] = 0.9f * std::tanh(gain * band.right[i]);
    }
    return out;
}

std::vector<std::uint8_t> encodeMp3(const std::vector<float>& stereo) {
    lame_global_flags* lame = lame_init();
    lame_set_in_samplerate(lame, musicSampleRate);
    lame_set_num_channels(lame, 2);
    lame_set_brate(lame, 160);
    lame_set_quality(lame, 3);
    lame_set_bWriteVbrTag(lame, 1);
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        throw std::runtime_error("MP3 encoder refused its settings");
    }
    const int frames = static_cast<int>(stereo.size() / 2);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(1.25 * frames + 7200) + 16384);
    std::vector<float> left(frames), right(frames);
    for (int i = 0; i < frames; ++i) {
        left[i] = stereo[2 * i];
        right[i] = stereo[2 * i + 1];
    }
    int size = lame_encode_buffer_ieee_float(lame, left.data(), right.data(), frames, out.data(),
                                             static_cast<int>(out.size()));
    if (size < 0) {
        lame_close(lame);
        throw std::runtime_error("MP3 encoding failed");
    }
    size += lame_encode_flush(lame, out.data() + size, static_cast<int>(out.size()) - size);
    out.resize(size);
    // The first frame was kept free for the tag that tells decoders the exact length.
    std::vector<std::uint8_t> tag(4096);
    const std::size_t tagSize = lame_get_lametag_frame(lame, tag.data(), tag.size());
    std::copy(tag.begin(), tag.begin() + std::min(tagSize, out.size()), out.begin());
    lame_close(lame);
    return out;
}

}  // namespace scenegen
