#include "camera/update.h"

#include <gtest/gtest.h>

#include <glm/gtc/epsilon.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/music.h"
#include "camera/camera.h"
#include "camera/show_script.h"
#include "scene/point_light.h"
#include "scene/scene_geometry.h"
#include "scene/texture.h"
#include "support/gl_context.h"
#include "support/sandbox.h"

using namespace rtr;

namespace {

constexpr double frameTime = 1.0 / 30.0;

// A camera without a live window: no keys held, the mouse never moves.
class StillInputCamera : public Camera {
  public:
    StillInputCamera() : Camera(nullptr, 1.0471976f) {}

  protected:
    bool isKeyDown(int) const override { return false; }
    glm::dvec2 cursorPosition() const override { return glm::dvec2(0.0); }
    void resetCursor() override {}
};

// One second of silent MP3 frames, enough for a looping music stream.
std::string silentMp3() {
    std::string frame(417, '\0');
    frame.replace(0, 4, "\xff\xfb\x90\xc0");
    std::string mp3;
    for (int i = 0; i < 40; ++i) {
        mp3 += frame;
    }
    return mp3;
}

void expectMatrix(const glm::mat4& actual, const glm::mat4& expected) {
    for (int c = 0; c < 4; ++c) {
        EXPECT_TRUE(glm::all(glm::epsilonEqual(actual[c], expected[c], 1e-5f))) << "column " << c;
    }
}

// The scene objects the show moves, empty models standing in for the real files.
class ShowUpdate : public ::testing::Test {
  protected:
    void SetUp() override {
        ::testing::internal::CaptureStdout();  // the empty models report their import
        for (scene::SceneGeometry** model : namedModels()) {
            *model = newModel();
        }
        for (int i = 0; i < 10; ++i) {
            rolls.push_back(newModel());
        }
        ::testing::internal::GetCapturedStdout();
        faceOwnTexture = new scene::Texture();  // the face model deletes it
        iloFace->textures.push_back(faceOwnTexture);
        iloAwakeTexture = &awake;
        iloWinkTexture = &wink;
        for (int i = 0; i < 11; ++i) {
            lights.push_back(std::make_unique<scene::PointLight>(
                glm::vec3(static_cast<float>(i)), glm::vec3(1.0f), 1.0f, glm::vec3(1.0f)));
            pointLights.push_back(lights.back().get());
        }
        camera = &stillCamera;
        camera->freeFly = false;
        startMusicStream();
    }

    void TearDown() override {
        restoreIloFaceOwnTexture();
        for (scene::SceneGeometry** model : namedModels()) {
            *model = nullptr;
        }
        rolls.clear();
        pointLights.clear();
        camera = nullptr;
        iloAwakeTexture = iloWinkTexture = nullptr;
        musicSystem->release();
        musicSystem = nullptr;
        musicSound = nullptr;
        musicChannel = nullptr;
        RenderSettings = RenderSettingsRecord();
        resetShowState();
        totalTime = 0.0;
    }

    static std::vector<scene::SceneGeometry**> namedModels() {
        return {&doorModel,  &cageLightModel, &graniteBlockModel, &iloBody,
                &iloArmLeft, &iloArmRight,    &iloHead,           &iloFace};
    }
    scene::SceneGeometry* newModel() {
        models.push_back(
            std::make_unique<scene::SceneGeometry>(glm::mat4(1.0f), nullptr, "no-such-model.dae"));
        return models.back().get();
    }

    void startMusicStream() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        const std::string path = dir.write("music.mp3", silentMp3()).string();
        ASSERT_EQ(sound::System_Create(&musicSystem), sound::result::ok);
        ASSERT_EQ(musicSystem->init(32, sound::initNormal, nullptr), sound::result::ok);
        const unsigned mode = sound::modeSoftware | sound::modeLoopNormal;
        ASSERT_EQ(musicSystem->createStream(path.c_str(), mode, nullptr, &musicSound),
                  sound::result::ok);
        ASSERT_EQ(musicSystem->playSound(sound::channelFree, musicSound, true, &musicChannel),
                  sound::result::ok);
    }

    // Frames at a fixed rate, the clock accumulated as the frame loop does.
    void playUntil(double end) {
        while (totalTime + frameTime < end) {
            totalTime += frameTime;
            update(frameTime);
        }
    }
    void frameAt(double t) {
        totalTime = t;
        update(frameTime);
    }

    bool paused() const {
        bool value = false;
        musicChannel->getPaused(&value);
        return value;
    }
    float volume() const {
        float value = -1.0f;
        musicChannel->getVolume(&value);
        return value;
    }

    testsupport::GlContext context;
    testsupport::TempDir dir;
    std::vector<std::unique_ptr<scene::SceneGeometry>> models;
    std::vector<std::unique_ptr<scene::PointLight>> lights;
    StillInputCamera stillCamera;
    scene::Texture awake, wink;
    scene::Texture* faceOwnTexture = nullptr;
};

}  // namespace

TEST_F(ShowUpdate, WholeShowWritesWhatTheScriptSays) {
    playUntil(4.0);
    expectMatrix(doorModel->modelMatrix,
                 glm::translate(glm::mat4(1.0f), *show::doorTranslation(totalTime)));
    EXPECT_EQ(pointLights[8]->intensity, 1.0f);
    EXPECT_EQ(pointLights[0]->position, show::mainLightPosition(totalTime));
    EXPECT_EQ(RenderSettings.exposure, 600.0f);
    EXPECT_EQ(iloFace->textures[0], faceOwnTexture);

    playUntil(9.0);
    EXPECT_EQ(pointLights.size(), 10u);
    EXPECT_EQ(pointLights[8], lights[9].get());
    EXPECT_EQ(iloFace->textures[0], &awake);

    playUntil(13.0);
    // The last frame at or before 12 s set it; later frames keep it.
    EXPECT_GE(RenderSettings.exposure, 14.0f);
    EXPECT_LT(RenderSettings.exposure, 14.0f + 586.0f * frameTime / 4.0f + 1e-3f);

    playUntil(20.0);
    ASSERT_EQ(pointLights.size(), 9u);
    EXPECT_EQ(pointLights[7], lights[9].get());
    EXPECT_EQ(pointLights[8], lights[10].get());
    EXPECT_EQ(pointLights[4]->intensity, 20.0f);

    playUntil(25.7);
    EXPECT_EQ(iloFace->textures[0], &wink);
    playUntil(30.0);
    EXPECT_EQ(iloFace->textures[0], &awake);
    const show::IloPartMatrices parts = show::iloPartMatrices(*show::iloPose(totalTime), totalTime);
    expectMatrix(iloBody->modelMatrix, parts.core);
    expectMatrix(iloArmLeft->modelMatrix, parts.armLeft);
    expectMatrix(iloArmRight->modelMatrix, parts.armRight);
    expectMatrix(rolls[4]->modelMatrix, show::rollMatrix(4, totalTime));
    expectMatrix(graniteBlockModel->modelMatrix, show::graniteBlockMatrix(graniteOffset));
    EXPECT_NEAR(graniteOffset, 0.2f * 30.0f, 0.01f);

    playUntil(70.0);
    EXPECT_NEAR(iloPosition.x, -1.8f, 1e-4f);
    EXPECT_NEAR(iloPosition.z, 1.1f, 0.02f);
    EXPECT_NEAR(graniteOffset, 0.2f * 70.0f - 7.0f, 0.02f);  // wrapped once at 35 s

    restoreIloFaceOwnTexture();
    EXPECT_EQ(iloFace->textures[0], faceOwnTexture);
}

TEST_F(ShowUpdate, MusicStateAtItsMoments) {
    frameAt(7.9);
    EXPECT_TRUE(paused());
    frameAt(8.0);
    EXPECT_TRUE(paused());
    EXPECT_EQ(RenderSettings.exposure, 600.0f);
    frameAt(30.0);
    EXPECT_FALSE(paused());
    EXPECT_EQ(volume(), 1.0f);
    frameAt(57.5);
    EXPECT_NEAR(volume(), 0.5f, 1e-6f);
    frameAt(59.99);
    const float nearlySilent = volume();
    frameAt(60.0);  // on the bound: neither fade nor stop
    EXPECT_EQ(volume(), nearlySilent);
    EXPECT_FALSE(paused());
    frameAt(61.0);
    EXPECT_TRUE(paused());
    EXPECT_EQ(volume(), 0.0f);
}

TEST_F(ShowUpdate, FreeFlyKeepsTheCameraAndTheScriptTakesItBackAtOnce) {
    playUntil(17.5);
    camera->freeFly = true;
    camera->position = glm::vec3(9.0f, 9.0f, 9.0f);
    camera->yaw = 12.0f;
    camera->pitch = -5.0f;
    playUntil(25.0);
    EXPECT_EQ(camera->position, glm::vec3(9.0f, 9.0f, 9.0f));
    EXPECT_EQ(camera->yaw, 12.0f);
    EXPECT_EQ(camera->pitch, -5.0f);
    playUntil(30.0);
    camera->freeFly = false;
    frameAt(30.0);
    const show::CameraPose pose = *show::scriptedCameraPose(30.0);
    EXPECT_EQ(camera->position, pose.position);
    EXPECT_EQ(camera->yaw, pose.yaw);
    EXPECT_EQ(camera->pitch, pose.pitch);
    camera->position = glm::vec3(1.0f);
    frameAt(16.0);  // between 15 and 17 the script leaves the camera alone
    EXPECT_EQ(camera->position, glm::vec3(1.0f));
}

TEST(ShowUpdateEmpty, FrameWithoutSceneTouchesNothing) {
    totalTime = 20.0;
    update(frameTime);
    EXPECT_EQ(RenderSettings.exposure, 600.0f);
    totalTime = 0.0;
    resetShowState();
}
