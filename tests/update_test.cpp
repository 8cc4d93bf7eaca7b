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
#include "app/scene_content.h"
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

glm::vec3 mapPoint(const glm::mat4& m, const glm::vec3& p) {
    return glm::vec3(m * glm::vec4(p, 1.0f));
}

void expectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-4f) {
    EXPECT_TRUE(glm::all(glm::epsilonEqual(actual, expected, tolerance)))
        << actual.x << " " << actual.y << " " << actual.z;
}

// The light list shrinks twice on the way through the show, and the face switches texture.
TEST_F(ShowUpdate, WholeShowShrinksTheLightListAndSwitchesTheFace) {
    playUntil(4.0);
    EXPECT_EQ(pointLights[8]->intensity, 1.0f);
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
    EXPECT_NEAR(graniteOffset, 0.2f * 30.0f, 0.01f);

    playUntil(70.0);
    EXPECT_NEAR(iloPosition.x, -1.8f, 1e-4f);
    EXPECT_NEAR(iloPosition.z, 1.1f, 0.02f);
    EXPECT_NEAR(graniteOffset, 0.2f * 70.0f - 7.0f, 0.02f);  // wrapped once at 35 s

    restoreIloFaceOwnTexture();
    EXPECT_EQ(iloFace->textures[0], faceOwnTexture);
}

// Expected values worked out by hand from the show's script, not from the code under test.
TEST_F(ShowUpdate, ModelsAndMainLightStandWhereTheScriptPutsThem) {
    frameAt(4.0);  // swing angle sin(4) = -0.7568025 rad
    expectNear(pointLights[0]->position, {0.0f, 2.1155900f, 0.3913621f});
    expectNear(mapPoint(cageLightModel->modelMatrix, {0, -1, 0}), {0.0f, 1.8229649f, 0.6866003f});
    expectNear(mapPoint(doorModel->modelMatrix, {0, 0, 0}), {0.2f, 0.0f, 0.55f});

    frameAt(12.5);  // Ilo halfway along his first leg, heading -pi/2, bob 0.3533172
    expectNear(mapPoint(iloBody->modelMatrix, {0, 0, 0}), {2.3f, 0.6533172f, 1.15f});
    expectNear(mapPoint(iloHead->modelMatrix, {0, 0, 0}), {2.3f, 0.6533172f, 1.15f});
    expectNear(mapPoint(iloArmLeft->modelMatrix, {0, 0, 0}), {2.3f, 0.7564904f, 1.3304f});
    expectNear(mapPoint(iloArmRight->modelMatrix, {0, 0, 0}), {2.3f, 0.7564904f, 0.9696f});
    // The arms are scaled (0.176, 1.007, 0.334) in Ilo's frame, then turned with him.
    expectNear(mapPoint(iloArmLeft->modelMatrix, {1, 0, 0}) -
                   mapPoint(iloArmLeft->modelMatrix, {0, 0, 0}),
               {0.0f, 0.0f, 0.176f});

    frameAt(30.5);  // 30.5 pi: every roll a quarter turn on
    expectNear(mapPoint(rolls[0]->modelMatrix, {0, 0, 0}), {0.0f, 0.475f, -0.9f});
    expectNear(mapPoint(rolls[4]->modelMatrix, {0, 0, 1}), {0.0f, -0.525f, 0.3f}, 1e-3f);
    expectNear(mapPoint(rolls[9]->modelMatrix, {0, 0, 0}), {0.0f, 0.475f, 1.8f});
}

TEST_F(ShowUpdate, ScriptedCameraInEachWindow) {
    struct Pose {
        double t;
        glm::vec3 position;
        float yaw, pitch;
    };
    const Pose poses[] = {{10.0, {2.6f, 0.8f, 1.41f}, 90.0f, 0.0f},
                          {21.0, {1.5f, 0.8f, -2.1f}, 180.0f, 0.0f},
                          {30.0, {2.0f, 1.4f, -3.85f}, 210.0f, 15.0f},
                          {38.0, {-2.5f, 1.0f, -1.0f}, 30.0f, 0.0f},
                          {48.5, {-2.5f, 1.0f, -1.0f}, 70.0f, 0.0f}};
    for (const Pose& pose : poses) {
        frameAt(pose.t);
        expectNear(camera->position, pose.position);
        EXPECT_NEAR(camera->yaw, pose.yaw, 1e-3f) << pose.t;
        EXPECT_NEAR(camera->pitch, pose.pitch, 1e-3f) << pose.t;
    }
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
    expectNear(camera->position, {2.0f, 1.4f, -3.85f});
    EXPECT_NEAR(camera->yaw, 210.0f, 1e-3f);
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

// Start-up's eleven lights, with the values of the scene's light table typed in.
TEST(SceneLights, ElevenLightsWithTheirPositionsColoursAndFalloff) {
    struct Row {
        glm::vec3 position, color;
        float intensity;
        glm::vec3 attenuation;
    };
    const glm::vec3 lampColor(1.0f, 0.2f, 0.0f), lampFalloff(1.0f, 1000.0f, 50000.0f);
    const Row rows[11] = {
        {{0.5f, 0.1f, 0.0f}, {1.0f, 1.0f, 0.5f}, 1.0f, {0.2f, 1.0f, 20.0f}},
        {{2.6f, 1.65f, -1.9f}, lampColor, 1.0f, lampFalloff},
        {{-2.65f, 1.65f, -2.0f}, lampColor, 1.0f, lampFalloff},
        {{-2.65f, 1.65f, 1.42f}, lampColor, 1.0f, lampFalloff},
        {{-1.8f, 1.65f, -5.0f}, lampColor, 1.0f, lampFalloff},
        {{1.85f, 1.65f, -5.0f}, lampColor, 1.0f, lampFalloff},
        {{-0.02f, 1.65f, 2.67f}, lampColor, 1.0f, lampFalloff},
        {{3.8f, 1.0f, 1.5f}, {0.8f, 0.8f, 1.0f}, 0.01f, {1.0f, 10.0f, 5.0f}},
        {{3.8f, 0.5f, 1.4f}, {0.0f, 0.2f, 1.0f}, 1.0f, {1.0f, 5000.0f, 50000.0f}},
        {{0.0f, 0.75f, 2.3f}, {0.8f, 0.1f, 0.0f}, 20.0f, {1.0f, 1000.0f, 20000.0f}},
        {{0.0f, 0.75f, -1.6f}, {0.8f, 0.1f, 0.0f}, 20.0f, {1.0f, 1000.0f, 20000.0f}}};
    createPointLights();
    ASSERT_EQ(pointLights.size(), 11u);
    for (int i = 0; i < 11; ++i) {
        const scene::PointLight& light = *pointLights[i];
        EXPECT_EQ(light.position, rows[i].position) << i;
        EXPECT_EQ(light.color, rows[i].color) << i;
        EXPECT_EQ(light.intensity, rows[i].intensity) << i;
        EXPECT_EQ(light.attenuation, rows[i].attenuation) << i;
        EXPECT_EQ(light.volumeScale, 1.0f) << i;
    }
    for (scene::PointLight* light : createdPointLights) delete light;
    createdPointLights.clear();
    pointLights.clear();
}
