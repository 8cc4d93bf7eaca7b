#pragma once

// GPU time of each render stage: a GL_TIME_ELAPSED query around each stage of renderStages.
// The benchmark and the stage sheet wait for the times of the frame they drew; the live panel
// takes them once the GPU has them, a frame or so late, without stalling the frame loop.

#include <array>

#include "gpu/gl_name.h"
#include "render/render_passes.h"

namespace rtr {

using StageTimes = std::array<double, renderStages.size()>;  // milliseconds, in frame order

class StageTimer {
  public:
    StageTimer();

    // Draws one frame like render(), stage by stage, timing each.
    void renderTimed();
    // The times of the frame renderTimed() drew last, once the GPU has finished it.
    StageTimes waitForTimes();
    // The same times if the GPU has them already; false, leaving `times` alone, if not yet.
    bool pollTimes(StageTimes& times);

  private:
    std::array<GlQuery, renderStages.size()> queries;
    bool pending = false;
};

}  // namespace rtr
