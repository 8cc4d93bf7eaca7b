#include "explore/timeline.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>

#include "app/globals.h"
#include "app/music.h"
#include "camera/show_script.h"
#include "camera/update.h"

namespace rtr {

ShowTimeline showTimeline;

namespace {

void reportMoment(const char* what) {
    std::cerr << what << " at " << std::fixed << std::setprecision(2) << totalTime << " s"
              << std::defaultfloat << std::endl;
}

// A clock summed from replay frames lies within this share of a frame of the frame's own time.
constexpr double kOnFrame = 1.0e-6;

}  // namespace

void ShowTimeline::placeMusic() const {
    if (musicChannel == nullptr)
        return;
    const show::MusicState music = show::musicStateAt(totalTime);
    musicChannel->setPosition(static_cast<unsigned>(std::lround(music.position * 1000.0)));
    musicChannel->setVolume(music.volume);
    musicChannel->setPaused(isPaused || !music.playing);
}

void ShowTimeline::setPaused(bool pause) {
    isPaused = pause;
    placeMusic();
    reportMoment(pause ? "Paused" : "Playing");
}

void ShowTimeline::seek(double t) {
    seekToFrame(std::lround(t / replayFrameTime));
}

void ShowTimeline::seekToFrame(long frame) {
    const long frames = std::clamp(frame, 0L, std::lround(show::showLength / replayFrameTime));
    returnToShowStart();
    // Summed like the capture tool's clock, so every window bound falls on the same frame.
    totalTime = 0.0;
    for (long i = 0; i < frames; ++i) {
        totalTime += replayFrameTime;
        advanceShow(replayFrameTime);
    }
    placeMusic();
    jumped = true;
    reportMoment(isPaused ? "Paused" : "Playing");
}

// The show may stand between two replay frames (it played on the wall clock): a step goes to
// the next one in its direction, never to the nearest, which could be no step at all.
void ShowTimeline::stepForward() {
    isPaused = true;
    seekToFrame(static_cast<long>(std::floor(totalTime / replayFrameTime + kOnFrame)) + 1);
}

void ShowTimeline::stepBack() {
    isPaused = true;
    seekToFrame(static_cast<long>(std::ceil(totalTime / replayFrameTime - kOnFrame)) - 1);
}

void ShowTimeline::restart() {
    isPaused = false;
    seek(0.0);
}

bool ShowTimeline::takeRunsThisFrame() {
    const bool runs = !isPaused && !jumped;
    jumped = false;
    return runs;
}

}  // namespace rtr
