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
#include "scene/scene_models.h"
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
void createWallLamps(const std::string& file) {
    for (const scene::LightRow& light : scene::sceneLights) {
        if (light.role == scene::LightRole::wallLamp)
            listed(file, scene::lampModelMatrix(light));
    }
}

// The program-wide name of a listed model the show moves (or lends a face); null for the rest.
scene::SceneGeometry** listedName(scene::ModelId id) {
    using scene::ModelId;
    switch (id) {
        case ModelId::cageLamp:
            return &cageLightModel;
        case ModelId::door:
            return &doorModel;
        case ModelId::granite:
            return &graniteBlockModel;
        case ModelId::iloBody:
            return &iloBody;
        case ModelId::iloArmLeft:
            return &iloArmLeft;
        case ModelId::iloArmRight:
            return &iloArmRight;
        case ModelId::iloHead:
            return &iloHead;
        case ModelId::iloFace:
            return &iloFace;
        default:
            return nullptr;
    }
}

// The program-wide name of each displaced model.
scene::SceneGeometryTess** reliefName(scene::ModelId id) {
    using scene::ModelId;
    switch (id) {
        case ModelId::vessel:
            return &vesselTess;
        case ModelId::wallDoor:
            return &wallDoorTess;
        case ModelId::wallLaufband:
            return &wallLaufbandTess;
        case ModelId::wallLittleRoom:
            return &wallLittleRoomTess;
        case ModelId::wallNonDoor:
            return &wallNonDoorTess;
        case ModelId::wallVessel:
            return &wallVesselTess;
        default:
            return nullptr;
    }
}
static_assert(scene::modelCount(scene::ModelKind::reliefWall) ==
                  std::tuple_size<decltype(tessellatedWalls())>::value,
              "every relief wall of the table has its program-wide name");

bool displaced(const scene::ModelRow& row) {
    return row.kind == scene::ModelKind::listedAndRelief ||
           row.kind == scene::ModelKind::reliefWall;
}

scene::Texture* loadedTexture(const std::string& path) {
    auto* texture = new scene::Texture{path.c_str(), GlTexture(), GL_TEXTURE_2D};
    texture->load();
    texture->path = nullptr;  // read only while loading
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
    for (const scene::ModelRow& row : scene::sceneModelFiles) {
        switch (row.kind) {
            case scene::ModelKind::shadowWalls:
                wallModel = model(row.file);
                break;
            case scene::ModelKind::listed:
            case scene::ModelKind::listedAndRelief: {
                scene::SceneGeometry* geometry = listed(row.file);
                if (scene::SceneGeometry** name = listedName(row.id))
                    *name = geometry;
                break;
            }
            case scene::ModelKind::wallLamp:
                createWallLamps(row.file);
                break;
            case scene::ModelKind::rolls:
                for (int i = 0; i < scene::layout::rollCount; ++i) {
                    rolls.push_back(model(row.file));
                }
                break;
            case scene::ModelKind::reliefWall:
            case scene::ModelKind::lightVolume:
                break;  // made later, by their own functions
        }
    }
}

void loadFaceTextures() {
    iloAwakeTexture = loadedTexture(kModels + scene::modelRow(scene::ModelId::iloFace).diffuse);
    std::cout << "  Ilo: Awake-Texture loaded." << std::endl;
    iloWinkTexture = loadedTexture(kModels + scene::iloWinkFace);
}

void createTessellatedModels() {
    for (const scene::ModelRow& row : scene::sceneModelFiles) {
        scene::SceneGeometryTess** name = reliefName(row.id);
        if (displaced(row) && name != nullptr)
            *name = tessellated(row.file);
    }
}

void createSpheres() {
    const std::string sphere = kModels + scene::modelRow(scene::ModelId::sphere).file;
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
