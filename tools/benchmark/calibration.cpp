#include "calibration.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <iomanip>
#include <iostream>

#include "render/frame_size.h"

namespace {

constexpr int kTargetWidth = rtr::kShowFrameSize.width;
constexpr int kTargetHeight = rtr::kShowFrameSize.height;

// One triangle that covers the whole target, made from gl_VertexID: no buffers to fetch.
const char* kVertexSource = R"(#version 400 core
void main() {
    vec2 corner = vec2(float((gl_VertexID & 1) << 2), float((gl_VertexID & 2) << 1)) - 1.0;
    gl_Position = vec4(corner, 0.0, 1.0);
}
)";

const char* kFragmentSource = R"(#version 400 core
out vec4 fragColor;
void main() {
    fragColor = vec4(0.25, 0.5, 0.75, 1.0);
}
)";

struct SavedState {
    GLint framebuffer = 0;
    GLint program = 0;
    GLint vertexArray = 0;
    GLint viewport[4] = {0, 0, 0, 0};
    GLboolean depthTest = GL_FALSE;
    GLboolean stencilTest = GL_FALSE;
    GLboolean blend = GL_FALSE;
};

SavedState saveState() {
    SavedState s;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &s.framebuffer);
    glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &s.vertexArray);
    glGetIntegerv(GL_VIEWPORT, s.viewport);
    s.depthTest = glIsEnabled(GL_DEPTH_TEST);
    s.stencilTest = glIsEnabled(GL_STENCIL_TEST);
    s.blend = glIsEnabled(GL_BLEND);
    return s;
}

void setEnabled(GLenum capability, GLboolean on) {
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

void restoreState(const SavedState& s) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(s.framebuffer));
    glUseProgram(static_cast<GLuint>(s.program));
    glBindVertexArray(static_cast<GLuint>(s.vertexArray));
    glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
    setEnabled(GL_DEPTH_TEST, s.depthTest);
    setEnabled(GL_STENCIL_TEST, s.stencilTest);
    setEnabled(GL_BLEND, s.blend);
}

}  // namespace

FullScreenPassCalibration::FullScreenPassCalibration() {
    target = rtr::GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, target);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kTargetWidth, kTargetHeight, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);

    GLint previous = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previous);
    framebuffer = rtr::GlFramebuffer::create();
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target, 0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(previous));

    program.addShaderSource(GL_VERTEX_SHADER, kVertexSource, "calibration vertex stage");
    program.addShaderSource(GL_FRAGMENT_SHADER, kFragmentSource, "calibration fragment stage");
    program.link();
    vertexArray = rtr::GlVertexArray::create();
}

void FullScreenPassCalibration::drawOnePass() {
    glFinish();
    const double start = glfwGetTime();
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glFinish();
    samplesMs.push_back((glfwGetTime() - start) * 1000.0);
}

void FullScreenPassCalibration::measure(int passes) {
    batchStart = samplesMs.size();
    const SavedState saved = saveState();
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glViewport(0, 0, kTargetWidth, kTargetHeight);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_BLEND);
    program.use();
    glBindVertexArray(vertexArray);
    for (int i = 0; i < passes; ++i) drawOnePass();
    restoreState(saved);
}

void FullScreenPassCalibration::report(double moment, double frameMedianMs, bool wholeRun,
                                       std::ostream& out, std::ostream& csv) const {
    std::vector<double> sorted(samplesMs.begin() + (wholeRun ? 0 : batchStart), samplesMs.end());
    if (sorted.empty())
        return;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    out << std::fixed << std::setprecision(2) << "  full-screen pass " << median
        << " ms median over " << sorted.size() << " passes; frame median = " << std::setprecision(1)
        << frameMedianMs / median << " full-screen-pass equivalents" << std::endl;
    csv << moment << ",fullscreen_pass," << sorted.front() << "," << median << "," << sorted.back()
        << "\n";
}
