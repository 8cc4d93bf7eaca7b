#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

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

template <typename T>
std::vector<T> readBuffer(GLenum target, GLuint buffer, size_t count) {
    std::vector<T> data(count);
    glBindBuffer(target, buffer);
    GLint size = 0;
    glGetBufferParameteriv(target, GL_BUFFER_SIZE, &size);
    EXPECT_EQ(static_cast<size_t>(size), count * sizeof(T));
    glGetBufferSubData(target, 0, static_cast<GLsizeiptr>(count * sizeof(T)), data.data());
    glBindBuffer(target, 0);
    return data;
}

// Reads an attribute's recorded state from the currently bound vertex array.
GLint attribute(GLuint location, GLenum what) {
    GLint value = 0;
    glGetVertexAttribiv(location, what, &value);
    return value;
}

GLint boundInteger(GLenum what) {
    GLint value = 0;
    glGetIntegerv(what, &value);
    return value;
}

// A float colour target the size of the context, so the read back is not quantised.
class Target {
  public:
    Target(int width, int height) : width(width), height(height) {
        glGenTextures(1, &colour);
        glBindTexture(GL_TEXTURE_2D, colour);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, width, height, 0, GL_RGBA, GL_FLOAT, nullptr);
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
        glViewport(0, 0, width, height);
    }
    ~Target() {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &framebuffer);
        glDeleteTextures(1, &colour);
    }
    std::vector<float> read() const {
        std::vector<float> pixels(static_cast<size_t>(width * height * 4));
        glReadPixels(0, 0, width, height, GL_RGBA, GL_FLOAT, pixels.data());
        return pixels;
    }
    const int width;
    const int height;
    GLuint colour = 0;
    GLuint framebuffer = 0;
};

class QuadTest : public testing::Test {
  protected:
    GlContext context;
};

TEST_F(QuadTest, UploadsTheCornersAndRecordsFixedLocations) {
    Quad quad(glm::translate(glm::mat4(1.0f), glm::vec3(1.0f, 2.0f, 3.0f)), nullptr);
    EXPECT_EQ(quad.boundingBoxMin, glm::vec3(0.0f));
    EXPECT_EQ(quad.boundingBoxMax, glm::vec3(0.0f));
    EXPECT_EQ(quad.modelMatrix[3], glm::vec4(1.0f, 2.0f, 3.0f, 1.0f));
    EXPECT_EQ(boundInteger(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_EQ(boundInteger(GL_ARRAY_BUFFER_BINDING), 0);

    EXPECT_EQ(readBuffer<float>(GL_ARRAY_BUFFER, quad.positionBuffer, 12),
              (std::vector<float>{-1, 1, 0, -1, -1, 0, 1, 1, 0, 1, -1, 0}));
    EXPECT_EQ(readBuffer<float>(GL_ARRAY_BUFFER, quad.uvBuffer, 8),
              (std::vector<float>{0, 1, 0, 0, 1, 1, 1, 0}));

    glBindVertexArray(quad.vao);
    EXPECT_EQ(boundInteger(GL_ELEMENT_ARRAY_BUFFER_BINDING), static_cast<GLint>(quad.indexBuffer));
    EXPECT_EQ(readBuffer<GLuint>(GL_ELEMENT_ARRAY_BUFFER, quad.indexBuffer, 6),
              (std::vector<GLuint>{0, 1, 2, 1, 3, 2}));
    EXPECT_EQ(attribute(0, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE);
    EXPECT_EQ(attribute(0, GL_VERTEX_ATTRIB_ARRAY_SIZE), 3);
    EXPECT_EQ(attribute(0, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING),
              static_cast<GLint>(quad.positionBuffer));
    EXPECT_EQ(attribute(1, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE);
    EXPECT_EQ(attribute(1, GL_VERTEX_ATTRIB_ARRAY_SIZE), 2);
    EXPECT_EQ(attribute(1, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING),
              static_cast<GLint>(quad.uvBuffer));
    EXPECT_EQ(attribute(2, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_FALSE);
    glBindVertexArray(0);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(QuadTest, CoversTheViewportWithUvZeroAtTheBottomLeft) {
    const GLuint program = testsupport::buildProgram(uvVertex, uvFragment);
    Quad quad(glm::mat4(1.0f), nullptr);
    Target target(16, 16);
    glClearColor(0.0f, 0.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_CULL_FACE);  // both triangles must face the viewer
    glUseProgram(program);
    quad.draw();
    EXPECT_EQ(boundInteger(GL_VERTEX_ARRAY_BINDING), 0);
    const std::vector<float> pixels = target.read();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const float* p = &pixels[static_cast<size_t>((y * 16 + x) * 4)];
            // Pixel centres interpolate uv linearly from 0 at the left/bottom edge.
            EXPECT_NEAR(p[0], (x + 0.5f) / 16.0f, 1e-4f) << x << "," << y;
            EXPECT_NEAR(p[1], (y + 0.5f) / 16.0f, 1e-4f) << x << "," << y;
            EXPECT_EQ(p[3], 1.0f) << "uncovered pixel " << x << "," << y;
        }
    }
    glDisable(GL_CULL_FACE);
    glDeleteProgram(program);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(QuadTest, EachDrawIssuesTheSameTwoTriangles) {
    const GLuint program = testsupport::buildProgram(uvVertex, uvFragment);
    Quad quad(glm::mat4(1.0f), nullptr);
    Target target(4, 4);
    glUseProgram(program);
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    quad.draw();
    quad.draw();
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint primitives = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &primitives);
    EXPECT_EQ(primitives, 4u);
    glDeleteQueries(1, &query);
    glDeleteProgram(program);
}

TEST_F(QuadTest, DestructionDeletesItsBuffersAndArrayOnly) {
    const GLuint program = testsupport::buildProgram(uvVertex, uvFragment);
    GLuint neighbour = 0;
    glGenBuffers(1, &neighbour);
    glBindBuffer(GL_ARRAY_BUFFER, neighbour);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
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
    glDeleteBuffers(1, &neighbour);
    glDeleteProgram(program);
}

TEST(PointLight, StartsWithUnitVolumeAndIdentityTransform) {
    const PointLight light(glm::vec3(1, 2, 3), glm::vec3(0.5f, 0.25f, 1), 20.0f,
                           glm::vec3(1, 0.7f, 1.8f));
    EXPECT_EQ(light.position, glm::vec3(1, 2, 3));
    EXPECT_EQ(light.color, glm::vec3(0.5f, 0.25f, 1));
    EXPECT_EQ(light.intensity, 20.0f);
    EXPECT_EQ(light.attenuation, glm::vec3(1, 0.7f, 1.8f));
    EXPECT_EQ(light.volumeScale, 1.0f);
    EXPECT_EQ(light.modelMatrix, glm::mat4(1.0f));
}

TEST(PointLight, OnlyNewAttenuationResetsTheVolumeScale) {
    PointLight light(glm::vec3(0), glm::vec3(1), 1.0f, glm::vec3(1, 0, 0));
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
