#include "camera/show_script.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "app/globals.h"

using namespace rtr::show;

namespace {

// A light list stand-in: each light remembers the start-up index it was created with.
struct FakeLight {
    int id;
    float intensity;
};

void applyScript(std::vector<FakeLight>& lights, double t) {
    const LightScript script = lightScript(t, lights.size());
    if (script.removeIndex) {
        lights.erase(lights.begin() + static_cast<long>(*script.removeIndex));
    }
    for (const LightWrite& write : script.writes) {
        lights.at(write.index).intensity = write.intensity;
    }
}

std::vector<FakeLight> elevenLights() {
    std::vector<FakeLight> lights;
    for (int id = 0; id < 11; ++id) {
        lights.push_back({id, -1.0f});
    }
    return lights;
}

void runFrames(std::vector<FakeLight>& lights, double from, double to, double step) {
    for (double t = from; t < to; t += step) {
        applyScript(lights, t);
    }
}

void expectVec(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

glm::vec3 transformPoint(const glm::mat4& m, const glm::vec3& p) {
    return glm::vec3(m * glm::vec4(p, 1.0f));
}

}  // namespace

TEST(ShowWindows, FrameExactlyOnEightSecondsChangesNothingThatStartsThere) {
    EXPECT_FALSE(exposureAt(8.0).has_value());
    EXPECT_FALSE(musicCommands(8.0).unpause);
    const LightScript script = lightScript(8.0, 11);
    EXPECT_FALSE(script.removeIndex.has_value());
    EXPECT_TRUE(script.writes.empty());
    EXPECT_FALSE(faceTexture(8.0).has_value());
}

TEST(ShowWindows, ExposureRampsDownAndOnlyTwelveItselfGivesFourteen) {
    EXPECT_FLOAT_EQ(*exposureAt(8.0001), 600.0f - 586.0f * 0.0001f * 0.25f);
    EXPECT_FLOAT_EQ(*exposureAt(10.0), 307.0f);
    EXPECT_EQ(*exposureAt(12.0), 14.0f);
    EXPECT_GT(*exposureAt(11.99), 14.0f);
    EXPECT_FALSE(exposureAt(12.0001).has_value());
    EXPECT_FALSE(exposureAt(7.0).has_value());
}

TEST(ShowWindows, DoorOpensAndClosesOnlyInsideItsWindows) {
    expectVec(*doorTranslation(0.0), {0.2f, 0.0f, 0.0f});
    EXPECT_FALSE(doorTranslation(3.0).has_value());
    expectVec(*doorTranslation(4.0), {0.2f, 0.0f, 0.55f});
    EXPECT_FALSE(doorTranslation(5.0).has_value());
    EXPECT_FALSE(doorTranslation(9.0).has_value());
    EXPECT_FALSE(doorTranslation(13.0).has_value());
    expectVec(*doorTranslation(13.0001), {0.2f, 0.0f, 1.1f}, 1e-3f);
    expectVec(*doorTranslation(14.9999), {0.2f, 0.0f, 0.0f}, 1e-3f);
    EXPECT_FALSE(doorTranslation(16.0).has_value());
    EXPECT_FALSE(doorTranslation(17.0).has_value());
    expectVec(*doorTranslation(17.0001), {0.0f, 0.0f, 0.0f});
}

TEST(ShowWindows, IloPathIsContinuousAcrossWindowsAndStopsAfterFiftyEight) {
    // At 15 s, out of the camera's sight, Ilo turns and steps to the belt; every other
    // window continues where the one before ended.
    const double bounds[] = {10, 17, 25, 33, 36, 39, 42, 50};
    for (double bound : bounds) {
        EXPECT_FALSE(iloPose(bound).has_value()) << bound;
        const IloPose before = *iloPose(bound - 1e-6);
        const IloPose after = *iloPose(bound + 1e-6);
        EXPECT_NEAR(std::remainder(before.heading - after.heading, 2.0 * 3.1415927), 0.0, 1e-4)
            << bound;
        expectVec(before.position, after.position, 1e-4f);
    }
    EXPECT_FALSE(iloPose(15.0).has_value());
    expectVec(iloPose(14.99999)->position, {0.8f, 0.3f, 0.9f}, 1e-4f);
    expectVec(iloPose(15.00001)->position, {1.5f, 0.3f, 0.9f});
    EXPECT_FLOAT_EQ(iloPose(16.0)->heading, 3.1415927f);
    const IloPose start = *iloPose(0.0);
    expectVec(start.position, {3.8f, 0.3f, 1.4f});
    EXPECT_FLOAT_EQ(start.heading, initialIloHeading);
    expectVec(iloPose(57.99999)->position, {-1.8f, 0.3f, 1.1f}, 1e-4f);
    EXPECT_FALSE(iloPose(58.0).has_value());
    EXPECT_FALSE(iloPose(70.0).has_value());
}

TEST(ShowWindows, FaceWinksOnlyBetweenTwentyFiveAndAHalfAndTwentySix) {
    EXPECT_FALSE(faceTexture(5.0).has_value());
    EXPECT_EQ(*faceTexture(9.0), FaceTexture::awake);
    EXPECT_FALSE(faceTexture(20.0).has_value());
    EXPECT_EQ(*faceTexture(25.2), FaceTexture::awake);
    EXPECT_EQ(*faceTexture(25.7), FaceTexture::wink);
    EXPECT_EQ(*faceTexture(25.5), FaceTexture::awake);
    EXPECT_EQ(*faceTexture(26.0), FaceTexture::awake);
    EXPECT_FALSE(faceTexture(33.0).has_value());
}

TEST(ShowWindows, ScriptedCameraLeavesGapsAndFollowsItsFlight) {
    const CameraPose start = *scriptedCameraPose(1.0);
    expectVec(start.position, {2.6f, 0.8f, 1.41f});
    EXPECT_EQ(start.yaw, 90.0f);
    EXPECT_FALSE(scriptedCameraPose(15.0).has_value());
    EXPECT_FALSE(scriptedCameraPose(16.0).has_value());
    const CameraPose mid = *scriptedCameraPose(30.0);
    expectVec(mid.position, {2.0f, 1.4f, -3.85f});
    EXPECT_FLOAT_EQ(mid.yaw, 210.0f);
    EXPECT_FLOAT_EQ(mid.pitch, 15.0f);
    EXPECT_FLOAT_EQ(scriptedCameraPose(48.5)->yaw, 70.0f);
    EXPECT_FALSE(scriptedCameraPose(35.0).has_value());
    EXPECT_FALSE(scriptedCameraPose(55.0).has_value());
    EXPECT_FALSE(scriptedCameraPose(60.0).has_value());
}

TEST(LightScript, NormalRunLeavesNineLightsAndFlickersTheLastTwo) {
    std::vector<FakeLight> lights = elevenLights();
    runFrames(lights, 0.0, 8.0, 1.0 / 30.0);
    EXPECT_EQ(lights[8].intensity, 1.0f);
    EXPECT_EQ(lights[7].intensity, 0.0f);
    runFrames(lights, 8.0 + 1.0 / 60.0, 15.0, 1.0 / 30.0);
    ASSERT_EQ(lights.size(), 10u);
    EXPECT_EQ(lights[7].id, 7);
    EXPECT_EQ(lights[7].intensity, 1.0f);
    EXPECT_EQ(lights[8].id, 9);
    runFrames(lights, 17.01, 40.0, 1.0 / 30.0);
    ASSERT_EQ(lights.size(), 9u);
    EXPECT_EQ(lights[7].id, 9);
    EXPECT_EQ(lights[8].id, 10);
    EXPECT_EQ(lights[3].intensity, 20.0f);
    EXPECT_EQ(lights[0].intensity, 1.0f);
}

TEST(LightScript, StallOverEightToFifteenRemovesNothingAtAll) {
    std::vector<FakeLight> lights = elevenLights();
    runFrames(lights, 0.0, 7.9, 0.5);
    applyScript(lights, 15.5);  // the frame after the stall
    runFrames(lights, 17.5, 30.0, 0.5);
    ASSERT_EQ(lights.size(), 11u);
    EXPECT_EQ(lights[7].id, 7);
    EXPECT_EQ(lights[8].id, 8);
    EXPECT_EQ(lights[10].intensity, -1.0f);  // never addressed
}

TEST(LightScript, FlickerStaysBetweenFiveAndTwentyFive) {
    for (double t = 17.01; t < 200.0; t += 0.37) {
        const LightScript script = lightScript(t, 9);
        ASSERT_EQ(script.writes.size(), 9u);
        for (std::size_t i = 7; i < 9; ++i) {
            EXPECT_GE(script.writes[i].intensity, 5.0f);
            EXPECT_LE(script.writes[i].intensity, 25.0f);
        }
    }
    const float s = 20.0f;
    const LightScript at20 = lightScript(20.0, 9);
    EXPECT_FLOAT_EQ(at20.writes[7].intensity,
                    5.0f * static_cast<float>(std::cos(3.0 * s) + std::sin(4.0 * s)) + 15.0f);
}

TEST(LightScript, ShortListNeverGetsWritesPastItsEnd) {
    const LightScript early = lightScript(1.0, 5);
    for (const LightWrite& write : early.writes) {
        EXPECT_LT(write.index, 5u);
    }
    EXPECT_TRUE(lightScript(20.0, 0).writes.empty());
}

TEST(MusicCommands, PausedBeforeEightPlayingThenFadingThenStopped) {
    EXPECT_FALSE(musicCommands(7.9).unpause);
    const MusicCommands playing = musicCommands(30.0);
    EXPECT_TRUE(playing.unpause);
    EXPECT_FALSE(playing.volume.has_value());
    EXPECT_FALSE(playing.pause);
    EXPECT_NEAR(*musicCommands(57.5).volume, 0.5f, 1e-6f);
    EXPECT_FALSE(musicCommands(55.0).volume.has_value());
    const MusicCommands onSixty = musicCommands(60.0);
    EXPECT_FALSE(onSixty.volume.has_value());
    EXPECT_FALSE(onSixty.pause);
    const MusicCommands after = musicCommands(61.0);
    EXPECT_TRUE(after.unpause);
    EXPECT_EQ(*after.volume, 0.0f);
    EXPECT_TRUE(after.pause);
}

TEST(SceneMotion, PendulumLightHangsUnderItsPivotAndSwingsAboutX) {
    expectVec(mainLightPosition(0.0), {0.0f, 1.96f, 0.0f});
    const double a = std::sin(static_cast<double>(static_cast<float>(1.2)));
    expectVec(mainLightPosition(1.2), {0.0f, static_cast<float>(2.53 - 0.57 * std::cos(a)),
                                       static_cast<float>(-0.57 * std::sin(a))});
}

TEST(SceneMotion, RollsStandInARowAndTurnHalfARevolutionPerSecond) {
    expectVec(transformPoint(rollMatrix(0, 0.0), glm::vec3(0.0f)), {0.0f, 0.475f, -0.9f});
    expectVec(transformPoint(rollMatrix(9, 0.0), glm::vec3(0.0f)), {0.0f, 0.475f, 1.8f});
    expectVec(transformPoint(rollMatrix(2, 1.0), {0.0f, 1.0f, 0.0f}), {0.0f, -0.525f, -0.3f});
    const glm::vec3 lampTip = transformPoint(cageLampMatrix(0.0), {0.0f, -1.0f, 0.0f});
    expectVec(lampTip, {0.0f, 1.55f, 0.0f});
}

TEST(SceneMotion, GraniteResetsAtTheFirstFrameReachingSeven) {
    EXPECT_FLOAT_EQ(nextGraniteOffset(6.0f, 0.0), 6.0f);
    EXPECT_FLOAT_EQ(nextGraniteOffset(6.5f, 2.0), 6.9f);
    EXPECT_EQ(nextGraniteOffset(6.9f, 0.5), 0.0f);
    EXPECT_EQ(nextGraniteOffset(1.0f, 1e12), 0.0f);
    const float step = static_cast<float>(0.2 / 30.0);
    float offset = 0.0f;
    float highest = 0.0f;
    int frames = 0;
    do {
        highest = std::max(highest, offset);
        offset = nextGraniteOffset(offset, 1.0 / 30.0);
        ++frames;
    } while (offset != 0.0f && frames < 10000);
    EXPECT_NEAR(frames, 1050, 2);  // 35 s of belt at 0.2 units per second
    EXPECT_LT(highest, 7.0f);
    EXPECT_GE(highest + step, 7.0f);
    expectVec(transformPoint(graniteBlockMatrix(2.5f), glm::vec3(0.0f)), {0.0f, 0.035f, 2.5f});
}

TEST(SceneMotion, IloPartsHoverTogetherAboveHisPose) {
    for (double t = 0.0; t < 30.0; t += 0.1) {
        EXPECT_GE(iloBob(t), 0.2833f);
        EXPECT_LE(iloBob(t), 0.4167f);
    }
    const IloPose pose{{1.0f, 0.3f, 2.0f}, 3.1415927f / 2.0f};
    const IloPartMatrices parts = iloPartMatrices(pose, 2.0);
    const float bob = iloBob(2.0);
    expectVec(transformPoint(parts.core, glm::vec3(0.0f)), {1.0f, 0.3f + bob, 2.0f});
    // Heading pi/2 turns +x into -z; the arm offset is scaled by x 0.176 first.
    expectVec(transformPoint(parts.armLeft, glm::vec3(0.0f)),
              {1.0f, 0.3f + 1.007f * (0.1f + bob), 2.0f - 0.176f * 1.025f});
    expectVec(transformPoint(parts.armRight, glm::vec3(0.0f)),
              {1.0f, 0.3f + 1.007f * (0.1f + bob), 2.0f + 0.176f * 1.025f});
}

TEST(SettingsKeys, ActionsAndMessages) {
    rtr::RenderSettingsRecord settings;
    EXPECT_EQ(applySettingsKey(72, settings), "HDR: deactivated");
    EXPECT_FALSE(settings.hdr);
    EXPECT_EQ(applySettingsKey(72, settings), "HDR: activated");
    EXPECT_EQ(applySettingsKey(79, settings), "SSAO: deactivated");
    EXPECT_EQ(applySettingsKey(77, settings), "Debug: activated");
    EXPECT_EQ(applySettingsKey(69, settings), "gamma = 2.3");
    EXPECT_EQ(applySettingsKey(82, settings), "gamma = 2.2");
    EXPECT_NEAR(settings.gamma, 2.2f, 1e-6f);
    for (int i = 0; i < 30; ++i) {
        applySettingsKey(82, settings);
    }
    EXPECT_LT(settings.gamma, 0.0f);  // no lower bound
    EXPECT_TRUE(applySettingsKey(65, settings).empty());
}

TEST(SettingsKeys, LatchFiresOnceAfterReleaseAndCatchesShortPresses) {
    SettingsKeyLatches latches;
    std::map<int, std::vector<bool>> answers;  // queued answers per key, then "released"
    std::vector<int> fired;
    const auto query = [&answers](int key) {
        std::vector<bool>& queue = answers[key];
        if (queue.empty()) {
            return false;
        }
        const bool pressed = queue.front();
        queue.erase(queue.begin());
        return pressed;
    };
    const auto fire = [&fired](int key) { fired.push_back(key); };

    for (int frame = 0; frame < 5; ++frame) {  // H held for five frames
        answers[72] = {true, true};
        latches.poll(query, fire);
    }
    EXPECT_TRUE(fired.empty());
    latches.poll(query, fire);  // released
    EXPECT_EQ(fired, std::vector<int>{72});
    latches.poll(query, fire);
    EXPECT_EQ(fired.size(), 1u);

    answers[69] = {true, false};  // pressed and released between two polls
    answers[77] = {true, false};
    latches.poll(query, fire);
    EXPECT_EQ(fired, (std::vector<int>{72, 69, 77}));
}
