#include "app/scene_content.h"

#include <glm/gtc/matrix_transform.hpp>

#include <iostream>
#include <string>

#include "app/globals.h"
#include "scene/point_light.h"
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

// A wall lamp is turned about its own vertical axis first, then moved onto the wall.
glm::mat4 wallLampMatrix(float x, float y, float z, float yAngle) {
    const glm::mat4 moved = glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z));
    return moved * glm::rotate(glm::mat4(1.0f), yAngle, glm::vec3(0.0f, 1.0f, 0.0f));
}

void createWallLamps() {
    const char* lamp = "wallLight_v1.dae";
    listed(lamp, wallLampMatrix(2.6f, 1.65f, -1.9f, 1.5707964f));
    listed(lamp, wallLampMatrix(-2.65f, 1.65f, -2.0f, 4.712389f));
    listed(lamp, wallLampMatrix(-2.65f, 1.65f, 1.42f, 4.712389f));
    listed(lamp, wallLampMatrix(-1.8f, 1.65f, -5.0f, 3.1415927f));
    listed(lamp, wallLampMatrix(1.85f, 1.65f, -5.0f, 3.1415927f));
    listed(lamp, glm::translate(glm::mat4(1.0f), glm::vec3(-0.02f, 1.65f, 2.67f)));
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

scene::PointLight* addLight(glm::vec3 position, glm::vec3 color, float intensity,
                            glm::vec3 attenuation) {
    auto* light = new scene::PointLight(position, color, intensity, attenuation);
    pointLights.push_back(light);
    createdPointLights.push_back(light);
    return light;
}

}  // namespace

void createStaticModels() {
    wallModel = model("wall_v1.dae");
    cageLightModel = listed("cageLight.dae");
    doorModel = listed("door_v1.dae");
    listed("stage_v1.dae");
    listed("floor.dae");
    listed("ceiling.dae");
    createWallLamps();
    listed("Doorframe_v1.dae");
    listed("laufband.dae");
    for (int i = 0; i < 10; ++i) {
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
}

void createPointLights() {
    addLight({0.5f, 0.1f, 0.0f}, {1.0f, 1.0f, 0.5f}, 1.0f, {0.2f, 1.0f, 20.0f});
    // The six wall lamps share colour and falloff; each is placed in its lamp.
    const glm::vec3 lampPositions[6] = {{2.6f, 1.65f, -1.9f},   {-2.65f, 1.65f, -2.0f},
                                        {-2.65f, 1.65f, 1.42f}, {-1.8f, 1.65f, -5.0f},
                                        {1.85f, 1.65f, -5.0f},  {-0.02f, 1.65f, 2.67f}};
    for (const glm::vec3& p : lampPositions) {
        scene::PointLight* lamp =
            addLight({0.0f, 0.0f, 0.0f}, {1.0f, 0.2f, 0.0f}, 1.0f, {0.0f, 0.0f, 0.0f});
        lamp->setPosition(p.x, p.y, p.z);
        lamp->setAttenuation(1.0f, 1000.0f, 50000.0f);
    }
    addLight({3.8f, 1.0f, 1.5f}, {0.8f, 0.8f, 1.0f}, 0.01f, {1.0f, 10.0f, 5.0f});
    addLight({3.8f, 0.5f, 1.4f}, {0.0f, 0.2f, 1.0f}, 1.0f, {1.0f, 5000.0f, 50000.0f});
    addLight({0.0f, 0.75f, 2.3f}, {0.8f, 0.1f, 0.0f}, 20.0f, {1.0f, 1000.0f, 20000.0f});
    addLight({0.0f, 0.75f, -1.6f}, {0.8f, 0.1f, 0.0f}, 20.0f, {1.0f, 1000.0f, 20000.0f});
}

}  // namespace rtr
