#include "render/render_passes.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <iterator>
#include <string>
#include <type_traits>

#include "app/globals.h"
#include "camera/camera.h"
#include "gpu/shader_program.h"
#include "render/background_fill.h"
#include "render/frame_presenter.h"
#include "render/frustum.h"
#include "render/gbuffer.h"
#include "render/occlusion_blur.h"
#include "render/shadow_map.h"
#include "scene/point_light.h"
#include "scene/scene_layout.h"
#include "scene/scene_lights.h"
#include "scene/quad.h"
#include "scene/scene_geometry.h"
#include "scene/scene_geometry_tess.h"

namespace rtr {

namespace {

// Per-frame camera values shared by the stages of one frame.
struct FrameMatrices {
    glm::mat4 view{1.0f};
    glm::mat4 inverseView{1.0f};
    glm::mat4 projectionView{1.0f};
};
FrameMatrices frame;

const glm::vec3 kNoOverrideColor(-1.0f);

// Booleans reach the shaders as 1 and -1; 0 never means "off".
GLint shaderSwitch(bool on) {
    return on ? 1 : -1;
}

void setMatrix(GLint location, const glm::mat4& m) {
    glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(m));
}

void bindTexture2D(GLenum unit, GLuint texture) {
    glActiveTexture(unit);
    glBindTexture(GL_TEXTURE_2D, texture);
}

// The box of the volume mesh, placed like the volume: a conservative test, so a light whose
// sphere reaches into the view is always drawn.
bool lightVolumeVisible(const glm::mat4& model) {
    return isInFrustum(lightSphere->boundingBoxMin, lightSphere->boundingBoxMax, model);
}

// Each caster goes only to the cube faces its bounding box reaches. The geometry shader loops
// over exactly those, and a loop bound by a uniform is work a software rasteriser really skips,
// while its per-triangle test runs for every face it is given.
void drawShadowCaster(scene::SceneGeometry* model, const std::array<glm::mat4, 6>& faceMatrices) {
    ShaderProgram& shadow = *shadowMapProgram;
    std::array<glm::mat4, 6> placed;
    for (std::size_t face = 0; face < placed.size(); ++face)
        placed[face] = faceMatrices[face] * model->modelMatrix;
    const CubeFaces reached = facesReached(model->boundingBoxMin, model->boundingBoxMax, placed);
    if (reached.count == 0)
        return;
    setMatrix(shadow.mMatrix, model->modelMatrix);
    glUniform1i(shadow.faceCount, reached.count);
    glUniform1iv(shadow.faces, reached.count, reached.faces);
    model->draw();
}

void drawSceneModels(bool culling) {
    for (scene::SceneGeometry* model : sceneModels) {
        const bool visible = isInFrustum(*model);
        if (visible || !culling) {
            setMatrix(deferredGeomProgram->modelViewMatrix, frame.view * model->modelMatrix);
            model->bindTextures();
            model->draw();
        }
    }
}

// Models that share a material bind it once, from the first one that loaded textures: one
// whose file failed to import has none, and binding it would leave the previous model's
// textures on all the others.
template <typename Models>
auto firstTextured(const Models& models) -> std::decay_t<decltype(*std::begin(models))> {
    for (auto* model : models) {
        if (model != nullptr && !model->textures.empty())
            return model;
    }
    return nullptr;
}

void drawRolls() {
    // All rolls share one material: one bind for ten draws.
    if (scene::SceneGeometry* textured = firstTextured(rolls))
        textured->bindTextures();
    for (scene::SceneGeometry* roll : rolls) {
        setMatrix(deferredGeomProgram->modelViewMatrix, frame.view * roll->modelMatrix);
        roll->draw();
    }
}

void drawLampMarkers() {
    for (std::size_t i = 0; i < pointLights.size(); ++i) {
        if (!scene::lightRowAt(i).marker)
            continue;
        const scene::PointLight& light = *pointLights[i];
        const glm::mat4 model =
            glm::scale(glm::translate(glm::mat4(1.0f), light.position), glm::vec3(0.03f));
        setMatrix(deferredGeomProgram->modelViewMatrix, frame.view * model);
        glUniform3fv(deferredGeomProgram->overrideColor, 1, glm::value_ptr(light.color));
        lampSphere->draw();
    }
}

// False when no part of a displaced object can reach the view. The relief moves its surface by
// at most `dispFactor` along unit normals; a centimetre more covers rounding. The box is taken
// as drawn: in world space, whatever the object's model matrix says.
bool reliefMayReachView(const scene::SceneObject& object, float dispFactor) {
    const glm::vec3 reach(dispFactor + 0.01f);
    return isInFrustum(object.boundingBoxMin - reach, object.boundingBoxMax + reach,
                       glm::mat4(1.0f));
}

// Whatever the culling switch says, an object out of view is not submitted: the control stage
// would drop each of its patches, but a software rasteriser still spends time on every one.
void drawTessellatedObjects(bool culling) {
    ShaderProgram& program = *displaceShaderProgram;
    const float tessellationOn = RenderSettings.tessellation ? 1.0f : 0.0f;
    const float vesselDisplacement = RenderSettings.vesselDisplacement * tessellationOn;
    const float wallDisplacement = RenderSettings.wallDisplacement * tessellationOn;
    // The vessel and walls are modelled in world space: one model-view matrix serves them all.
    setMatrix(program.modelViewMatrix, frame.view);
    if ((isInFrustum(*vesselTess) || !culling) &&
        reliefMayReachView(*vesselTess, vesselDisplacement)) {
        glUniform1i(program.LoD, 1);
        glUniform1f(program.gDispFactor, vesselDisplacement);
        vesselTess->bindTextures();
        vesselTess->draw();
    }
    glUniform1i(program.LoD, 0);
    glUniform1f(program.gDispFactor, wallDisplacement);
    // The five walls share one material: one bind for all of them.
    const auto walls = tessellatedWalls();
    if (scene::SceneGeometryTess* textured = firstTextured(walls))
        textured->bindTextures();
    for (scene::SceneGeometryTess* wall : walls) {
        if ((culling && !isInFrustum(*wall)) || !reliefMayReachView(*wall, wallDisplacement))
            continue;
        wall->draw();
    }
}

// Marks the G-buffer pixels whose surface lies inside the light's sphere: back faces behind
// the surface count up, front faces behind it count down, leaving non-zero exactly inside.
void markLightVolume(const glm::mat4& mvp) {
    // Masking colour writes keeps the HDR target selected; switching the draw buffer away and
    // back for every light made the driver revalidate the framebuffer twice per light.
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glClear(GL_STENCIL_BUFFER_BIT);
    glStencilFunc(GL_ALWAYS, 0, 0);
    glStencilOpSeparate(GL_BACK, GL_KEEP, GL_INCR_WRAP, GL_KEEP);
    glStencilOpSeparate(GL_FRONT, GL_KEEP, GL_DECR_WRAP, GL_KEEP);
    deferredStencilProgram->use();
    setMatrix(deferredStencilProgram->mvpMatrix, mvp);
    stencilSphere->draw();
}

// True when the eye lies inside the volume mesh placed by `model`. Every face of the mesh then
// faces away from the eye, so marking would count no front faces: a surface is inside exactly
// where the one back face in front of its pixel is not nearer than the surface.
bool eyeInsideVolume(const glm::mat4& model) {
    // The mesh is inscribed in its unit sphere and its faces keep more than 0.97 of the radius
    // from the centre; 0.9 leaves room for rounding.
    constexpr float kInnerRadius = 0.9f;
    const float scale =
        std::min({glm::length(glm::vec3(model[0])), glm::length(glm::vec3(model[1])),
                  glm::length(glm::vec3(model[2]))});
    return glm::distance(camera->position, glm::vec3(model[3])) < kInnerRadius * scale;
}

// Adds one light over the pixels whose surface lies inside its volume. Back faces are drawn so
// the volume still covers the screen when the camera is inside it. From outside, the marks of
// markLightVolume select the pixels; from inside, the depth test alone does, and the marking
// pass is skipped (the same pixels, see eyeInsideVolume).
void shadeLightVolume(std::size_t index, const glm::mat4& mvp, bool fromInside) {
    const scene::PointLight& light = *pointLights[index];
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glEnable(GL_BLEND);
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    if (fromInside) {
        glDisable(GL_STENCIL_TEST);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_GEQUAL);
    } else {
        glEnable(GL_STENCIL_TEST);
        glStencilFunc(GL_NOTEQUAL, 0, 0xFF);
        glDisable(GL_DEPTH_TEST);
    }

    // Only light 0 has a shadow map; the others use the build without the shadow code.
    ShaderProgram& program = index == 0 ? *deferredLightProgram : *deferredLightUnshadowedProgram;
    program.use();
    setMatrix(program.mvpMatrix, mvp);
    const glm::vec3 viewPosition = glm::vec3(frame.view * glm::vec4(light.position, 1.0f));
    glUniform3fv(program.lightPosition, 1, glm::value_ptr(viewPosition));
    glUniform3fv(program.lightColor, 1, glm::value_ptr(light.color));
    glUniform1f(program.lightIntensity, light.intensity);
    glUniform3fv(program.attenuationFactors, 1, glm::value_ptr(light.attenuation));
    glUniform1i(program.useSSAO, shaderSwitch(RenderSettings.ssao));
    glUniform1i(program.useShadowMap, shaderSwitch(index == 0));
    lightSphere->draw();

    glCullFace(GL_BACK);
    glDisable(GL_BLEND);
    if (fromInside) {
        glDepthFunc(GL_LESS);
        glDisable(GL_DEPTH_TEST);
    }
}

// The values every light of the frame shares. A slot the program lacks is -1 and its call does
// nothing: the shadow map in the unshadowed build, and gSSAO, which both builds read through
// its blurred copy instead.
void setLightPassUniforms(ShaderProgram& light) {
    light.use();
    glUniform1i(light.gPosition, 0);
    glUniform1i(light.gNormal, 1);
    glUniform1i(light.gAlbedo, 2);
    glUniform1i(light.gSSAO, 3);
    glUniform1i(light.gBlurredSSAO, 4);
    glUniform2f(light.screensize, static_cast<float>(renderSize.width),
                static_cast<float>(renderSize.height));
    glUniform1i(light.gShadowMap, 5);
    setMatrix(light.inverseView, frame.inverseView);
}

}  // namespace

void renderShadowPass() {
    glEnable(GL_DEPTH_TEST);
    shadowMapProgram->use();
    const glm::vec3 lightPosition = pointLights.front()->position;
    glUniform3fv(shadowMapProgram->lightPos, 1, glm::value_ptr(lightPosition));
    const glm::mat4 toLight = glm::translate(glm::mat4(1.0f), -lightPosition);
    std::array<glm::mat4, 6> faceMatrices;
    for (std::size_t face = 0; face < faceMatrices.size(); ++face)
        faceMatrices[face] = shadowTransforms[face] * toLight;

    glDepthMask(GL_TRUE);
    glViewport(0, 0, shadowMapSize, shadowMapSize);
    // Culling front faces stores the far side of closed casters, so lit surfaces never compare
    // against themselves; the offset covers the remaining slope-dependent error.
    glCullFace(GL_FRONT);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.1f, 4.0f);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, shadowMapFbo->framebuffer);
    for (std::size_t face = 0; face < faceMatrices.size(); ++face) {
        setMatrix(shadowMapProgram->shadowMatrices[face], faceMatrices[face]);
    }
    glClear(GL_DEPTH_BUFFER_BIT);

    if (RenderSettings.shadows) {
        for (scene::SceneGeometry* model : sceneModels) drawShadowCaster(model, faceMatrices);
        for (scene::SceneGeometry* roll : rolls) drawShadowCaster(roll, faceMatrices);
        drawShadowCaster(wallModel, faceMatrices);
    }

    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, renderSize.width, renderSize.height);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glCullFace(GL_BACK);
}

void updateCameraMatrices() {
    // The aspect ratio is the render targets', whatever the window around them looks like.
    projection = glm::perspective(fovy, renderSize.aspect(), nearPlane, farPlane);
    frame.view = camera->viewMatrix();
    frame.inverseView = glm::inverse(frame.view);
    frame.projectionView = projection * frame.view;
    extractFrustumPlanes(frame.projectionView);
}

void renderGeometryPass() {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, gBuffer->framebuffer);
    glDrawBuffer(GL_COLOR_ATTACHMENT3);
    glClear(GL_COLOR_BUFFER_BIT);
    if (RenderSettings.wireframe)
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    const GLenum geometryTargets[3] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1,
                                       GL_COLOR_ATTACHMENT2};
    glDrawBuffers(3, geometryTargets);
    glDepthMask(GL_TRUE);
    // Depth only: the background fill below gives the pixels no surface covers their cleared
    // values, and every other pixel is written by its surface.
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);

    ShaderProgram& geom = *deferredGeomProgram;
    geom.use();
    setMatrix(geom.projectionMatrix, projection);
    glUniform1i(geom.debug, shaderSwitch(RenderSettings.debug));
    glUniform3fv(geom.overrideColor, 1, glm::value_ptr(kNoOverrideColor));
    drawSceneModels(RenderSettings.culling);
    drawRolls();
    drawLampMarkers();

    ShaderProgram& displace = *displaceShaderProgram;
    displace.use();
    glUniform1i(displace.debug, shaderSwitch(RenderSettings.debug));
    glUniform3fv(displace.gEyeWorldPos, 1, glm::value_ptr(camera->position));
    setMatrix(displace.gVP, projection);
    setMatrix(displace.inverseView, frame.inverseView);
    // The planes updateCameraMatrices() extracted, for dropping patches out of view.
    glUniform4fv(displace.frustumPlanes, 6, glm::value_ptr(frustumPlanes[0]));
    drawTessellatedObjects(RenderSettings.culling);

    if (RenderSettings.wireframe)
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDepthMask(GL_FALSE);
    backgroundFill->apply(*ssaoQuad);
    glDisable(GL_DEPTH_TEST);
}

std::string ssaoDefines(const RenderSettingsRecord& settings) {
    std::string defines =
        "#define SAMPLE_COUNT " + std::to_string(std::lround(settings.ssaoKernelSize)) + "\n";
    if (settings.ssaoPower != RenderSettingsRecord().ssaoPower)
        defines += "#define ANY_OCCLUSION_POWER\n";
    return defines;
}

namespace {

// The occlusion shader is compiled for one kernel size, so its loop unrolls, and for the
// show's power, which it raises to without pow(): a change of either builds it again. A build
// that fails keeps the program drawing as it was; its log waits where a shader reload shows it.
void followSsaoSettings() {
    ShaderStageFile& fragment = ssaoShaderProgram->stageFiles.back();
    const std::string wanted = ssaoDefines(RenderSettings);
    if (fragment.defines == wanted)
        return;
    fragment.defines = wanted;
    if (!ssaoShaderProgram->rebuild())
        std::cerr << ssaoShaderProgram->buildError << std::endl;
}

}  // namespace

void renderSsaoPass() {
    if (!RenderSettings.ssao)
        return;
    // No clear: the screen quad below writes every pixel of the SSAO target.
    glDrawBuffer(GL_COLOR_ATTACHMENT4);
    bindTexture2D(GL_TEXTURE0, gBuffer->positionDepthTexture);
    bindTexture2D(GL_TEXTURE1, gBuffer->normalTexture);
    bindTexture2D(GL_TEXTURE2, gBuffer->noiseTexture);

    followSsaoSettings();
    ShaderProgram& ssao = *ssaoShaderProgram;
    ssao.use();
    glUniform1f(ssao.radius, RenderSettings.ssaoRadius);
    glUniform1f(ssao.kernelSize, RenderSettings.ssaoKernelSize);
    glUniform1f(ssao.occlusionPower, RenderSettings.ssaoPower);
    setMatrix(ssao.mvpMatrix, glm::mat4(1.0f));
    setMatrix(ssao.projectionMatrix, projection);
    glUniform3fv(ssao.kernelSamples, static_cast<GLsizei>(gBuffer->ssaoKernel.size()),
                 glm::value_ptr(gBuffer->ssaoKernel.front()));
    ssaoQuad->draw();
    occlusionBlur->apply(gBuffer->ssaoTexture, *ssaoQuad);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, gBuffer->framebuffer);
}

void renderLightPass() {
    glDrawBuffer(GL_COLOR_ATTACHMENT3);
    // The G-buffer inputs stay bound for every light: marking a volume touches no texture unit.
    bindTexture2D(GL_TEXTURE0, gBuffer->positionDepthTexture);
    bindTexture2D(GL_TEXTURE1, gBuffer->normalTexture);
    bindTexture2D(GL_TEXTURE2, gBuffer->albedoTexture);
    bindTexture2D(GL_TEXTURE3, gBuffer->ssaoTexture);
    bindTexture2D(GL_TEXTURE4, occlusionBlur->blurredTexture);
    glActiveTexture(GL_TEXTURE5);
    glBindTexture(GL_TEXTURE_CUBE_MAP, shadowMapFbo->cubeMap);
    for (ShaderProgram* light : {deferredLightUnshadowedProgram, deferredLightProgram}) {
        setLightPassUniforms(*light);
    }

    for (std::size_t i = 0; i < pointLights.size(); ++i) {
        scene::PointLight& pointLight = *pointLights[i];
        pointLight.volumeScale = scene::lightRowAt(i).volumeScale;
        const glm::mat4 model =
            glm::scale(glm::translate(pointLight.modelMatrix, pointLight.position),
                       glm::vec3(pointLight.volumeScale));
        // A switched-off light adds nothing: its shader writes zero for every pixel. A volume
        // wholly outside the view would rasterise no pixel at all.
        if (pointLight.intensity <= 0.0f || !lightVolumeVisible(model))
            continue;
        const glm::mat4 mvp = frame.projectionView * model;
        const bool fromInside = eyeInsideVolume(model);
        if (!fromInside)
            markLightVolume(mvp);
        shadeLightVolume(i, mvp, fromInside);
    }

    glDisable(GL_STENCIL_TEST);
    glActiveTexture(GL_TEXTURE5);
    glBindTexture(GL_TEXTURE_CUBE_MAP, 0);
    bindTexture2D(GL_TEXTURE4, 0);
    glDrawBuffer(GL_NONE);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
}

void renderFinalPass() {
    framePresenter->beginFinalPass(renderSize, framebufferSize);
    bindTexture2D(GL_TEXTURE0, gBuffer->hdrColorTexture);
    ShaderProgram& hdr = *hdrShaderProgram;
    hdr.use();
    setMatrix(hdr.mvpMatrix, glm::mat4(1.0f));
    glUniform1i(hdr.colorTexture, 0);
    glUniform1i(hdr.useHDR, shaderSwitch(RenderSettings.hdr));
    glUniform1f(hdr.exposure, RenderSettings.exposureInEffect());
    glUniform1f(hdr.gamma, RenderSettings.gamma);
    hdrQuad->draw();
    framePresenter->present(*hdrQuad);
}

void resizeRenderTargets(PixelSize size) {
    renderSize = size;
    gBuffer->resize(size);
    occlusionBlur->resize(size);
    // The SSAO noise tiles the screen in 4 x 4 blocks: its scale follows the target size.
    ssaoShaderProgram->use();
    glUniform2f(ssaoShaderProgram->screensize, static_cast<float>(size.width),
                static_cast<float>(size.height));
    glViewport(0, 0, size.width, size.height);
}

const std::array<RenderStage, 6> renderStages = {{
    {"shadow", renderShadowPass, "light 0 and the casters", "the shadow cube map"},
    {"camera", updateCameraMatrices, "the camera, the render size", "projection, frustumPlanes"},
    {"geometry", renderGeometryPass, "models, textures, frustumPlanes",
     "G-buffer position, normal, albedo, depth-stencil; clears the HDR colour"},
    {"ssao", renderSsaoPass, "G-buffer position and normal",
     "the SSAO texture and its blurred copy (OcclusionBlur)"},
    {"lights", renderLightPass, "G-buffer, blurred SSAO, shadow cube map",
     "HDR colour (additive), stencil"},
    {"final", renderFinalPass, "HDR colour",
     "the window (through the FramePresenter when it must scale)"},
}};

void render() {
    for (const RenderStage& stage : renderStages) stage.run();
}

}  // namespace rtr
