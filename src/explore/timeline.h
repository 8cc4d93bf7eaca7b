#pragma once

// The show's clock under the viewer's hand: pause, step, seek and restart.
//
// Parts of the show build on the frames before (the granite block rides on, lights leave the
// list, the camera keeps its last scripted pose), so a seek replays the show from its start at
// the capture tool's fixed frame time instead of jumping: the state at a moment is then the one
// the show reaches by playing to it, whatever path the viewer took, and the frame equals the
// capture tool's frame of that moment. The render switches and a free-flying camera are the
// viewer's and stay as they are.

namespace rtr {

class ShowTimeline {
  public:
    // The frame time a seek replays the show at, and how far the arrow keys seek.
    static constexpr double replayFrameTime = 1.0 / 30.0;
    static constexpr double seekStep = 5.0;

    bool paused() const { return isPaused; }
    // The music pauses and resumes with the show, at the show's place in it.
    void setPaused(bool pause);
    void togglePause() { setPaused(!isPaused); }
    // To the replay frame nearest `t`, clamped to the show.
    void seek(double t);
    // To the next replay frame forward or back; pauses first.
    void stepForward();
    void stepBack();
    // Back to the first moment of the show, playing.
    void restart();

    // Whether the frame loop should run the show on by its own clock this frame: not while
    // paused, nor in the frame that shows a seek's or a step's moment.
    bool takeRunsThisFrame();

  private:
    void seekToFrame(long frame);
    void placeMusic() const;

    bool isPaused = false;
    bool jumped = false;
};

extern ShowTimeline showTimeline;

}  // namespace rtr
