#include "render/stage_timer.h"

namespace rtr {

StageTimer::StageTimer() {
    for (GlQuery& query : queries) query = GlQuery::create();
}

void StageTimer::renderTimed() {
    for (std::size_t s = 0; s < renderStages.size(); ++s) {
        glBeginQuery(GL_TIME_ELAPSED, queries[s]);
        renderStages[s].run();
        glEndQuery(GL_TIME_ELAPSED);
    }
    pending = true;
}

StageTimes StageTimer::waitForTimes() {
    StageTimes times{};
    for (std::size_t s = 0; s < queries.size(); ++s) {
        GLuint64 nanoseconds = 0;
        glGetQueryObjectui64v(queries[s], GL_QUERY_RESULT, &nanoseconds);
        times[s] = static_cast<double>(nanoseconds) / 1.0e6;
    }
    pending = false;
    return times;
}

bool StageTimer::pollTimes(StageTimes& times) {
    if (!pending)
        return false;
    // The queries end in frame order, so the last one's result comes last.
    GLuint available = GL_FALSE;
    glGetQueryObjectuiv(queries.back(), GL_QUERY_RESULT_AVAILABLE, &available);
    if (available == GL_FALSE)
        return false;
    times = waitForTimes();
    return true;
}

}  // namespace rtr
