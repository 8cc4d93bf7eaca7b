#include <gtest/gtest.h>

#include <GL/glew.h>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/globals.h"
#include "gpu/shader_program.h"
#include "render/gbuffer.h"
#include "render/shadow_map.h"
#include "support/gl_context.h"

namespace {

using testsupport::GlContext;

// One integer GL query, e.g. query(glGetTexParameteriv, target, name).
template <typename Query, typename... Args>
GLint query(Query get, Args... args) {
    GLint value = 0;
    get(args..., &value);
    return value;
}

// Format and size of `image` (a 2D target or cube face), sampling of the bound `target`.
void expectTexture(GLenum target, GLenum image, GLint format, GLint width, GLint height,
                   GLint filter, GLint wrap) {
    EXPECT_EQ(query(glGetTexLevelParameteriv, image, 0, GL_TEXTURE_INTERNAL_FORMAT), format);
    EXPECT_EQ(query(glGetTexLevelParameteriv, image, 0, GL_TEXTURE_WIDTH), width);
    EXPECT_EQ(query(glGetTexLevelParameteriv, image, 0, GL_TEXTURE_HEIGHT), height);
    for (GLenum name : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
        EXPECT_EQ(query(glGetTexParameteriv, target, name), filter);
    }
    for (GLenum name : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
        EXPECT_EQ(query(glGetTexParameteriv, target, name), wrap);
    }
}

GLint attachedObject(GLenum attachment) {
    return query(glGetFramebufferAttachmentParameteriv, GL_READ_FRAMEBUFFER, attachment,
                 GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME);
}

template <typename T>
std::vector<T> readTexture(GLenum image, GLuint texture, GLenum format, GLenum type,
                           std::size_t count) {
    std::vector<T> texels(count);
    glBindTexture(image == GL_TEXTURE_2D ? GL_TEXTURE_2D : GL_TEXTURE_CUBE_MAP, texture);
    glGetTexImage(image, 0, format, type, texels.data());
    return texels;
}

constexpr std::size_t targetTexels = 1024 * 768;

// Formats are checked by what survives a round trip through the GPU: float targets keep full
// precision and values above 1, albedo is 8-bit, SSAO has one channel; the SSAO noise is exact.
// An incomplete framebuffer would fail the clears with a GL error.
TEST(GBuffer, TargetsAttachInOrderAndHoldWhatTheGpuWrites) {
    GlContext context;
    const rtr::GBuffer gBuffer;
    EXPECT_EQ(query(glGetIntegerv, GL_DRAW_FRAMEBUFFER_BINDING), 0);
    EXPECT_EQ(query(glGetIntegerv, GL_READ_FRAMEBUFFER_BINDING),
              static_cast<GLint>(gBuffer.framebuffer));
    struct ColourTarget {
        GLuint texture;
        GLint internalFormat;
        int channels;  // the rest read back as 0, alpha as 1
        glm::vec4 written;
        float tolerance;
    };
    const float byte = 0.6f / 255.0f;  // rounding to 8 bits
    const ColourTarget targets[] = {
        {gBuffer.positionDepthTexture, GL_RGBA32F, 4, {1234.5678f, -0.001f, 19.75f, -7.5f}, 0},
        {gBuffer.normalTexture, GL_RGB32F, 3, {-0.6f, 0.8f, 1e-7f, 0.5f}, 0},
        {gBuffer.albedoTexture, GL_RGB, 3, {0.2f, 0.4f, 0.6f, 0.5f}, byte},
        {gBuffer.hdrColorTexture, GL_RGB32F, 3, {600.5f, 14.25f, 1e-3f, 0.5f}, 0},
        {gBuffer.ssaoTexture, GL_RED, 1, {0.5f, 0.9f, 0.9f, 0.5f}, byte},
    };
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, gBuffer.framebuffer);
    const GLenum buffers[] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1, GL_COLOR_ATTACHMENT2,
                              GL_COLOR_ATTACHMENT3, GL_COLOR_ATTACHMENT4};
    glDrawBuffers(5, buffers);
    for (GLint i = 0; i < 5; ++i) {
        glClearBufferfv(GL_COLOR, i, &targets[i].written[0]);
    }
    glClearBufferfi(GL_DEPTH_STENCIL, 0, 0.25f, 7);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);

    for (GLint i = 0; i < 5; ++i) {
        const ColourTarget& target = targets[i];
        SCOPED_TRACE("colour attachment " + std::to_string(i));
        EXPECT_EQ(attachedObject(GL_COLOR_ATTACHMENT0 + i), static_cast<GLint>(target.texture));
        const auto texels =
            readTexture<glm::vec4>(GL_TEXTURE_2D, target.texture, GL_RGBA, GL_FLOAT, targetTexels);
        expectTexture(GL_TEXTURE_2D, GL_TEXTURE_2D, target.internalFormat, 1024, 768, GL_NEAREST,
                      GL_CLAMP_TO_EDGE);
        for (const glm::vec4& texel : {texels[0], texels[targetTexels - 1]}) {
            for (int c = 0; c < 4; ++c) {
                const float expected =
                    c < target.channels ? target.written[c] : (c == 3 ? 1.0f : 0.0f);
                EXPECT_NEAR(texel[c], expected, target.tolerance) << "channel " << c;
            }
        }
    }

    EXPECT_EQ(attachedObject(GL_DEPTH_STENCIL_ATTACHMENT),
              static_cast<GLint>(gBuffer.depthStencilTexture));
    const auto depthStencil =
        readTexture<GLuint>(GL_TEXTURE_2D, gBuffer.depthStencilTexture, GL_DEPTH_STENCIL,
                            GL_UNSIGNED_INT_24_8, targetTexels);
    expectTexture(GL_TEXTURE_2D, GL_TEXTURE_2D, GL_DEPTH_STENCIL, 1024, 768, GL_NEAREST,
                  GL_CLAMP_TO_EDGE);
    EXPECT_NEAR((depthStencil[99] >> 8) / 16777215.0, 0.25, 1e-6);
    EXPECT_EQ(depthStencil[99] & 0xFFu, 7u);

    // Every GBuffer seeds its own engine: a second one gets the same kernel and noise. Vector k
    // of the noise sits in column k mod 4, row k div 4: exactly row-major texel order.
    const rtr::SsaoSamples samples = rtr::makeSsaoSamples();
    const rtr::GBuffer second;
    for (const rtr::GBuffer* g : {&gBuffer, &second}) {
        EXPECT_EQ(g->getSsaoKernel(), samples.kernel);
        EXPECT_EQ(readTexture<glm::vec3>(GL_TEXTURE_2D, g->noiseTexture, GL_RGB, GL_FLOAT, 16),
                  samples.noise);
        expectTexture(GL_TEXTURE_2D, GL_TEXTURE_2D, GL_RGB32F, 4, 4, GL_NEAREST, GL_REPEAT);
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

// Pins the draw order against raw engine outputs: the kernel draws z, y, x, length per sample
// (256 draws), then the noise continues with y before x. The ranges are differences of the
// float bounds, so B spans 0.9f - 0.1f, one step below 0.8f.
TEST(SsaoSamples, KernelAndNoiseFollowOneDefaultSeededEngineIntoTheHemisphere) {
    const rtr::SsaoSamples samples = rtr::makeSsaoSamples();
    ASSERT_EQ(samples.kernel.size(), 64u);
    for (int i = 0; i < 64; ++i) {
        const glm::vec3& sample = samples.kernel[i];
        const float scale = 0.1f + 0.9f * (i / 64.0f) * (i / 64.0f);
        EXPECT_GT(sample.z, 0.0f) << i;
        // The random length factor lies in [0.1, 0.9].
        EXPECT_GE(glm::length(sample), 0.1f * scale * 0.9999f) << i;
        EXPECT_LE(glm::length(sample), 0.9f * scale * 1.0001f) << i;
    }
    EXPECT_LE(glm::length(samples.kernel[0]), 0.09f);
    ASSERT_EQ(samples.noise.size(), 16u);
    for (const glm::vec3& v : samples.noise) {
        EXPECT_EQ(v.z, 0.0f);
        EXPECT_LE(std::max(std::abs(v.x), std::abs(v.y)), 0.8f);
    }

    std::mt19937 engine;
    std::vector<float> unit;
    for (int i = 0; i < 258; ++i) {
        unit.push_back(static_cast<float>(engine()) / 4294967296.0f);
    }
    const float rangeB = 0.9f - 0.1f;
    const auto b = [&](int draw) { return 2.0f * (unit[draw] * rangeB + 0.1f) - 1.0f; };
    const glm::vec3 direction(b(2), b(1), unit[0] * (1.0f - 0.1f) + 0.1f);
    // Scaled by the random length first, then by 0.1 for the first sample.
    EXPECT_EQ(samples.kernel[0], glm::normalize(direction) * (unit[3] * rangeB + 0.1f) * 0.1f);
    EXPECT_EQ(samples.noise[0], glm::vec3(b(257), b(256), 0.0f));
}

// Where the point at light + offset lands in the clip space of one cube face.
glm::vec4 lightSpace(int face, const glm::vec3& light, const glm::vec3& offset) {
    const glm::mat4 toLight = glm::translate(glm::mat4(1.0f), -light);
    return rtr::buildShadowTransforms()[face] * toLight * glm::vec4(light + offset, 1.0f);
}

const glm::vec3 faceAxes[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
const glm::vec3 light(-0.1f, 1.96f, 0.3f);

TEST(ShadowTransforms, FacesLookAlongTheCubeAxesInLayerOrder) {
    const glm::mat4 positiveX(glm::vec4(0, 0, -1, 0), glm::vec4(0, -1, 0, 0),
                              glm::vec4(-1, 0, 0, 0), glm::vec4(0, 0, 0, 1));
    EXPECT_EQ(rtr::cubeFaceViews[0].view, positiveX);
    ASSERT_EQ(rtr::buildShadowTransforms().size(), 6u);
    for (int axis = 0; axis < 6; ++axis) {
        EXPECT_EQ(rtr::cubeFaceViews[axis].face, GL_TEXTURE_CUBE_MAP_POSITIVE_X + axis);
        for (int face = 0; face < 6; ++face) {
            const glm::vec4 p = lightSpace(face, light, 5.0f * faceAxes[axis]);
            const bool inside =
                std::abs(p.x) <= p.w && std::abs(p.y) <= p.w && std::abs(p.z) <= p.w;
            EXPECT_EQ(inside, face == axis) << "point along axis " << axis << ", face " << face;
        }
    }
}

// A caster is drawn only into the faces its box can touch; a face it cannot touch would only
// receive triangles that the geometry shader or the clipper throws away.
TEST(ShadowTransforms, CasterBoxesReachOnlyTheFacesTheyCanTouch) {
    const auto transforms = rtr::buildShadowTransforms();
    std::array<glm::mat4, 6> placed;
    for (int face = 0; face < 6; ++face)
        placed[face] = transforms[face] * glm::translate(glm::mat4(1.0f), -light);
    auto reached = [&](glm::vec3 centre, float halfSize) {
        const rtr::CubeFaces faces = rtr::facesReached(
            light + centre - glm::vec3(halfSize), light + centre + glm::vec3(halfSize), placed);
        return std::vector<int>(faces.faces, faces.faces + faces.count);
    };
    EXPECT_EQ(reached({5.0f, 0.0f, 0.0f}, 0.5f), std::vector<int>({0}));
    EXPECT_EQ(reached({0.0f, 0.0f, -5.0f}, 0.5f), std::vector<int>({5}));
    EXPECT_EQ(reached({0.0f, 0.0f, 0.0f}, 0.5f), std::vector<int>({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(reached({5.0f, 5.0f, 0.0f}, 0.5f), std::vector<int>({0, 2}));  // across an edge
    EXPECT_EQ(reached({30.0f, 0.0f, 0.0f}, 0.5f), std::vector<int>());       // beyond the far plane
}

// Depth-only: the vertex stage places the corners of one triangle, the geometry stage sends it
// to all six layers through the face transforms.
const char* const layeredVertex = R"(#version 400 core
uniform vec3 corners[3];
void main() { gl_Position = vec4(corners[gl_VertexID], 1.0); }
)";

const char* const layeredGeometry = R"(#version 400 core
layout(triangles) in;
layout(triangle_strip, max_vertices = 18) out;
uniform mat4 shadowMatrices[6];
void main() {
    for (int face = 0; face < 6; ++face) {
        for (int i = 0; i < 3; ++i) {
            gl_Layer = face;
            gl_Position = shadowMatrices[face] * gl_in[i].gl_Position;
            EmitVertex();
        }
        EndPrimitive();
    }
}
)";

// A small triangle facing the light around `centre`, in the plane across `axis`.
void drawTriangleAround(GLint cornersSlot, const glm::vec3& centre, const glm::vec3& axis) {
    const glm::vec3 side = std::abs(axis.y) > 0.5f ? glm::vec3(1, 0, 0) : glm::vec3(0, 1, 0);
    const glm::vec3 other = glm::cross(axis, side);
    const glm::vec3 corners[3] = {centre - 0.2f * side - 0.2f * other,
                                  centre + 0.2f * side - 0.2f * other, centre + 0.2f * other};
    glUniform3fv(cornersSlot, 3, &corners[0][0]);
    glDrawArrays(GL_TRIANGLES, 0, 3);
}

// Where a cube sampler looks up direction r on its major face, as texel column and row of a
// 512 x 512 face (OpenGL's cube-map face selection table).
glm::ivec2 sampledTexel(int face, const glm::vec3& r) {
    const float sc[6] = {-r.z, r.z, r.x, r.x, r.x, -r.x};
    const float tc[6] = {-r.y, -r.y, r.z, -r.z, -r.y, -r.y};
    const float ma = std::abs(r[face / 2]);
    const glm::vec2 st(0.5f * (sc[face] / ma + 1.0f), 0.5f * (tc[face] / ma + 1.0f));
    return glm::ivec2(st * 512.0f);
}

// The start-up set-up builds a comparing depth cube; then one shadow pass per axis: only the
// cube face of that axis may receive depth, at the texel a cube sampler reads for that
// direction and at the depth the face's transform predicts. That the pass renders at all proves
// the framebuffer complete and layered.
TEST(ShadowMap, EachFaceTransformRendersIntoItsOwnCubeLayer) {
    GlContext context;
    rtr::ShaderProgram program;
    program.program.reset(testsupport::buildProgram(
        layeredVertex, "#version 400 core\nvoid main() {}\n", layeredGeometry));
    rtr::setUpShadowMapping(program);
    ASSERT_NE(rtr::shadowMapFbo, nullptr);
    ASSERT_EQ(rtr::shadowTransforms.size(), 6u);
    EXPECT_EQ(query(glGetIntegerv, GL_DRAW_FRAMEBUFFER_BINDING), 0);
    EXPECT_EQ(query(glGetIntegerv, GL_READ_FRAMEBUFFER_BINDING), 0);
    glBindTexture(GL_TEXTURE_CUBE_MAP, rtr::shadowMapFbo->cubeMap);
    for (GLenum i = 0; i < 6; ++i) {
        expectTexture(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_CUBE_MAP_POSITIVE_X + i,
                      GL_DEPTH_COMPONENT32F, 512, 512, GL_LINEAR, GL_CLAMP_TO_EDGE);
    }
    EXPECT_EQ(query(glGetTexParameteriv, GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_R), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(query(glGetTexParameteriv, GL_TEXTURE_CUBE_MAP, GL_TEXTURE_COMPARE_MODE),
              GL_COMPARE_REF_TO_TEXTURE);
    EXPECT_EQ(query(glGetTexParameteriv, GL_TEXTURE_CUBE_MAP, GL_TEXTURE_COMPARE_FUNC), GL_LEQUAL);
    // The pass draws through the slots start-up looked up, so wrong slots show as wrong faces.
    program.use();
    GLuint vao = 0;  // the corners come from a uniform, but core profile draws need a VAO
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    const GLint cornersSlot = glGetUniformLocation(program.program, "corners");
    const glm::mat4 toLight = glm::translate(glm::mat4(1.0f), -light);
    for (int i = 0; i < 6; ++i) {
        const glm::mat4 matrix = rtr::shadowTransforms[i] * toLight;
        glUniformMatrix4fv(program.shadowMatrices[i], 1, GL_FALSE, &matrix[0][0]);
    }
    glEnable(GL_DEPTH_TEST);
    glViewport(0, 0, rtr::shadowMapSize, rtr::shadowMapSize);
    const auto at = [](const std::vector<float>& depth, glm::ivec2 texel) {
        return depth[static_cast<std::size_t>(texel.y) * 512 + texel.x];
    };
    for (int axis = 0; axis < 6; ++axis) {
        // Off the face centre in both directions, so a mirrored or turned face shows.
        const glm::vec3 offset = 5.0f * faceAxes[axis] + 1.5f * faceAxes[(axis + 2) % 6] +
                                 1.0f * faceAxes[(axis + 4) % 6];
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, rtr::shadowMapFbo->framebuffer);
        glClear(GL_DEPTH_BUFFER_BIT);
        drawTriangleAround(cornersSlot, light + offset, faceAxes[axis]);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        const glm::vec4 clip = lightSpace(axis, light, offset);
        const glm::ivec2 texel = sampledTexel(axis, offset);
        for (GLenum face = 0; face < 6; ++face) {
            const auto depth = readTexture<float>(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face,
                                                  rtr::shadowMapFbo->cubeMap, GL_DEPTH_COMPONENT,
                                                  GL_FLOAT, 512 * 512);
            const std::size_t covered =
                std::count_if(depth.begin(), depth.end(), [](float d) { return d < 1.0f; });
            SCOPED_TRACE("axis " + std::to_string(axis) + ", face " + std::to_string(face));
            if (static_cast<int>(face) != axis) {
                EXPECT_EQ(covered, 0u);
                continue;
            }
            EXPECT_GT(covered, 100u);
            EXPECT_NEAR(at(depth, texel), 0.5f * (clip.z / clip.w) + 0.5f, 1e-5f);
            EXPECT_EQ(at(depth, glm::ivec2(511 - texel.x, texel.y)), 1.0f);
            EXPECT_EQ(at(depth, glm::ivec2(texel.x, 511 - texel.y)), 1.0f);
        }
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
    glDeleteVertexArrays(1, &vao);
    delete rtr::shadowMapFbo;
    rtr::shadowMapFbo = nullptr;
}

}  // namespace
