#include "support/gl_context.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "gpu/shader_program.h"

namespace testsupport {

bool initGlfw() {
    // A loaded X server can refuse a connection for a moment; a few tries ride that out.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (glfwInit() == GLFW_TRUE)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200 << attempt));
    }
    std::fprintf(stderr, "glfwInit failed five times (DISPLAY=%s)\n",
                 std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "unset");
    return false;
}

GlContext::GlContext(int width, int height) {
    if (!initGlfw()) {
        std::abort();
    }
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window = glfwCreateWindow(width, height, "lumavex test", nullptr, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "no 4.0 core context\n");
        std::abort();
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    glewInit();
    drainGlErrors();
}

GlContext::~GlContext() {
    glfwDestroyWindow(window);
    glfwTerminate();
}

std::vector<GLenum> drainGlErrors() {
    std::vector<GLenum> errors;
    for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError()) {
        errors.push_back(e);
    }
    return errors;
}

OffscreenTarget::OffscreenTarget(int size, GLenum internalFormat, GLenum format, GLenum type) {
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(internalFormat), size, size, 0, format, type,
                 nullptr);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    glViewport(0, 0, size, size);
}

OffscreenTarget::~OffscreenTarget() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &texture);
}

GLuint primitivesGeneratedBy(const std::function<void()>& draw) {
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    draw();
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint primitives = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &primitives);
    glDeleteQueries(1, &query);
    return primitives;
}

GLuint buildProgram(const char* vertexSource, const char* fragmentSource,
                    const char* geometrySource) {
    rtr::ShaderProgram program;
    program.addShaderSource(GL_VERTEX_SHADER, vertexSource, "test vertex stage");
    program.addShaderSource(GL_FRAGMENT_SHADER, fragmentSource, "test fragment stage");
    if (geometrySource)
        program.addShaderSource(GL_GEOMETRY_SHADER, geometrySource, "test geometry stage");
    program.link();
    return program.program.release();
}

}  // namespace testsupport
