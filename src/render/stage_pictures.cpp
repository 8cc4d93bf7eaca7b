#include "render/stage_pictures.h"

#include <GL/glew.h>
#include <glm/glm.hpp>

#include <algorithm>

#include "app/globals.h"
#include "render/frame_presenter.h"
#include "render/gbuffer.h"
#include "render/occlusion_blur.h"
#include "render/shadow_map.h"
#include "scene/scene_geometry.h"

namespace rtr {

namespace {

std::vector<float> readTexture(GLenum target, GLuint texture, GLenum image, GLenum format,
                               int components, int width, int height) {
    std::vector<float> values(static_cast<std::size_t>(width) * height * components);
    glBindTexture(target, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(image, 0, format, GL_FLOAT, values.data());
    glBindTexture(target, 0);
    return values;
}

std::vector<float> read2D(GLuint texture, GLenum format, int components) {
    return readTexture(GL_TEXTURE_2D, texture, GL_TEXTURE_2D, format, components,
                       renderSize.width, renderSize.height);
}

std::vector<unsigned char> readRgb(GLuint framebuffer, GLenum buffer, PixelRect area) {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(area.width) * area.height * 3);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glReadBuffer(buffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(area.x, area.y, area.width, area.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    return rgb;
}

// The largest side of the room's walls in world units: positions are coloured over it.
float sceneExtent() {
    const glm::mat4& m = wallModel->modelMatrix;
    const glm::vec3 a = glm::vec3(m * glm::vec4(wallModel->boundingBoxMin, 1.0f));
    const glm::vec3 b = glm::vec3(m * glm::vec4(wallModel->boundingBoxMax, 1.0f));
    const glm::vec3 size = glm::abs(b - a);
    return std::max(1.0f, std::max(size.x, std::max(size.y, size.z)));
}

RgbImage shadowCubePicture() {
    std::array<std::vector<float>, 6> faces;
    for (int f = 0; f < 6; ++f) {
        faces[f] = readTexture(GL_TEXTURE_CUBE_MAP, shadowMapFbo->cubeMap,
                               GL_TEXTURE_CUBE_MAP_POSITIVE_X + f, GL_DEPTH_COMPONENT, 1,
                               shadowMapSize, shadowMapSize);
    }
    return shadowCross(faces, shadowMapSize, shadowMapSize / 2, nearPlane, farPlane);
}

RgbImage positionPicture() {
    return positionImage(read2D(gBuffer->positionDepthTexture, GL_RGBA, 4), renderSize.width,
                         renderSize.height, sceneExtent());
}

RgbImage normalPicture() {
    return normalImage(read2D(gBuffer->normalTexture, GL_RGB, 3), renderSize.width,
                       renderSize.height);
}

RgbImage albedoPicture() {
    RgbImage image{renderSize.width, renderSize.height,
                   std::vector<unsigned char>(
                       static_cast<std::size_t>(renderSize.width) * renderSize.height * 3)};
    glBindTexture(GL_TEXTURE_2D, gBuffer->albedoTexture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, image.rgb.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return image;
}

RgbImage rawOcclusionPicture() {
    return greyImage(read2D(gBuffer->ssaoTexture, GL_RED, 1), renderSize.width,
                     renderSize.height);
}

RgbImage blurredOcclusionPicture() {
    return greyImage(read2D(occlusionBlur->blurredTexture, GL_RED, 1), renderSize.width,
                     renderSize.height);
}

RgbImage hdrLightPicture() {
    const std::vector<float> hdr = read2D(gBuffer->hdrColorTexture, GL_RGB, 3);
    return falseColourImage(hdr, renderSize.width, renderSize.height, luminanceRange(hdr));
}

RgbImage finalPicture() {
    return {renderSize.width, renderSize.height, readFrameRgb()};
}

}  // namespace

const std::array<StagePicture, 8> stagePictures = {{
    {"1_shadow_cube.png", "shadow cube of light 0 (near = light)", 0, shadowCubePicture},
    {"2_position.png", "view-space position", 2, positionPicture},
    {"3_normal.png", "view-space normal", 2, normalPicture},
    {"4_albedo.png", "albedo", 2, albedoPicture},
    {"5_ssao_raw.png", "raw SSAO", 3, rawOcclusionPicture},
    {"6_occlusion_blurred.png", "occlusion as the light pass reads it", 3,
     blurredOcclusionPicture},
    {"7_hdr_light.png", "HDR light, log luminance", 4, hdrLightPicture},
    {"8_final.png", "final frame", 5, finalPicture},
}};

LuminanceRange hdrLuminanceRange() {
    return luminanceRange(read2D(gBuffer->hdrColorTexture, GL_RGB, 3));
}

std::vector<unsigned char> readFrameRgb() {
    const GLuint source = framePresenter->frameFramebuffer();
    return readRgb(source, source == 0 ? GL_BACK : GL_COLOR_ATTACHMENT0,
                   PixelRect{0, 0, renderSize.width, renderSize.height});
}

std::vector<unsigned char> readBackBufferRgb(int x, int y, int width, int height) {
    return readRgb(0, GL_BACK, PixelRect{x, y, width, height});
}

}  // namespace rtr
