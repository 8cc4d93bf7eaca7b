#include "common/stage_timing.h"

#include <GLFW/glfw3.h>

#include <algorithm>

namespace tools {

StageTimer::StageTimer() {
    for (rtr::GlQuery& query : queries) query = rtr::GlQuery::create();
}

FrameTimes StageTimer::timeFrame() {
    FrameTimes times;
    const double start = glfwGetTime();
    for (std::size_t s = 0; s < kStageCount; ++s) {
        glBeginQuery(GL_TIME_ELAPSED, queries[s]);
        rtr::renderStages[s].run();
        glEndQuery(GL_TIME_ELAPSED);
    }
    glFinish();
    times.frame = (glfwGetTime() - start) * 1000.0;
    for (std::size_t s = 0; s < kStageCount; ++s) {
        GLuint64 nanoseconds = 0;
        glGetQueryObjectui64v(queries[s], GL_QUERY_RESULT, &nanoseconds);
        times.stages[s] = static_cast<double>(nanoseconds) / 1.0e6;
    }
    return times;
}

Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

}  // namespace tools
