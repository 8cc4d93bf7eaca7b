#pragma once

#include <GL/glew.h>

#include <ostream>
#include <vector>

// The cost of one full-screen pass writing a constant colour into a 1024 x 768 target, timed in
// the same run as the frames. Frame times divided by it stay comparable between machines and
// between busy and quiet moments, where raw milliseconds do not.
class FullScreenPassCalibration {
  public:
    FullScreenPassCalibration();
    ~FullScreenPassCalibration();
    FullScreenPassCalibration(const FullScreenPassCalibration&) = delete;
    FullScreenPassCalibration& operator=(const FullScreenPassCalibration&) = delete;

    // Times `passes` passes, each on its own between two glFinish calls, as a new batch.
    // Restores the framebuffer, program, vertex array, viewport and the tests it changes.
    void measure(int passes);
    // One line with the pass median and the frame median in pass equivalents, and one CSV row
    // "<moment>,fullscreen_pass,min,median,max"; from the latest batch, or from every batch.
    void report(double moment, double frameMedianMs, bool wholeRun, std::ostream& out,
                std::ostream& csv) const;

  private:
    void drawOnePass();

    GLuint framebuffer = 0;
    GLuint target = 0;
    GLuint program = 0;
    GLuint vertexArray = 0;
    std::vector<double> samplesMs;
    std::size_t batchStart = 0;
};
