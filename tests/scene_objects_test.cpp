#include <gtest/gtest.h>

#include <vector>

#include "scene/point_light.h"
#include "scene/quad.h"
#include "support/gl_context.h"

namespace {

using rtr::scene::PointLight;
using rtr::scene::Quad;
using testsupport::GlContext;

const char* const uvVertex = R"(#version 400 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec2 uv;
out vec2 texCoord;
void main() { texCoord = uv; gl_Position = vec4(position, 1.0); }
)";

const char* const uvFragment = R"(#version 400 core
in vec2 texCoord;
out vec4 fragColor;
void main() { fragColor = vec4(texCoord, 0.0, 1.0); }
)";

class QuadTest : public testing::Test {
  protected:
    GlContext context;
    const GLuint program = testsupport::buildProgram(uvVertex, uvFragment);
};

TEST_F(QuadTest, DrawsTwoTrianglesCoveringTheViewportWithUvZeroAtTheBottomLeft) {
    // A float target, so the read back is not quantised.
    constexpr int size = 16;
    testsupport::OffscreenTarget target(size, GL_RGBA32F, GL_RGBA, GL_FLOAT);
    glClearColor(0.0f, 0.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_CULL_FACE);  // both triangles must face the viewer
    glUseProgram(program);

    Quad quad(glm::mat4(1.0f), nullptr);
    EXPECT_EQ(testsupport::primitivesGeneratedBy([&quad] { quad.draw(); }), 2u);

    std::vector<float> pixels(size * size * 4);
    glReadPixels(0, 0, size, size, GL_RGBA, GL_FLOAT, pixels.data());
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float* p = &pixels[static_cast<size_t>((y * size + x) * 4)];
            // Pixel centres interpolate uv linearly from 0 at the left/bottom edge.
            EXPECT_NEAR(p[0], (x + 0.5f) / size, 1e-4f) << x << "," << y;
            EXPECT_NEAR(p[1], (y + 0.5f) / size, 1e-4f) << x << "," << y;
            EXPECT_EQ(p[3], 1.0f) << "uncovered pixel " << x << "," << y;
        }
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(QuadTest, DestructionDeletesItsBuffersAndArrayOnly) {
    GLuint neighbour = 0;
    glGenBuffers(1, &neighbour);
    glBindBuffer(GL_ARRAY_BUFFER, neighbour);
    auto* quad = new Quad(glm::mat4(1.0f), nullptr);
    const GLuint buffers[] = {quad->positionBuffer, quad->uvBuffer, quad->indexBuffer};
    const GLuint vao = quad->vao;
    for (GLuint buffer : buffers) {
        ASSERT_TRUE(glIsBuffer(buffer));
    }
    delete quad;
    for (GLuint buffer : buffers) {
        EXPECT_FALSE(glIsBuffer(buffer));
    }
    EXPECT_FALSE(glIsVertexArray(vao));
    EXPECT_TRUE(glIsBuffer(neighbour));
    EXPECT_TRUE(glIsProgram(program));
}

TEST(PointLight, OnlyNewAttenuationResetsTheVolumeScale) {
    PointLight light(glm::vec3(1, 2, 3), glm::vec3(0.5f, 0.25f, 1), 20.0f, glm::vec3(1, 0, 0));
    EXPECT_EQ(light.volumeScale, 1.0f);
    EXPECT_EQ(light.modelMatrix, glm::mat4(1.0f));
    light.volumeScale = 15.0f;
    light.setPosition(-1.0f, 4.0f, 2.5f);
    EXPECT_EQ(light.position, glm::vec3(-1.0f, 4.0f, 2.5f));
    EXPECT_EQ(light.volumeScale, 15.0f);
    light.setAttenuation(1.0f, 0.35f, 0.44f);
    EXPECT_EQ(light.attenuation, glm::vec3(1.0f, 0.35f, 0.44f));
    EXPECT_EQ(light.volumeScale, 1.0f);
    EXPECT_EQ(light.position, glm::vec3(-1.0f, 4.0f, 2.5f));
}

}  // namespace
