#include "app/startup.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <IL/il.h>
#include <glm/gtc/matrix_transform.hpp>

#include <initializer_list>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "app/gl_error.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/music.h"
#include "app/scene_content.h"
#include "camera/camera.h"
#include "camera/camera_path.h"
#include "camera/update.h"
#include "gpu/particle_system.h"
#include "gpu/shader_program.h"
#include "render/background_fill.h"
#include "render/frame_presenter.h"
#include "explore/stage_viewer.h"
#include "render/frustum.h"
#include "render/gbuffer.h"
#include "render/occlusion_blur.h"
#include "render/render_passes.h"
#include "render/shadow_map.h"
#include "scene/point_light.h"
#include "scene/quad.h"
#include "scene/scene_geometry.h"
#include "scene/scene_geometry_tess.h"
#include "scene/texture.h"
#include "util/window.h"

namespace rtr {

namespace {

using Stage = std::pair<GLenum, const char*>;

void printGlString(GLenum name) {
    const GLubyte* text = glGetString(name);
    std::cout << (text ? reinterpret_cast<const char*>(text) : "") << std::endl;
}

void createWindowAndContext() {
    mainWindow = new util::Window("Lumavex - VORNE.X");
    glfwMakeContextCurrent(mainWindow->window);
    glfwSetInputMode(mainWindow->window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    glfwSetCursorPos(mainWindow->window, 0.0, 0.0);
    glfwGetFramebufferSize(mainWindow->window, &framebufferSize.width, &framebufferSize.height);
    renderSize = renderSizeFor(framebufferSize);
}

void loadGlEntryPoints() {
    glewExperimental = GL_TRUE;
    const GLenum glewResult = glewInit();
    printGlString(GL_RENDERER);
    printGlString(GL_VERSION);
    printGlString(GL_VENDOR);
    if (glewResult != GLEW_OK) {
        std::cout << "Failed to init glew: " << static_cast<unsigned>(glewResult) << std::endl;
    }
    // GLEW's experimental loading leaves a known INVALID_ENUM behind; report it here, not in
    // the first frame.
    checkGlError("Init GLEW-Problem");
}

void setFixedGlState() {
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glViewport(0, 0, renderSize.width, renderSize.height);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

void registerInput() {
    glfwSetKeyCallback(mainWindow->window, keyCallback);
    glfwSetScrollCallback(mainWindow->window, scrollCallback);
    glfwSetFramebufferSizeCallback(mainWindow->window, framebufferSizeCallback);
}

void createCameraAndPath() {
    camera = new Camera(mainWindow->window, fovy);
    camera->freeFly = false;
    camera->speed = 3.0f;
    cameraPathPoints = loadCameraPath("../Models/maincurve.txt");
    cameraPath = new CameraPath(cameraPathPoints);
    projection = glm::perspective(fovy, renderSize.aspect(), nearPlane, farPlane);
    extractFrustumPlanes(projection * camera->viewMatrix());
}

const std::vector<Stage> kVertexFragment = {{GL_VERTEX_SHADER, ".vert"},
                                            {GL_FRAGMENT_SHADER, ".frag"}};

using Configure = void (*)(ShaderProgram&);

// Compiles and links one program from "../Shader/" + base name + suffix per stage.
ShaderProgram* linkedProgram(const std::string& baseName, const std::vector<Stage>& stages) {
    auto* program = new ShaderProgram();
    for (const Stage& stage : stages) {
        program->addShader(stage.first, "../Shader/" + baseName + stage.second);
    }
    program->link();
    return program;
}

// A linked program made current with its slots and one-time values set by `configure`, which
// runs again whenever the program is rebuilt.
ShaderProgram* configured(ShaderProgram* program, Configure configure) {
    program->configure = configure;
    program->use();
    configure(*program);
    return program;
}

ShaderProgram* buildProgram(const std::string& baseName, const std::vector<Stage>& stages,
                            Configure configure) {
    return configured(linkedProgram(baseName, stages), configure);
}

ShaderProgram* buildVertexFragmentProgram(const std::string& baseName, Configure configure) {
    return buildProgram(baseName, kVertexFragment, configure);
}

void fill(const ShaderProgram& program, GLint& slot, const char* name) {
    slot = ShaderProgram::uniformLocation(program.program, name);
}

void configureGeometry(ShaderProgram& geom) {
    fill(geom, geom.projectionMatrix, "projectionMatrix");
    fill(geom, geom.modelViewMatrix, "modelViewMatrix");
    fill(geom, geom.far, "far");
    fill(geom, geom.near, "near");
    fill(geom, geom.debug, "debug");
    fill(geom, geom.overrideColor, "overrideColor");
    glUniform1f(geom.near, nearPlane);
    glUniform1f(geom.far, farPlane);
}

void configureDisplacement(ShaderProgram& displace) {
    fill(displace, displace.modelViewMatrix, "modelViewMatrix");
    fill(displace, displace.inverseView, "inverseViewMatrix");
    fill(displace, displace.gEyeWorldPos, "gEyeWorldPos");
    fill(displace, displace.gVP, "gVP");
    fill(displace, displace.gDispFactor, "gDispFactor");
    fill(displace, displace.far, "far");
    fill(displace, displace.near, "near");
    fill(displace, displace.debug, "debug");
    fill(displace, displace.LoD, "LoD");
    fill(displace, displace.frustumPlanes, "frustumPlanes");
    glUniform1f(displace.far, farPlane);
    glUniform1f(displace.near, nearPlane);
}

void buildGeometryPrograms() {
    deferredGeomProgram = buildVertexFragmentProgram("deferredGeom", configureGeometry);
    displaceShaderProgram = buildProgram("displaceShader",
                                         {{GL_VERTEX_SHADER, ".vert"},
                                          {GL_TESS_CONTROL_SHADER, ".tcs"},
                                          {GL_TESS_EVALUATION_SHADER, ".tes"},
                                          {GL_FRAGMENT_SHADER, ".frag"}},
                                         configureDisplacement);
}

void configureStencil(ShaderProgram& stencil) {
    fill(stencil, stencil.mvpMatrix, "mvpMatrix");
}

void configureLight(ShaderProgram& light) {
    fill(light, light.gPosition, "gPosition");
    fill(light, light.gNormal, "gNormal");
    fill(light, light.gAlbedo, "gAlbedo");
    fill(light, light.gSSAO, "gSSAO");
    fill(light, light.gBlurredSSAO, "gBlurredSSAO");
    fill(light, light.screensize, "screensize");
    fill(light, light.mvpMatrix, "mvpMatrix");
    fill(light, light.lightPosition, "lightPosition");
    fill(light, light.lightColor, "lightColor");
    fill(light, light.lightIntensity, "lightIntensity");
    fill(light, light.attenuationFactors, "attenuationFactors");
    fill(light, light.useSSAO, "useSSAO");
    fill(light, light.gShadowMap, "gShadowMap");
    fill(light, light.inverseView, "inverseView");
    fill(light, light.useShadowMap, "useShadowMap");
}

// The light pass's program, its fragment stage built with `defines`.
ShaderProgram* linkedLightProgram(const std::string& defines) {
    auto* program = new ShaderProgram();
    program->addShader(GL_VERTEX_SHADER, "../Shader/deferredLight.vert");
    program->addShader(GL_FRAGMENT_SHADER, "../Shader/deferredLight.frag", defines);
    program->link();
    program->configure = configureLight;
    return program;
}

void configureNothing(ShaderProgram&) {}

void buildLightPrograms() {
    deferredStencilProgram = buildVertexFragmentProgram("deferredStencil", configureStencil);

    deferredLightProgram = linkedLightProgram(shadowClipDefines());
    deferredLightProgram->use();
    configureLight(*deferredLightProgram);
    // Lights other than light 0 never read the shadow map; their own build of the same source
    // leaves the shadow code out instead of branching past it per pixel.
    deferredLightUnshadowedProgram =
        linkedLightProgram(shadowClipDefines() + "#define WITHOUT_SHADOW_MAP\n");
    configureLight(*deferredLightUnshadowedProgram);

    // Built for debugging light placement; never made current.
    lightGeomProgram = linkedProgram("lightGeom", kVertexFragment);
    lightGeomProgram->configure = configureNothing;
}

void configureHdr(ShaderProgram& hdr) {
    fill(hdr, hdr.mvpMatrix, "mvpMatrix");
    fill(hdr, hdr.colorTexture, "colorTexture");
    fill(hdr, hdr.gamma, "gamma");
    fill(hdr, hdr.exposure, "exposure");
    fill(hdr, hdr.useHDR, "useHDR");
}

void buildHdrPassAndQuad() {
    hdrShaderProgram = buildVertexFragmentProgram("hdrShader", configureHdr);
    hdrQuad = new scene::Quad(glm::mat4(1.0f), hdrShaderProgram);
}

// The occlusion's radius, kernel size and power are the viewer's to tune: the pass sets them
// every frame from the render settings.
void configureSsao(ShaderProgram& ssao) {
    fill(ssao, ssao.mvpMatrix, "mvpMatrix");
    fill(ssao, ssao.projectionMatrix, "projectionMatrix");
    fill(ssao, ssao.kernelSamples, "kernelSamples");
    fill(ssao, ssao.radius, "radius");
    fill(ssao, ssao.occlusionPower, "occlusionPower");
    fill(ssao, ssao.kernelSize, "kernelSize");
    fill(ssao, ssao.screensize, "screensize");
    fill(ssao, ssao.gPositionDepth, "gPositionDepth");
    fill(ssao, ssao.gNormal, "gNormal");
    fill(ssao, ssao.noise, "noise");
    glUniform2f(ssao.screensize, static_cast<float>(renderSize.width),
                static_cast<float>(renderSize.height));
    glUniform1i(ssao.gPositionDepth, 0);
    glUniform1i(ssao.gNormal, 1);
    glUniform1i(ssao.noise, 2);
}

void buildSsaoPassAndQuad() {
    auto* ssao = new ShaderProgram();
    ssao->addShader(GL_VERTEX_SHADER, "../Shader/ssaoShader.vert");
    ssao->addShader(GL_FRAGMENT_SHADER, "../Shader/ssaoShader.frag", ssaoDefines(RenderSettings));
    ssao->link();
    ssaoShaderProgram = configured(ssao, configureSsao);
    ssaoQuad = new scene::Quad(glm::mat4(1.0f), ssaoShaderProgram);
}

void configureShadow(ShaderProgram& shadow) {
    fill(shadow, shadow.lightPos, "lightPos");
    fill(shadow, shadow.mMatrix, "mMatrix");
    lookUpShadowMatrixSlots(shadow);
}

void buildShadowPass() {
    shadowMapProgram = buildProgram(
        "shadowMap",
        {{GL_VERTEX_SHADER, ".vert"}, {GL_GEOMETRY_SHADER, ".geom"}, {GL_FRAGMENT_SHADER, ".frag"}},
        configureShadow);
    setUpShadowMapping(*shadowMapProgram);
}

void configureParticleUpdate(ShaderProgram& update) {
    fill(update, update.deltaT, "deltaT");
}

void configureParticleDraw(ShaderProgram& draw) {
    glUniform1f(ShaderProgram::uniformLocation(draw.program, "gBillboardSize"), 0.2f);
}

void buildParticleSystem() {
    auto* update = new ShaderProgram();
    update->addShader(GL_VERTEX_SHADER, "../Shader/PassParticle.vert");
    update->addShader(GL_GEOMETRY_SHADER, "../Shader/TransformParticle.geom");
    update->linkTransformFeedback(true);
    particleUpdateProgram = configured(update, configureParticleUpdate);

    auto* draw = new ShaderProgram();
    draw->addShader(GL_VERTEX_SHADER, "../Shader/PassCopy.vert");
    draw->addShader(GL_GEOMETRY_SHADER, "../Shader/ParticleTex.geom");
    draw->addShader(GL_FRAGMENT_SHADER, "../Shader/ParticleDraw.frag");
    draw->linkTransformFeedback(false);
    particleDrawProgram = configured(draw, configureParticleDraw);

    particleSystem = new ParticleSystem(glm::vec3(-0.1f, 1.7f, -2.9f));
    loadParticleTexture("../Models/particle.png");
    particleSystem->initBuffers();
    particleSystems.push_back(particleSystem);
}

template <typename T>
void deleteAll(const std::vector<T*>& objects) {
    for (T* object : objects) {
        delete object;  // deleting null is a no-op
    }
}

// Everything else start-up made, so a leak checker sees a clean exit and the audio device is
// closed: the lights (also those the show took out of the list), the shadow map, the particle
// system with its programs, the face textures and the music.
void freeRemainingObjects() {
    deleteAll(createdPointLights);
    createdPointLights.clear();
    pointLights.clear();
    delete shadowMapFbo;
    shadowMapFbo = nullptr;
    shadowTransforms.clear();
    deleteAll(particleSystems);
    particleSystems.clear();
    particleSystem = nullptr;
    delete particleUpdateProgram;
    delete particleDrawProgram;
    particleUpdateProgram = particleDrawProgram = nullptr;
    delete iloAwakeTexture;
    delete iloWinkTexture;
    iloAwakeTexture = iloWinkTexture = nullptr;
    stopMusic();
}

}  // namespace

void startUp() {
    createWindowAndContext();
    loadGlEntryPoints();
    setFixedGlState();
    registerInput();
    createCameraAndPath();
    ilInit();
    gBuffer = new GBuffer(renderSize);
    buildGeometryPrograms();
    createStaticModels();
    loadFaceTextures();
    createTessellatedModels();
    buildLightPrograms();
    createSpheres();
    createPointLights();
    buildHdrPassAndQuad();
    buildSsaoPassAndQuad();
    occlusionBlur = new OcclusionBlur(renderSize);
    framePresenter = new FramePresenter();
    stageViewer = new StageViewer();
    backgroundFill = new BackgroundFill();
    buildShadowPass();
    buildParticleSystem();
    startMusic();
    rememberShowStart();
}

void useDemoWindowSettings(bool windowedMode) {
    windowWidth = kShowFrameSize.width;
    windowHeight = kShowFrameSize.height;
    windowed = windowedMode;
}

int readDemoArguments(int argc, char** argv) {
    const char* usage =
        "usage: lumavex [--native]\n"
        "  --native  render at the window's own resolution instead of scaling the show's\n"
        "            4:3 frame to fit it (costs time in proportion to the pixels)\n";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--native") {
            nativeResolution = true;
        } else if (argument == "--help" || argument == "-h") {
            std::cerr << usage;
            return 0;
        } else {
            std::cerr << "lumavex: unknown argument '" << argument << "'\n" << usage;
            return 2;
        }
    }
    return -1;
}

std::string shadowClipDefines() {
    return floatDefine("SHADOW_NEAR", nearPlane) + floatDefine("SHADOW_FAR", farPlane);
}

PixelSize renderSizeFor(PixelSize framebuffer) {
    if (nativeResolution && !framebuffer.empty())
        return framebuffer;
    return PixelSize{windowWidth, windowHeight};
}

void startDemo(bool windowedMode, PixelSize frameSize) {
    useDemoWindowSettings(windowedMode);
    windowWidth = frameSize.width;
    windowHeight = frameSize.height;
    startUp();
}

void shutDown() {
    delete camera;
    delete vesselTess;
    // The face model must delete the record it loaded, not a shared face texture.
    restoreIloFaceOwnTexture();
    deleteAll(sceneModels);
    deleteAll(rolls);
    delete wallModel;
    for (scene::SceneGeometryTess* wall : tessellatedWalls()) {
        delete wall;
    }
    for (ShaderProgram* program :
         {deferredGeomProgram, displaceShaderProgram, deferredStencilProgram, deferredLightProgram,
          deferredLightUnshadowedProgram, lightGeomProgram, shadowMapProgram}) {
        delete program;
    }
    for (scene::SceneGeometry* sphere : {stencilSphere, lightSphere, lightGeomSphere, lampSphere}) {
        delete sphere;
    }
    delete hdrQuad;
    delete hdrShaderProgram;
    delete ssaoQuad;
    delete ssaoShaderProgram;
    delete occlusionBlur;
    delete framePresenter;
    framePresenter = nullptr;
    delete stageViewer;
    stageViewer = nullptr;
    delete backgroundFill;
    deleteAll(cameraPathPoints);
    delete cameraPath;
    delete gBuffer;
    freeRemainingObjects();
    // Last: every deletion above still needs the context the window owns.
    delete mainWindow;
    mainWindow = nullptr;
}

}  // namespace rtr
