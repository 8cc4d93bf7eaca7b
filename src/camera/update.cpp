#include "camera/update.h"

#include <GLFW/glfw3.h>

#include <glm/gtc/matrix_transform.hpp>

#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "app/music.h"
#include "app/setting_keys.h"
#include "camera/camera.h"
#include "camera/show_script.h"
#include "scene/point_light.h"
#include "scene/scene_geometry.h"
#include "scene/texture.h"
#include "util/window.h"

namespace rtr {

glm::vec3 iloPosition(0.0f);
float iloHeading = show::initialIloHeading;
float graniteOffset = 0.0f;
scene::Texture* iloFaceOwnTexture = nullptr;

namespace {

void setModelMatrix(scene::SceneGeometry* model, const glm::mat4& matrix) {
    if (model != nullptr) {
        model->modelMatrix = matrix;
    }
}

void swingMainLight(double t) {
    if (!pointLights.empty()) {
        pointLights[0]->position = show::mainLightPosition(t);
    }
}

void slideDoor(double t) {
    if (const std::optional<glm::vec3> offset = show::doorTranslation(t)) {
        setModelMatrix(doorModel, glm::translate(glm::mat4(1.0f), *offset));
    }
}

void runLightScript(double t) {
    const show::LightScript script = show::lightScript(t, pointLights.size());
    // The removed light leaves the list only; start-up's object lives on.
    if (script.removeIndex) {
        pointLights.erase(pointLights.begin() + static_cast<long>(*script.removeIndex));
    }
    for (const show::LightWrite& write : script.writes) {
        pointLights[write.index]->intensity = write.intensity;
        pointLights[write.index]->volumeScale = 1.0f;
    }
}

void rampExposure(double t) {
    if (const std::optional<float> exposure = show::exposureAt(t)) {
        RenderSettings.exposure = *exposure;
    }
}

void unpauseMusic(const show::MusicCommands& music) {
    if (music.unpause && musicChannel != nullptr) {
        musicChannel->setPaused(false);
    }
}

void fadeAndStopMusic(const show::MusicCommands& music) {
    if (musicChannel == nullptr) {
        return;
    }
    if (music.volume) {
        musicChannel->setVolume(*music.volume);
    }
    if (music.pause) {
        musicChannel->setPaused(true);
    }
}

void showFace(scene::Texture* texture) {
    if (iloFace == nullptr || iloFace->textures.empty() || texture == nullptr) {
        return;
    }
    if (iloFaceOwnTexture == nullptr) {
        iloFaceOwnTexture = iloFace->textures[0];
    }
    iloFace->textures[0] = texture;
}

void walkIlo(double t) {
    if (const std::optional<show::IloPose> pose = show::iloPose(t)) {
        iloPosition = pose->position;
        iloHeading = pose->heading;
    }
    if (const std::optional<show::FaceTexture> face = show::faceTexture(t)) {
        showFace(*face == show::FaceTexture::wink ? iloWinkTexture : iloAwakeTexture);
    }
}

void flyScriptedCamera(double t) {
    if (camera == nullptr || camera->freeFly) {
        return;
    }
    if (const std::optional<show::CameraPose> pose = show::scriptedCameraPose(t)) {
        camera->position = pose->position;
        camera->yaw = pose->yaw;
        camera->pitch = pose->pitch;
    }
}

void turnRolls(double t) {
    for (std::size_t i = 0; i < rolls.size(); ++i) {
        setModelMatrix(rolls[i], show::rollMatrix(i, t));
    }
}

void moveGraniteBlock(double deltaT) {
    graniteOffset = show::nextGraniteOffset(graniteOffset, deltaT);
    setModelMatrix(graniteBlockModel, show::graniteBlockMatrix(graniteOffset));
}

void placeIloParts(double t) {
    const show::IloPartMatrices parts = show::iloPartMatrices({iloPosition, iloHeading}, t);
    setModelMatrix(iloArmLeft, parts.armLeft);
    setModelMatrix(iloArmRight, parts.armRight);
    setModelMatrix(iloBody, parts.core);
    setModelMatrix(iloFace, parts.core);
    setModelMatrix(iloHead, parts.core);
}

void steerFreeFlyCamera(double deltaT) {
    if (camera != nullptr) {
        camera->move(deltaT);
        if (!mouseLookPaused)
            camera->look();
    }
}

// What the show changes, as start-up left it: a seek replays the show from here.
struct ShowStart {
    std::vector<scene::PointLight*> lights;      // the list before the script takes any out
    std::vector<scene::PointLight> lightValues;  // each of those lights' values
    std::vector<std::pair<scene::SceneGeometry*, glm::mat4>> modelMatrices;
    float exposure = 0.0f;
    show::CameraPose cameraPose{};
};
ShowStart showStart;

// Every model whose matrix the show writes.
std::vector<scene::SceneGeometry*> showDrivenModels() {
    std::vector<scene::SceneGeometry*> models = {doorModel, cageLightModel, graniteBlockModel,
                                                 iloBody,   iloArmLeft,     iloArmRight,
                                                 iloHead,   iloFace};
    models.insert(models.end(), rolls.begin(), rolls.end());
    return models;
}

// The values the show keeps of its own, as before its first frame.
void forgetShowValues() {
    iloPosition = glm::vec3(0.0f);
    iloHeading = show::initialIloHeading;
    graniteOffset = 0.0f;
}

}  // namespace

void advanceShow(double deltaT) {
    const double t = totalTime;
    swingMainLight(t);
    slideDoor(t);
    runLightScript(t);
    rampExposure(t);
    walkIlo(t);
    flyScriptedCamera(t);
    turnRolls(t);
    setModelMatrix(cageLightModel, show::cageLampMatrix(t));
    moveGraniteBlock(deltaT);
    placeIloParts(t);
}

void driveMusic() {
    const show::MusicCommands music = show::musicCommands(totalTime);
    unpauseMusic(music);
    fadeAndStopMusic(music);
}

void updateControls(double deltaT) {
    steerFreeFlyCamera(deltaT);
    if (mainWindow != nullptr)
        pollReleasedSettingKeys(mainWindow->window);
    if (musicSystem != nullptr) {
        musicSystem->update();
    }
}

void update(double deltaT) {
    advanceShow(deltaT);
    driveMusic();
    updateControls(deltaT);
}

void restoreIloFaceOwnTexture() {
    if (iloFace != nullptr && !iloFace->textures.empty() && iloFaceOwnTexture != nullptr) {
        iloFace->textures[0] = iloFaceOwnTexture;
        iloFaceOwnTexture = nullptr;
    }
}

void rememberShowStart() {
    showStart = ShowStart();
    showStart.lights = pointLights;
    for (const scene::PointLight* light : pointLights) showStart.lightValues.push_back(*light);
    for (scene::SceneGeometry* model : showDrivenModels()) {
        if (model != nullptr)
            showStart.modelMatrices.emplace_back(model, model->modelMatrix);
    }
    showStart.exposure = RenderSettings.exposure;
    if (camera != nullptr)
        showStart.cameraPose = {camera->position, camera->yaw, camera->pitch};
}

void returnToShowStart() {
    pointLights = showStart.lights;
    for (std::size_t i = 0; i < pointLights.size(); ++i) *pointLights[i] = showStart.lightValues[i];
    for (const auto& [model, matrix] : showStart.modelMatrices) model->modelMatrix = matrix;
    RenderSettings.exposure = showStart.exposure;
    // A free-flying camera belongs to the viewer, not to the show.
    if (camera != nullptr && !camera->freeFly) {
        camera->position = showStart.cameraPose.position;
        camera->yaw = showStart.cameraPose.yaw;
        camera->pitch = showStart.cameraPose.pitch;
    }
    restoreIloFaceOwnTexture();
    forgetShowValues();
}

void resetShowState() {
    forgetShowValues();
    resetReleasedSettingKeys();
}

}  // namespace rtr
