#include "render/shadow_map.h"

#include <glm/gtc/constants.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <array>
#include <iostream>
#include <string>

#include "app/globals.h"
#include "gpu/shader_program.h"

namespace rtr {

namespace {

CubeFaceView faceView(GLenum face, const glm::vec3& direction, const glm::vec3& up) {
    return CubeFaceView{face, glm::lookAt(glm::vec3(0.0f), direction, up)};
}

void setCubeMapSampling() {
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
    // Hardware comparison lets a shadow sampler filter the lit/shadowed results.
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
}

void allocateCubeFaces() {
    for (GLenum i = 0; i < 6; ++i) {
        glTexImage2D(GL_TEXTURE_CUBE_MAP_POSITIVE_X + i, 0, GL_DEPTH_COMPONENT32F, shadowMapSize,
                     shadowMapSize, 0, GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
    }
}

// True when every point lies beyond the same one of the six clip planes.
bool allOutsideOneClipPlane(const std::array<glm::vec4, 8>& clip) {
    for (int axis = 0; axis < 3; ++axis) {
        bool allAbove = true;
        bool allBelow = true;
        for (const glm::vec4& p : clip) {
            allAbove = allAbove && p[axis] > p.w;
            allBelow = allBelow && p[axis] < -p.w;
        }
        if (allAbove || allBelow)
            return true;
    }
    return false;
}

}  // namespace

const std::array<CubeFaceView, 6> cubeFaceViews = {
    faceView(GL_TEXTURE_CUBE_MAP_POSITIVE_X, {1.0f, 0.0f, 0.0f}, {0.0f, -1.0f, 0.0f}),
    faceView(GL_TEXTURE_CUBE_MAP_NEGATIVE_X, {-1.0f, 0.0f, 0.0f}, {0.0f, -1.0f, 0.0f}),
    faceView(GL_TEXTURE_CUBE_MAP_POSITIVE_Y, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}),
    faceView(GL_TEXTURE_CUBE_MAP_NEGATIVE_Y, {0.0f, -1.0f, 0.0f}, {0.0f, 0.0f, -1.0f}),
    faceView(GL_TEXTURE_CUBE_MAP_POSITIVE_Z, {0.0f, 0.0f, 1.0f}, {0.0f, -1.0f, 0.0f}),
    faceView(GL_TEXTURE_CUBE_MAP_NEGATIVE_Z, {0.0f, 0.0f, -1.0f}, {0.0f, -1.0f, 0.0f}),
};

void ShadowMapFBO::init() {
    framebuffer = GlFramebuffer::create();
    cubeMap = GlTexture::create();
    glBindTexture(GL_TEXTURE_CUBE_MAP, cubeMap);
    setCubeMapSampling();
    allocateCubeFaces();
    glBindTexture(GL_TEXTURE_CUBE_MAP, 0);

    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    // The whole cube as one layered attachment: a geometry shader picks the face by gl_Layer.
    glFramebufferTexture(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, cubeMap, 0);
    // A 4.3 entry point; the layered attachment alone already fixes the size where it is
    // missing.
    if (glFramebufferParameteri != nullptr) {
        glFramebufferParameteri(GL_FRAMEBUFFER, GL_FRAMEBUFFER_DEFAULT_WIDTH, shadowMapSize);
        glFramebufferParameteri(GL_FRAMEBUFFER, GL_FRAMEBUFFER_DEFAULT_HEIGHT, shadowMapSize);
    }
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        std::cout << "ERROR ShadowMapFBO: FBO not intialized" << std::endl;
    }
    // Unbound in either case, so nothing drawn before the first frame lands in an incomplete
    // framebuffer.
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

glm::mat4 shadowProjection() {
    return glm::perspective(glm::half_pi<float>(), 1.0f, nearPlane, farPlane);
}

std::vector<glm::mat4> buildShadowTransforms() {
    const glm::mat4 faceProjection = shadowProjection();
    std::vector<glm::mat4> transforms;
    transforms.reserve(cubeFaceViews.size());
    for (const CubeFaceView& face : cubeFaceViews) {
        transforms.push_back(faceProjection * face.view);
    }
    return transforms;
}

void lookUpShadowMatrixSlots(ShaderProgram& program) {
    for (int i = 0; i < 6; ++i) {
        const std::string name = "shadowMatrices[" + std::to_string(i) + "]";
        program.shadowMatrices[i] = ShaderProgram::uniformLocation(program.program, name.c_str());
    }
    program.faceCount = ShaderProgram::uniformLocation(program.program, "faceCount");
    program.faces = ShaderProgram::uniformLocation(program.program, "faces");
}

CubeFaces facesReached(const glm::vec3& boxMin, const glm::vec3& boxMax,
                       const std::array<glm::mat4, 6>& faceTransforms) {
    CubeFaces reached;
    for (int face = 0; face < 6; ++face) {
        std::array<glm::vec4, 8> corners;
        for (int c = 0; c < 8; ++c) {
            const glm::vec3 corner((c & 1) ? boxMax.x : boxMin.x, (c & 2) ? boxMax.y : boxMin.y,
                                   (c & 4) ? boxMax.z : boxMin.z);
            corners[c] = faceTransforms[face] * glm::vec4(corner, 1.0f);
        }
        if (!allOutsideOneClipPlane(corners))
            reached.faces[reached.count++] = face;
    }
    return reached;
}

void setUpShadowMapping(ShaderProgram& shadowMapProgram) {
    shadowMapFbo = new ShadowMapFBO;
    shadowMapFbo->init();
    shadowTransforms = buildShadowTransforms();
    lookUpShadowMatrixSlots(shadowMapProgram);
}

}  // namespace rtr
