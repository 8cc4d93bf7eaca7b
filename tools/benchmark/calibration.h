#pragma once

#include <ostream>
#include <vector>

#include "gpu/gl_name.h"
#include "gpu/shader_program.h"

// The cost of one full-screen pass writing a constant colour into a 1024 x 768 target, timed in
// the same run as the frames. Frame times divided by it stay comparable between machines and
// between busy and quiet moments, where raw milliseconds do not.
class FullScreenPassCalibration {
  public:
    FullScreenPassCalibration();

    // Times `passes` passes, each on its own between two glFinish calls, as a new batch.
    // Restores the framebuffer, program, vertex array, viewport and the tests it changes.
    void measure(int passes);
    // One line with the pass median and the frame median in pass equivalents, and one CSV row
    // "<moment>,fullscreen_pass,min,median,max"; from the latest batch, or from every batch.
    void report(double moment, double frameMedianMs, bool wholeRun, std::ostream& out,
                std::ostream& csv) const;

  private:
    void drawOnePass();

    rtr::GlFramebuffer framebuffer;
    rtr::GlTexture target;
    rtr::ShaderProgram program;
    rtr::GlVertexArray vertexArray;
    std::vector<double> samplesMs;
    std::size_t batchStart = 0;
};
