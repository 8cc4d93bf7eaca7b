#include "common/stage_timing.h"

#include <GLFW/glfw3.h>

#include <algorithm>

namespace tools {

FrameTimes StageTimer::timeFrame() {
    FrameTimes times;
    const double start = glfwGetTime();
    gpuTimer.renderTimed();
    glFinish();
    times.frame = (glfwGetTime() - start) * 1000.0;
    times.stages = gpuTimer.waitForTimes();
    return times;
}

Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

}  // namespace tools
