#include "app/timeline.h"

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
    const double target = std::clamp(t, 0.0, show::showLength);
    const long frames = std::lround(target / replayFrameTime);
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

void ShowTimeline::stepForward() {
    isPaused = true;
    seek(totalTime + replayFrameTime);
}

void ShowTimeline::stepBack() {
    isPaused = true;
    seek(totalTime - replayFrameTime);
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
