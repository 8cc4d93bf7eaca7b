#pragma once

// GPU time of each render stage, measured the one way the benchmark and the stage sheet share:
// a GL_TIME_ELAPSED query around each stage of rtr::renderStages.

#include <array>
#include <vector>

#include "render/stage_timer.h"

namespace tools {

constexpr std::size_t kStageCount = rtr::renderStages.size();

// Milliseconds of one frame: each stage's GPU time, and the wall time of the whole frame up to
// a glFinish after its last stage.
struct FrameTimes {
    std::array<double, kStageCount> stages{};
    double frame = 0.0;
};

class StageTimer {
  public:
    // Draws one frame stage by stage, timing each, and waits for the GPU to finish it.
    FrameTimes timeFrame();

  private:
    rtr::StageTimer gpuTimer;
};

struct Summary {
    double min, median, max;
};

// The smallest, middle (upper middle for an even count) and largest value; needs one value.
Summary summarise(std::vector<double> values);

}  // namespace tools
