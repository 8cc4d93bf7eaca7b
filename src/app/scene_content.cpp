#include "app/scene_content.h"

#include <glm/gtc/matrix_transform.hpp>

#include <filesystem>
#include <iostream>
#include <string>

#include "app/globals.h"
#include "platform/console.h"
#include "scene/point_light.h"
#include "scene/scene_layout.h"
#include "scene/scene_lights.h"
#include "scene/scene_geometry.h"
#include "scene/scene_geometry_tess.h"
#include "scene/texture.h"

namespace rtr {

namespace {

const std::string kModels = "../Models/";

scene::SceneGeometry* model(const std::string& file, const glm::mat4& matrix = glm::mat4(1.0f)) {
    return new scene::SceneGeometry(matrix, deferredGeomProgram, kModels + file);
}

scene::SceneGeometry* listed(const std::string& file, const glm::mat4& matrix = glm::mat4(1.0f)) {
    scene::SceneGeometry* geometry = model(file, matrix);
    sceneModels.push_back(geometry);
    return geometry;
}

// One lamp model around each wall-lamp light, in the lights' order.
void createWallLamps() {
    for (const scene::LightRow& light : scene::sceneLights) {
        if (light.role == scene::LightRole::wallLamp)
            listed("wallLight_v1.dae", scene::lampModelMatrix(light));
    }
}

scene::Texture* loadedTexture(const char* path) {
    auto* texture = new scene::Texture{path, GlTexture(), GL_TEXTURE_2D};
    texture->load();
    return texture;
}

scene::SceneGeometryTess* tessellated(const std::string& file) {
    // The tessellated kind always draws with the displacement program.
    return new scene::SceneGeometryTess(glm::mat4(1.0f), displaceShaderProgram, kModels + file);
}

void addLight(const scene::LightRow& row) {
    auto* light = new scene::PointLight(row.position, row.color, row.intensity, row.attenuation);
    pointLights.push_back(light);
    createdPointLights.push_back(light);
}

// Without the folder every model and texture fails on its own line; this says once where it
// was looked for, as a missing Shader/ does.
void reportMissingModelFolder() {
    std::error_code error;
    if (!std::filesystem::is_directory(kModels, error)) {
        std::cerr << "  model folder " << kModels << " does not exist\n"
                  << platform::startFolderHint() << std::endl;
    }
}

// Every light is drawn through the sphere's volume: without it the frame stays black.
void reportMissingLightVolume(const std::string& sphere) {
    if (stencilSphere->indexCount == 0 || lightSphere->indexCount == 0) {
        std::cerr << "  " << sphere << " did not load: no light volumes: lights will not be drawn"
                  << std::endl;
    }
}

}  // namespace

void createStaticModels() {
    reportMissingModelFolder();
    wallModel = model("wall_v1.dae");
    cageLightModel = listed("cageLight.dae");
    doorModel = listed("door_v1.dae");
    listed("stage_v1.dae");
    listed("floor.dae");
    listed("ceiling.dae");
    createWallLamps();
    listed("Doorframe_v1.dae");
    listed("laufband.dae");
    for (int i = 0; i < scene::layout::rollCount; ++i) {
        rolls.push_back(model("roll.dae"));
    }
    listed("vessel_v1.dae");
    graniteBlockModel = listed("GraniteBlock.dae");
    iloBody = listed("iloBody.dae");
    iloArmLeft = listed("iloArmLeft.dae");
    iloArmRight = listed("iloArmRight.dae");
    iloHead = listed("iloHead.dae");
    iloFace = listed("iloFace.dae");
}

void loadFaceTextures() {
    iloAwakeTexture = loadedTexture("../Models/ilo_eyes_02.png");
    std::cout << "  Ilo: Awake-Texture loaded." << std::endl;
    iloWinkTexture = loadedTexture("../Models/ilo_eyes_07.png");
}

void createTessellatedModels() {
    vesselTess = tessellated("vessel_v1.dae");
    wallDoorTess = tessellated("wallDoor.dae");
    wallLaufbandTess = tessellated("wallLaufband.dae");
    wallLittleRoomTess = tessellated("WallLittleRoom.dae");
    wallNonDoorTess = tessellated("wallNonDoor.dae");
    wallVesselTess = tessellated("wallVessel.dae");
}

void createSpheres() {
    const std::string sphere = kModels + "sphere18.dae";
    const glm::mat4 identity(1.0f);
    stencilSphere = new scene::SceneGeometry(identity, deferredStencilProgram, sphere);
    lightSphere = new scene::SceneGeometry(identity, deferredLightProgram, sphere);
    lightGeomSphere = new scene::SceneGeometry(identity, lightGeomProgram, sphere);
    lampSphere = new scene::SceneGeometry(identity, deferredGeomProgram, sphere);
    reportMissingLightVolume(sphere);
}

void createPointLights() {
    for (const scene::LightRow& light : scene::sceneLights) {
        addLight(light);
    }
}

}  // namespace rtr
