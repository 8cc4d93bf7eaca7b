#include "camera/show_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/globals.h"
#include "app/setting_keys.h"

using namespace rtr::show;

namespace {

// A light list stand-in: each light remembers the start-up index it was created with.
struct FakeLight {
    int id;
    float intensity;
};

void runFrames(std::vector<FakeLight>& lights, double from, double to, double step) {
    for (double t = from; t < to; t += step) {
        const LightScript script = lightScript(t, lights.size());
        if (script.removeIndex) {
            lights.erase(lights.begin() + static_cast<long>(*script.removeIndex));
        }
        for (const LightWrite& write : script.writes) {
            lights.at(write.index).intensity = write.intensity;
        }
    }
}

std::vector<FakeLight> elevenLights() {
    std::vector<FakeLight> lights;
    for (int id = 0; id < 11; ++id) {
        lights.push_back({id, -1.0f});
    }
    return lights;
}

void expectVec(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

TEST(ShowWindows, FrameOnEightChangesNothingAndOnlyTwelveGivesExposureFourteen) {
    EXPECT_FALSE(exposureAt(8.0).has_value());
    EXPECT_FALSE(musicCommands(8.0).unpause);
    const LightScript script = lightScript(8.0, 11);
    EXPECT_FALSE(script.removeIndex.has_value());
    EXPECT_TRUE(script.writes.empty());
    EXPECT_FALSE(faceTexture(8.0).has_value());
    // The exposure ramp runs down from there; only a frame on 12 itself gives 14.
    EXPECT_FLOAT_EQ(*exposureAt(10.0), 307.0f);
    EXPECT_EQ(*exposureAt(12.0), 14.0f);
    EXPECT_GT(*exposureAt(11.99), 14.0f);
    EXPECT_FALSE(exposureAt(12.0001).has_value());
}

// Where a seek puts the music: waiting until 8 s, then playing from its start, fading out
// between 55 and 60 s, silent and paused after.
TEST(ShowWindows, MusicStateFollowsTheScriptedCommands) {
    const MusicState waiting = musicStateAt(5.0), playing = musicStateAt(30.0);
    EXPECT_FALSE(waiting.playing);
    EXPECT_EQ(waiting.position, 0.0);
    EXPECT_TRUE(playing.playing);
    EXPECT_EQ(playing.volume, 1.0f);
    EXPECT_DOUBLE_EQ(playing.position, 22.0);
    EXPECT_FLOAT_EQ(musicStateAt(57.5).volume, 0.5f);
    EXPECT_FALSE(musicStateAt(65.0).playing);
    EXPECT_EQ(musicStateAt(65.0).volume, 0.0f);
}

TEST(ShowWindows, DoorAndFaceChangeOnlyInsideTheirWindows) {
    for (double t : {3.0, 5.0, 9.0, 13.0, 16.0, 17.0}) {
        EXPECT_FALSE(doorTranslation(t).has_value()) << t;
    }
    expectVec(*doorTranslation(0.0), {0.2f, 0.0f, 0.0f});
    expectVec(*doorTranslation(4.0), {0.2f, 0.0f, 0.55f});
    expectVec(*doorTranslation(13.0001), {0.2f, 0.0f, 1.1f}, 1e-3f);
    expectVec(*doorTranslation(14.9999), {0.2f, 0.0f, 0.0f}, 1e-3f);
    expectVec(*doorTranslation(17.0001), {0.0f, 0.0f, 0.0f});

    for (double t : {5.0, 20.0, 33.0}) {
        EXPECT_FALSE(faceTexture(t).has_value()) << t;
    }
    for (double t : {9.0, 25.2, 25.5, 26.0}) {
        EXPECT_EQ(faceTexture(t), FaceTexture::awake) << t;
    }
    EXPECT_EQ(faceTexture(25.7), FaceTexture::wink);
}

TEST(ShowWindows, IloPathIsContinuousAcrossWindowsAndStopsAfterFiftyEight) {
    // At 15 s, out of the camera's sight, Ilo turns and steps to the belt; every other
    // window continues where the one before ended.
    for (double bound : {10, 17, 25, 33, 36, 39, 42, 50}) {
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
    expectVec(iloPose(0.0)->position, {3.8f, 0.3f, 1.4f});
    expectVec(iloPose(57.99999)->position, {-1.8f, 0.3f, 1.1f}, 1e-4f);
    EXPECT_FALSE(iloPose(58.0).has_value());
    EXPECT_FALSE(iloPose(70.0).has_value());
}

TEST(ShowWindows, ScriptedCameraLeavesGapsForTheFreeCamera) {
    for (double gap : {15.0, 16.0, 35.0, 55.0, 60.0}) {
        EXPECT_FALSE(scriptedCameraPose(gap).has_value()) << gap;
    }
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

    for (double t = 17.01; t < 200.0; t += 0.37) {
        const LightScript script = lightScript(t, 9);
        ASSERT_EQ(script.writes.size(), 9u);
        for (std::size_t i = 7; i < 9; ++i) {
            EXPECT_GE(script.writes[i].intensity, 5.0f);
            EXPECT_LE(script.writes[i].intensity, 25.0f);
        }
    }
    EXPECT_FLOAT_EQ(lightScript(20.0, 9).writes[7].intensity,
                    5.0f * static_cast<float>(std::cos(60.0) + std::sin(80.0)) + 15.0f);
}

TEST(LightScript, StallOverEightToFifteenRemovesNothingAtAll) {
    std::vector<FakeLight> lights = elevenLights();
    runFrames(lights, 0.0, 7.9, 0.5);
    runFrames(lights, 15.5, 15.6, 1.0);  // the frame after the stall
    runFrames(lights, 17.5, 30.0, 0.5);
    ASSERT_EQ(lights.size(), 11u);
    EXPECT_EQ(lights[7].id, 7);
    EXPECT_EQ(lights[8].id, 8);
    EXPECT_EQ(lights[10].intensity, -1.0f);  // never addressed
}

TEST(LightScript, ShortListNeverGetsWritesPastItsEnd) {
    for (const LightWrite& write : lightScript(1.0, 5).writes) {
        EXPECT_LT(write.index, 5u);
    }
    EXPECT_TRUE(lightScript(20.0, 0).writes.empty());
}

TEST(SceneMotion, GraniteResetsAtTheFirstFrameReachingSeven) {
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
}

TEST(SettingsKeys, GammaUpThenDownReturnsToItsStart) {
    rtr::RenderSettingsRecord settings;
    const rtr::SettingKey* up = rtr::findSettingKey(GLFW_KEY_E, rtr::KeyMoment::release);
    const rtr::SettingKey* down = rtr::findSettingKey(GLFW_KEY_R, rtr::KeyMoment::release);
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(rtr::applySettingKey(*up, settings), "gamma = 2.3");
    EXPECT_EQ(rtr::applySettingKey(*down, settings), "gamma = 2.2");
    EXPECT_NEAR(settings.gamma, 2.2f, 1e-6f);
}

namespace {

bool sameSettings(const rtr::RenderSettingsRecord& a, const rtr::RenderSettingsRecord& b) {
    for (const rtr::SettingSwitch& setting : rtr::settingSwitches) {
        if (a.*setting.flag != b.*setting.flag)
            return false;
    }
    for (const rtr::SettingNumber& number : rtr::settingNumbers) {
        if (rtr::numberValue(number, a) != rtr::numberValue(number, b))
            return false;
    }
    return a.exposure == b.exposure && a.exposureHeld == b.exposureHeld;
}

}  // namespace

TEST(SettingAssignments, EachNameFlipsItsOwnSwitchAndNoOther) {
    for (const rtr::SettingSwitch& setting : rtr::settingSwitches) {
        const rtr::RenderSettingsRecord before;
        rtr::RenderSettingsRecord after = before;
        const std::string list =
            std::string(setting.name) + (before.*setting.flag ? "=off" : "=on");
        EXPECT_EQ(rtr::applySettingAssignments(list, after), std::nullopt) << list;
        after.*setting.flag = before.*setting.flag;
        EXPECT_TRUE(sameSettings(before, after)) << list;
    }
}

// Each number takes the ends of its range and nothing past them, and only its own value
// changes; a whole number refuses a fraction.
TEST(SettingAssignments, EveryNumberTakesItsRangeAndNothingElse) {
    for (const rtr::SettingNumber& number : rtr::settingNumbers) {
        for (float end : {number.lowest, number.highest}) {
            const rtr::RenderSettingsRecord before;
            rtr::RenderSettingsRecord after = before;
            const std::string item = std::string(number.name) + "=" + rtr::numberText(end);
            ASSERT_EQ(rtr::applySettingAssignments(item, after), std::nullopt) << item;
            EXPECT_EQ(rtr::numberValue(number, after), end) << item;
            rtr::setNumber(number, rtr::numberValue(number, before), after);
            if (number.holds != nullptr)
                after.*number.holds = false;
            EXPECT_TRUE(sameSettings(before, after)) << item;
        }
        const float span = number.highest - number.lowest;
        for (float outside : {number.lowest - span / 8.0f, number.highest + span / 8.0f}) {
            rtr::RenderSettingsRecord settings;
            const std::string item = std::string(number.name) + "=" + rtr::numberText(outside);
            EXPECT_NE(rtr::applySettingAssignments(item, settings), std::nullopt) << item;
        }
        if (number.wholeNumbers) {
            rtr::RenderSettingsRecord settings;
            const std::string item =
                std::string(number.name) + "=" + rtr::numberText(number.lowest + 0.5f);
            EXPECT_NE(rtr::applySettingAssignments(item, settings), std::nullopt) << item;
        }
    }
}

// The show's own values, typed here on purpose: a default that drifted would change the show's
// frames (the frame test compares them with the capture tool's).
TEST(SettingNumbers, DefaultsAreTheShowsValues) {
    const rtr::RenderSettingsRecord show;
    const std::pair<const char*, float> expected[] = {
        {"ssao-radius", 0.5f},          {"ssao-kernel-size", 8.0f},
        {"ssao-power", 1.5f},           {"vessel-displacement", 0.125f},
        {"wall-displacement", 0.165f},  {"gamma", 2.2f},
        {"exposure", show.exposure},
    };
    ASSERT_EQ(std::size(expected), rtr::settingNumbers.size());
    for (const auto& [name, value] : expected) {
        const auto number = std::find_if(rtr::settingNumbers.begin(), rtr::settingNumbers.end(),
                                         [&](const rtr::SettingNumber& n) {
                                             return std::string(n.name) == name;
                                         });
        ASSERT_NE(number, rtr::settingNumbers.end()) << name;
        EXPECT_EQ(rtr::numberValue(*number, show), value) << name;
    }
}

// An exposure set by hand holds against the show's ramp until Reset, which keeps what the show
// has set meanwhile; the differences from the show spell the settings back exactly.
TEST(SettingNumbers, HeldExposureAndDifferencesRoundTrip) {
    rtr::RenderSettingsRecord settings;
    ASSERT_EQ(rtr::applySettingAssignments("exposure=20,ssao-radius=1.1,hdr=off", settings),
              std::nullopt);
    settings.exposure = 14.0f;  // the show's ramp writes on
    EXPECT_EQ(settings.exposureInEffect(), 20.0f);
    std::string list;
    for (const std::string& item : rtr::settingDifferences(settings))
        list += (list.empty() ? "" : ",") + item;
    rtr::RenderSettingsRecord again;
    again.exposure = 14.0f;
    ASSERT_EQ(rtr::applySettingAssignments(list, again), std::nullopt) << list;
    EXPECT_TRUE(sameSettings(settings, again)) << list;
    EXPECT_EQ(again.heldExposure, settings.heldExposure);
    rtr::resetToShowValues(settings);
    EXPECT_EQ(settings.exposureInEffect(), 14.0f);
    EXPECT_TRUE(rtr::settingDifferences(settings).empty());
}

TEST(SettingAssignments, ListSetsEveryItemInAnySpellingAndLeavesTheRest) {
    const rtr::RenderSettingsRecord before;
    rtr::RenderSettingsRecord settings = before;
    EXPECT_EQ(
        rtr::applySettingAssignments(
            "ssao=off,shadows=false,wireframemode=1,debug=true,culling=on,gamma=1.8", settings),
        std::nullopt);
    EXPECT_FALSE(settings.ssao);
    EXPECT_FALSE(settings.shadows);
    EXPECT_TRUE(settings.wireframe);
    EXPECT_TRUE(settings.debug);
    EXPECT_TRUE(settings.culling);
    EXPECT_FLOAT_EQ(settings.gamma, 1.8f);
    EXPECT_EQ(settings.hdr, before.hdr);
    EXPECT_EQ(settings.tessellation, before.tessellation);
    EXPECT_EQ(settings.exposure, before.exposure);
    EXPECT_EQ(rtr::applySettingAssignments("tessellation=0,hdr=off", settings), std::nullopt);
    EXPECT_FALSE(settings.tessellation);
    EXPECT_FALSE(settings.hdr);
}

TEST(SettingAssignments, BadListIsRefusedWholeWithItsReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"hdr=off,ssaoo=off", "'ssaoo' is not a setting"},
        {"hdr=off,ssao=maybe", "ssao: 'maybe' is not on/off"},
        {"hdr=off,gamma=nan", "gamma: 'nan' is not a number in [0.1, 10]"},
        {"ssao-kernel-size=8,ssao-radius=0", "ssao-radius: '0' is not a number in [0.05, 5]"},
        {"hdr=off,gamma=20", "'20'"},
        {"hdr=off,ssao", "'ssao' is not NAME=VALUE"},
        {"hdr=off,,ssao=on", "is not a list"},
        {"hdr=off,", "is not a list"},
        {"", "is not a list"},
        {"hdr=off,wireframe=on,wireframemode=off", "wireframe is given twice"},
    };
    for (const auto& [list, reason] : cases) {
        const rtr::RenderSettingsRecord before;
        rtr::RenderSettingsRecord settings = before;
        const std::optional<std::string> error = rtr::applySettingAssignments(list, settings);
        ASSERT_TRUE(error.has_value()) << list;
        EXPECT_NE(error->find(reason), std::string::npos) << list << ": " << *error;
        EXPECT_TRUE(sameSettings(before, settings)) << list;
    }
}
