#pragma once

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <functional>
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

// A square colour texture bound, in its own framebuffer, for drawing and reading, with the
// viewport on it: what a test draws lands there and is read back from there. Both GL objects
// go with it.
class OffscreenTarget {
  public:
    OffscreenTarget(int size, GLenum internalFormat, GLenum format, GLenum type);
    ~OffscreenTarget();
    OffscreenTarget(const OffscreenTarget&) = delete;
    OffscreenTarget& operator=(const OffscreenTarget&) = delete;

    GLuint texture = 0;
    GLuint framebuffer = 0;
};

// The primitives the GL generated while `draw` ran.
GLuint primitivesGeneratedBy(const std::function<void()>& draw);

// Clears and returns every pending GL error, oldest first.
std::vector<GLenum> drainGlErrors();

// Builds a program from inline sources (vertex, fragment, optional geometry) the way the
// program builds its own; a failure ends the test binary, since every caller relies on it.
GLuint buildProgram(const char* vertexSource, const char* fragmentSource,
                    const char* geometrySource = nullptr);

}  // namespace testsupport
