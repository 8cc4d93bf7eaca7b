#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "render/stage_pictures.h"

namespace rtr {

// Plays the show with a fixed frame time instead of the wall clock, so every run renders the
// same frames: the capture tool, the benchmark and the long-running tests use it.
class ShowRunner {
  public:
    explicit ShowRunner(double frameTime);

    // One frame exactly as the demo's loop runs it (events, clock, update, optionally render,
    // swap, error check). With `capture`, the rendered frame is read back before the swap,
    // after the overlay was drawn over it.
    // Returns the number of GL errors the frame raised.
    int step(bool draw, std::vector<unsigned char>* capture = nullptr);

    // The next step ends at show time `t` (a moment between two frames) instead of one frame
    // time on; the steps after it go on by the frame time from there.
    void endNextFrameAt(double t) { nextFrameEnd = t; }

    double time() const;
    long frameIndex() const { return frames; }
    double frameTime() const { return deltaT; }

    // Drawn over every rendered frame, before it is read back and shown.
    void setOverlay(std::function<void()> drawOverlay) { overlay = std::move(drawOverlay); }

  private:
    double deltaT;
    std::function<void()> overlay;
    long frames = 0;
    std::optional<double> nextFrameEnd;
};

}  // namespace rtr
