#pragma once

// Ownership of GL object names. Every class that creates a GL object holds it in one of these
// and never deletes it by hand.

#include <GL/glew.h>

#include <utility>

namespace rtr {

// GL calls need a current context. At process end the window (and its context) can already be
// gone; the names died with the context then, so there is nothing left to delete.
bool glContextCurrent();

namespace glname {
inline GLuint genBuffer() {
    GLuint name = 0;
    glGenBuffers(1, &name);
    return name;
}
inline GLuint genVertexArray() {
    GLuint name = 0;
    glGenVertexArrays(1, &name);
    return name;
}
inline GLuint genTexture() {
    GLuint name = 0;
    glGenTextures(1, &name);
    return name;
}
inline GLuint genFramebuffer() {
    GLuint name = 0;
    glGenFramebuffers(1, &name);
    return name;
}
inline GLuint genQuery() {
    GLuint name = 0;
    glGenQueries(1, &name);
    return name;
}
inline void deleteBuffer(GLuint name) {
    glDeleteBuffers(1, &name);
}
inline void deleteVertexArray(GLuint name) {
    glDeleteVertexArrays(1, &name);
}
inline void deleteTexture(GLuint name) {
    glDeleteTextures(1, &name);
}
inline void deleteFramebuffer(GLuint name) {
    glDeleteFramebuffers(1, &name);
}
inline void deleteQuery(GLuint name) {
    glDeleteQueries(1, &name);
}
inline void deleteProgram(GLuint name) {
    glDeleteProgram(name);
}
inline void deleteShader(GLuint name) {
    glDeleteShader(name);
}
}  // namespace glname

// One GL name, deleted when its owner goes (if a context is still current). Move-only; reads
// as the plain GLuint wherever GL expects one. 0 means "no object", as in GL itself.
template <GLuint (*Create)(), void (*Delete)(GLuint)>
class GlName {
  public:
    GlName() = default;
    explicit GlName(GLuint name) : name(name) {}
    ~GlName() { reset(); }
    GlName(GlName&& other) noexcept : name(std::exchange(other.name, 0)) {}
    GlName& operator=(GlName&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.name, 0));
        }
        return *this;
    }
    GlName(const GlName&) = delete;
    GlName& operator=(const GlName&) = delete;

    // A new object of this kind (programs and shaders are made with their own arguments).
    static GlName create() { return GlName(Create()); }

    operator GLuint() const { return name; }
    GLuint get() const { return name; }
    // Hands the object over to the caller, who deletes it from now on.
    GLuint release() { return std::exchange(name, 0); }

    // Deletes the object held so far and takes `replacement` over.
    void reset(GLuint replacement = 0) {
        if (name != 0 && glContextCurrent()) {
            Delete(name);
        }
        name = replacement;
    }

  private:
    GLuint name = 0;
};

using GlBuffer = GlName<glname::genBuffer, glname::deleteBuffer>;
using GlVertexArray = GlName<glname::genVertexArray, glname::deleteVertexArray>;
using GlTexture = GlName<glname::genTexture, glname::deleteTexture>;
using GlFramebuffer = GlName<glname::genFramebuffer, glname::deleteFramebuffer>;
using GlQuery = GlName<glname::genQuery, glname::deleteQuery>;
using GlProgram = GlName<nullptr, glname::deleteProgram>;
using GlShader = GlName<nullptr, glname::deleteShader>;

}  // namespace rtr
