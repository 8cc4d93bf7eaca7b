#include "gpu/particle_system.h"

#include <gtest/gtest.h>

#include <FreeImage.h>
#include <glm/gtc/matrix_transform.hpp>

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "gpu/shader_program.h"
#include "support/gl_context.h"
#include "support/sandbox.h"

using rtr::Particle;
using rtr::ParticleSystem;
using rtr::ShaderProgram;

namespace {

// One particle program as start-up builds it, from shader files of the repository.
ShaderProgram* buildProgram(std::initializer_list<std::pair<GLenum, const char*>> shaders,
                            bool captureParticles) {
    auto* program = new ShaderProgram();
    for (const auto& [stage, name] : shaders) {
        program->addShader(stage, testsupport::repoPath(std::string("Shader/") + name).string());
    }
    program->linkTransformFeedback(captureParticles);
    program->use();
    return program;
}

// Feeds the records of `buffer` to the programs through `vertexArray`, field for field.
void describeParticles(GLuint vertexArray, GLuint buffer) {
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    const GLint sizes[] = {1, 3, 3, 1, 3, 1};
    std::size_t offset = 0;
    for (GLuint location = 0; location < 6; ++location) {
        glEnableVertexAttribArray(location);
        glVertexAttribPointer(location, sizes[location], GL_FLOAT, GL_FALSE, sizeof(Particle),
                              reinterpret_cast<const void*>(offset));
        offset += static_cast<std::size_t>(sizes[location]) * sizeof(float);
    }
}

std::vector<Particle> readParticles(GLuint buffer, std::size_t count) {
    std::vector<Particle> particles(count);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(count * sizeof(Particle)),
                       particles.data());
    return particles;
}

void expectVec(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-6f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

class ParticleSystemGl : public ::testing::Test {
  protected:
    void SetUp() override {
        rtr::particleUpdateProgram = buildProgram({{GL_VERTEX_SHADER, "PassParticle.vert"},
                                                   {GL_GEOMETRY_SHADER, "TransformParticle.geom"}},
                                                  true);
        rtr::particleUpdateProgram->deltaT =
            ShaderProgram::uniformLocation(rtr::particleUpdateProgram->program, "deltaT");
        rtr::particleDrawProgram = buildProgram({{GL_VERTEX_SHADER, "PassCopy.vert"},
                                                 {GL_GEOMETRY_SHADER, "ParticleTex.geom"},
                                                 {GL_FRAGMENT_SHADER, "ParticleDraw.frag"}},
                                                false);
        glUniform1f(uniform("gBillboardSize"), 0.2f);
        system = std::make_unique<ParticleSystem>(glm::vec3(-0.1f, 1.7f, -2.9f));
        system->initBuffers();
        rtr::particleSystem = system.get();
    }
    void TearDown() override {
        rtr::particleSystem = nullptr;
        system.reset();
        delete rtr::particleUpdateProgram;
        delete rtr::particleDrawProgram;
        rtr::particleUpdateProgram = rtr::particleDrawProgram = nullptr;
    }
    static GLint uniform(const char* name) {
        return glGetUniformLocation(rtr::particleDrawProgram->program, name);
    }

    // One update step from the source into the feedback buffer; returns the records written.
    std::vector<Particle> step(float deltaT, GLsizei inputCount) {
        rtr::particleUpdateProgram->use();
        glUniform1f(rtr::particleUpdateProgram->deltaT, deltaT);
        describeParticles(system->vertexArrays[system->sourceBuffer],
                          system->particleBuffers[system->sourceBuffer]);
        glEnable(GL_RASTERIZER_DISCARD);
        glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0,
                         system->particleBuffers[system->feedbackBuffer]);
        glBeginQuery(GL_TRANSFORM_FEEDBACK_PRIMITIVES_WRITTEN, system->query);
        glBeginTransformFeedback(GL_POINTS);
        glDrawArrays(GL_POINTS, 0, inputCount);
        glEndTransformFeedback();
        glEndQuery(GL_TRANSFORM_FEEDBACK_PRIMITIVES_WRITTEN);
        glDisable(GL_RASTERIZER_DISCARD);
        GLuint written = 0;
        glGetQueryObjectuiv(system->query, GL_QUERY_RESULT, &written);
        std::vector<Particle> out =
            readParticles(system->particleBuffers[system->feedbackBuffer], written);
        std::swap(system->sourceBuffer, system->feedbackBuffer);
        return out;
    }

    testsupport::GlContext context;
    std::unique_ptr<ParticleSystem> system;
};

}  // namespace

TEST_F(ParticleSystemGl, BuffersHoldTwoLaunchersAtTheEmitter) {
    for (GLuint buffer : system->particleBuffers) {
        GLint size = 0;
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
        EXPECT_EQ(size, 91200);
    }
    ASSERT_EQ(system->sourceBuffer, 1u);
    const std::vector<Particle> records =
        readParticles(system->particleBuffers[1], rtr::particleCapacity);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(records[i].type, 0.0f);
        expectVec(records[i].position, {-0.1f, 1.7f, -2.9f});
        expectVec(records[i].velocity, glm::vec3(0.0f));
        EXPECT_EQ(records[i].age, 0.0f);
        expectVec(records[i].color, {1.0f, 1.0f, 0.6f});
        EXPECT_EQ(records[i].lifetime, 500000.0f);
    }
    for (std::size_t i = 2; i < records.size(); ++i) {
        ASSERT_EQ(records[i].position, glm::vec3(0.0f)) << i;
        ASSERT_EQ(records[i].color, glm::vec3(0.0f)) << i;
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ParticleSystemGl, UpdateStageLaunchesMovesAndRetiresShells) {
    std::vector<Particle> first = step(0.06f, 2);
    ASSERT_EQ(first.size(), 4u);  // each launcher fired one shell and stayed
    int launchers = 0;
    for (const Particle& p : first) {
        expectVec(p.position, {-0.1f, 1.7f, -2.9f});
        if (p.type == 0.0f) {
            ++launchers;
            EXPECT_EQ(p.age, 0.0f);
            EXPECT_EQ(p.lifetime, 500000.0f);
        } else {
            EXPECT_EQ(p.type, 1.0f);
            EXPECT_GT(p.velocity.y, 0.9f);
            EXPECT_GE(p.lifetime, 1.5f);
            EXPECT_LE(p.lifetime, 2.5f);
        }
    }
    EXPECT_EQ(launchers, 2);

    const std::vector<Particle> second = step(0.01f, 4);
    ASSERT_EQ(second.size(), 4u);  // too soon for another launch
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(second[i].age, first[i].age + 0.01f, 1e-6f);
        expectVec(second[i].position, first[i].position + first[i].velocity * 0.01f, 1e-5f);
    }
    const std::vector<Particle> third = step(3.0f, 4);
    ASSERT_EQ(third.size(), 4u);  // shells expired, launchers fired fresh ones
    for (const Particle& p : third) {
        EXPECT_EQ(p.age, 0.0f);
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ParticleSystemGl, MissingTextureIsSilentAndALoadedOneTintsTheBillboard) {
    testsupport::TempDir dir;
    ::testing::internal::CaptureStdout();
    rtr::loadParticleTexture((dir.path() / "particle.png").c_str());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(system->textureLoaded);
    EXPECT_EQ(system->particleTexture, 0u);

    FIBITMAP* image = FreeImage_Allocate(8, 8, 32);
    std::memset(FreeImage_GetBits(image), 0xff, FreeImage_GetPitch(image) * 8);
    const std::string png = (dir.path() / "white.png").string();
    ASSERT_TRUE(FreeImage_Save(FIF_PNG, image, png.c_str()));
    FreeImage_Unload(image);
    rtr::loadParticleTexture(png.c_str());
    ASSERT_TRUE(system->textureLoaded);
    ASSERT_TRUE(glIsTexture(system->particleTexture));

    // The two launchers, seen from one unit in front of the emitter.
    const int size = 200;
    testsupport::OffscreenTarget target(size, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE);
    glBindTexture(GL_TEXTURE_2D, system->particleTexture);
    describeParticles(system->vertexArrays[1], system->particleBuffers[1]);
    rtr::particleDrawProgram->use();
    const glm::mat4 view = glm::translate(glm::mat4(1.0f), -system->emitterPosition);
    const glm::vec3 eye = system->emitterPosition + glm::vec3(0.0f, 0.0f, 1.0f);
    glUniformMatrix4fv(uniform("gVP"), 1, GL_FALSE, &view[0][0]);
    glUniform3fv(uniform("gCameraPos"), 1, &eye[0]);
    glUniform1i(uniform("gColorMap"), 0);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_CULL_FACE);  // the demo culls back faces; the billboard must survive it
    glDrawArrays(GL_POINTS, 0, 2);

    std::vector<unsigned char> row(size * 4);
    glReadPixels(0, size / 2, size, 1, GL_RGBA, GL_UNSIGNED_BYTE, row.data());
    int lit = 0;
    for (int x = 0; x < size; ++x) {
        lit += row[x * 4] > 0 ? 1 : 0;
    }
    EXPECT_NEAR(lit, 20, 1);  // 0.2 of the 2-unit wide view
    EXPECT_EQ(row[(size / 2) * 4 + 0], 255);
    EXPECT_EQ(row[(size / 2) * 4 + 2], 153);
    EXPECT_EQ(row[0], 0);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());

    rtr::particleSystem = nullptr;
    rtr::loadParticleTexture(png.c_str());  // no emitter: nothing to load into
}
