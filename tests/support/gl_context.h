#pragma once

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <vector>

namespace testsupport {

// glfwInit with a few retries; false (and a message on stderr) when the X server stays away.
bool initGlfw();

// A hidden 4.0 core-profile window whose context is current for the test's lifetime.
class GlContext {
  public:
    GlContext(int width = 64, int height = 64);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    GLFWwindow* window = nullptr;
};

// Clears and returns every pending GL error, oldest first.
std::vector<GLenum> drainGlErrors();

// Builds a program from inline sources (vertex, fragment, optional geometry); aborts the test
// binary on failure since every caller relies on a working program.
GLuint buildProgram(const char* vertexSource, const char* fragmentSource,
                    const char* geometrySource = nullptr);

}  // namespace testsupport
