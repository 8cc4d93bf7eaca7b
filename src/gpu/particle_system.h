#pragma once

// A transform-feedback particle emitter: the update program's geometry stage reads the
// particles of the source buffer and writes the next generation into the feedback buffer; the
// draw program turns each particle into a textured billboard.

#include <glm/glm.hpp>

#include <cstddef>

#include "gpu/gl_name.h"

namespace rtr {

class ShaderProgram;

// One particle record, laid out exactly as the update stage captures its varyings.
struct Particle {
    float type;  // 0 launches new particles, 1 is a launched shell
    glm::vec3 position;
    glm::vec3 velocity;
    float age;  // seconds
    glm::vec3 color;
    float lifetime;  // seconds
};
static_assert(sizeof(Particle) == 48, "the captured varyings are twelve tightly packed floats");

inline constexpr std::size_t particleCapacity = 1900;
inline constexpr std::size_t particleBufferBytes = particleCapacity * sizeof(Particle);

class ParticleSystem {
  public:
    // Takes the two particle programs from their program-wide pointers; creates no GL object.
    explicit ParticleSystem(const glm::vec3& emitterPosition);

    // Creates both buffers (the source one holding two launchers at the emitter), the two
    // vertex arrays and the query object.
    void initBuffers();

    glm::vec3 emitterPosition;
    ShaderProgram* updateProgram = nullptr;  // not owned
    ShaderProgram* drawProgram = nullptr;    // not owned
    bool textureLoaded = false;
    GlTexture particleTexture;
    GlBuffer particleBuffers[2];
    GlQuery query;
    GlVertexArray vertexArrays[2];
    unsigned sourceBuffer = 0;
    unsigned feedbackBuffer = 0;
};

// Loads the billboard texture of the program-wide particle system; a file that cannot be
// decoded leaves it without texture, silently.
void loadParticleTexture(const char* path);

}  // namespace rtr
