#include "gpu/particle_system.h"

#include <vector>

#include "app/globals.h"
#include "scene/texture.h"

namespace rtr {

namespace {

std::vector<Particle> initialParticles(const glm::vec3& emitterPosition) {
    std::vector<Particle> particles(particleCapacity, Particle{});
    const Particle launcher{
        0.0f, emitterPosition, glm::vec3(0.0f), 0.0f, glm::vec3(1.0f, 1.0f, 0.6f), 500000.0f};
    particles[0] = launcher;
    particles[1] = launcher;
    return particles;
}

}  // namespace

ParticleSystem::ParticleSystem(const glm::vec3& emitterPosition)
    : emitterPosition(emitterPosition),
      updateProgram(particleUpdateProgram),
      drawProgram(particleDrawProgram) {}

void ParticleSystem::initBuffers() {
    const std::vector<Particle> particles = initialParticles(emitterPosition);
    sourceBuffer = 1;
    feedbackBuffer = 0;
    for (int i = 0; i < 2; ++i) {
        vertexArrays[i] = GlVertexArray::create();
        particleBuffers[i] = GlBuffer::create();
    }
    glBindBuffer(GL_ARRAY_BUFFER, particleBuffers[sourceBuffer]);
    glBufferData(GL_ARRAY_BUFFER, particleBufferBytes, particles.data(), GL_DYNAMIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, particleBuffers[feedbackBuffer]);
    glBufferData(GL_ARRAY_BUFFER, particleBufferBytes, nullptr, GL_DYNAMIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    query = GlQuery::create();
}

void loadParticleTexture(const char* path) {
    if (particleSystem == nullptr) {
        return;
    }
    GLuint texture = 0;
    if (scene::loadTextureFile(path, &texture)) {
        particleSystem->particleTexture.reset(texture);
        particleSystem->textureLoaded = true;
    }
}

}  // namespace rtr
