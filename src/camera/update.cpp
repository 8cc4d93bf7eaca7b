#include "camera/update.h"

#include <GLFW/glfw3.h>

#include <glm/gtc/matrix_transform.hpp>

#include <iostream>
#include <optional>

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

void rampExposureAndStartMusic(double t, const show::MusicCommands& music) {
    if (const std::optional<float> exposure = show::exposureAt(t)) {
        RenderSettings.exposure = *exposure;
    }
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
        camera->look();
    }
}

}  // namespace

void update(double deltaT) {
    const double t = totalTime;
    const show::MusicCommands music = show::musicCommands(t);
    swingMainLight(t);
    slideDoor(t);
    runLightScript(t);
    rampExposureAndStartMusic(t, music);
    fadeAndStopMusic(music);
    walkIlo(t);
    flyScriptedCamera(t);
    turnRolls(t);
    setModelMatrix(cageLightModel, show::cageLampMatrix(t));
    moveGraniteBlock(deltaT);
    placeIloParts(t);
    steerFreeFlyCamera(deltaT);
    if (mainWindow != nullptr)
        pollReleasedSettingKeys(mainWindow->window);
    if (musicSystem != nullptr) {
        musicSystem->update();
    }
}

void restoreIloFaceOwnTexture() {
    if (iloFace != nullptr && !iloFace->textures.empty() && iloFaceOwnTexture != nullptr) {
        iloFace->textures[0] = iloFaceOwnTexture;
        iloFaceOwnTexture = nullptr;
    }
}

void resetShowState() {
    iloPosition = glm::vec3(0.0f);
    iloHeading = show::initialIloHeading;
    graniteOffset = 0.0f;
    resetReleasedSettingKeys();
}

}  // namespace rtr
