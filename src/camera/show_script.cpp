#include "camera/show_script.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>

#include "app/globals.h"
#include "scene/scene_layout.h"
#include "scene/scene_lights.h"

namespace rtr::show {

namespace layout = scene::layout;

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr float piF = 3.1415927f;
const glm::vec3 xAxis(1.0f, 0.0f, 0.0f);
const glm::vec3 yAxis(0.0f, 1.0f, 0.0f);

// The show rounds its clock to float before any trigonometry but evaluates in double.
float sinOf(float x) {
    return static_cast<float>(std::sin(static_cast<double>(x)));
}
float cosOf(float x) {
    return static_cast<float>(std::cos(static_cast<double>(x)));
}

bool within(double t, double from, double to) {
    return t > from && t < to;
}

glm::vec3 vec(double x, double y, double z) {
    return glm::vec3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

float lightFlicker(float s, float cosRate, float sinRate) {
    return 5.0f * (cosOf(cosRate * s) + sinOf(sinRate * s)) + 15.0f;
}

void appendWrites(LightScript& script, std::size_t first, std::size_t last, float intensity) {
    for (std::size_t i = first; i <= last; ++i) {
        script.writes.push_back({i, intensity});
    }
}

// Start-up positions of the lights the script drives.
using scene::LightRole;
constexpr std::size_t kMainLight = scene::lightIndex(LightRole::main);
constexpr std::size_t kFirstLamp = scene::lightIndex(LightRole::wallLamp);
constexpr std::size_t kFill = scene::lightIndex(LightRole::littleRoomFill);
constexpr std::size_t kGlow = scene::lightIndex(LightRole::iloGlow);
constexpr std::size_t kAllLights = scene::sceneLights.size();
// The wall lamps form one run of rows; the two lights the show removes come before the beacons.
constexpr std::size_t kLastLamp = kFill - 1;
static_assert(kFill == kGlow - 1 && kGlow < scene::lightIndex(LightRole::beacon));

// Rates of the beacons' flicker curves (cosine, sine), by the rows' flicker index.
constexpr float kFlickerRates[2][2] = {{3.0f, 4.0f}, {5.0f, 3.0f}};

void appendBeaconFlicker(LightScript& script, float s) {
    for (std::size_t i = 0; i < kAllLights; ++i) {
        const int curve = scene::sceneLights[i].flicker;
        if (curve >= 0) {
            // Both removed lights stood before the beacon, so it has moved down two places.
            script.writes.push_back(
                {i - 2, lightFlicker(s, kFlickerRates[curve][0], kFlickerRates[curve][1])});
        }
    }
}

LightScript rawLightScript(double t, std::size_t lightCount) {
    LightScript script;
    if (t < 8.0) {
        // Ilo sleeps in the dark: every light before his glow is off, the glow on.
        appendWrites(script, kMainLight, kGlow - 1, 0.0f);
        script.writes.push_back({kGlow, 1.0f});
    } else if (within(t, 8.0, 15.0)) {
        // The fill light sits below the removed glow, so writing it after the removal is the
        // same.
        if (lightCount == kAllLights) {
            script.removeIndex = kGlow;
        }
        script.writes.push_back({kFill, 1.0f});
    } else if (t > 17.0) {
        if (lightCount == kAllLights - 1) {
            script.removeIndex = kFill;
        }
        const float s = static_cast<float>(t);
        appendWrites(script, kFirstLamp, kLastLamp, 20.0f);
        script.writes.push_back({kMainLight, 1.0f});
        appendBeaconFlicker(script, s);
    }
    return script;
}

std::optional<IloPose> iloWalkToBelt(double t) {
    if (t < 10.0) {
        return IloPose{vec(3.8, 0.3, 1.4), -piF / 2.0f};
    }
    if (within(t, 10.0, 15.0)) {
        const double u = (t - 10.0) / 5.0;
        return IloPose{vec(3.8 - 3.0 * u, 0.3, 1.4 - 0.5 * u), -piF / 2.0f};
    }
    if (within(t, 15.0, 17.0)) {
        return IloPose{vec(1.5, 0.3, 0.9), piF};
    }
    if (within(t, 17.0, 25.0)) {
        const double u = (t - 17.0) * 0.125;
        return IloPose{vec(1.5, 0.3, 0.9 - 3.0 * u), piF};
    }
    return std::nullopt;
}

std::optional<IloPose> iloTourOfTheRoom(double t) {
    if (within(t, 25.0, 33.0)) {
        const double u = (t - 25.0) * 0.125;
        return IloPose{vec(1.5 - 0.3 * u, 0.3 + 0.9 * u, -2.1 - 2.2 * u),
                       static_cast<float>(pi + u * pi / 4.0)};
    }
    if (within(t, 33.0, 36.0)) {
        const double u = (t - 33.0) / 3.0;
        return IloPose{vec(1.2 - u, 1.2, -4.3 + 0.5 * u),
                       static_cast<float>(3.926991 + u * pi / 2.0)};
    }
    if (within(t, 36.0, 39.0)) {
        const double u = (t - 36.0) / 3.0;
        return IloPose{vec(0.2 - u, 1.2, -3.8 - 0.15 * u),
                       static_cast<float>(5.4977875 - u * pi / 4.0)};
    }
    if (within(t, 39.0, 42.0)) {
        const double u = (t - 39.0) / 3.0;
        return IloPose{vec(-0.8 - u, 1.2, -3.95 - 0.15 * u),
                       static_cast<float>(4.712389 + u * pi / 2.0)};
    }
    if (within(t, 42.0, 50.0)) {
        const double u = (t - 42.0) * 0.125;
        return IloPose{vec(-1.8, 1.2 - 0.9 * u, -4.1 + 2.2 * u), 0.0f};
    }
    if (within(t, 50.0, 58.0)) {
        const double u = (t - 50.0) * 0.125;
        return IloPose{vec(-1.8, 0.3, -1.9 + 3.0 * u), 0.0f};
    }
    return std::nullopt;
}

}  // namespace

glm::vec3 mainLightPosition(double t) {
    const float angle = sinOf(static_cast<float>(t));
    const glm::mat4 swing =
        glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, layout::mainLightPivotY, 0.0f)) *
        glm::rotate(glm::mat4(1.0f), angle, xAxis);
    return glm::vec3(swing * glm::vec4(0.0f, -layout::mainLightDrop, 0.0f, 1.0f));
}

std::optional<glm::vec3> doorTranslation(double t) {
    if (t < 3.0) {
        return vec(0.2, 0.0, 0.0);
    }
    if (within(t, 3.0, 5.0)) {
        return vec(0.2, 0.0, 1.1 * (t - 3.0) * 0.5);
    }
    if (within(t, 13.0, 15.0)) {
        return vec(0.2, 0.0, 1.1 - 1.1 * (t - 13.0) * 0.5);
    }
    if (t > 17.0) {
        return glm::vec3(0.0f);
    }
    return std::nullopt;
}

LightScript lightScript(double t, std::size_t lightCount) {
    LightScript script = rawLightScript(t, lightCount);
    // A list shorter than the script expects loses the writes it cannot hold instead of
    // writing past its end.
    const std::size_t remaining = lightCount - (script.removeIndex ? 1 : 0);
    std::vector<LightWrite> inRange;
    for (const LightWrite& write : script.writes) {
        if (write.index < remaining) {
            inRange.push_back(write);
        }
    }
    script.writes = inRange;
    return script;
}

std::optional<float> exposureAt(double t) {
    if (t > 8.0 && t <= 12.0) {
        return static_cast<float>(600.0 - 586.0 * (t - 8.0) * 0.25);
    }
    return std::nullopt;
}

MusicCommands musicCommands(double t) {
    MusicCommands commands;
    commands.unpause = t > 8.0;
    if (within(t, 55.0, 60.0)) {
        commands.volume = 1.0f - (static_cast<float>(t) - 55.0f) / 5.0f;
    } else if (t > 60.0) {
        commands.volume = 0.0f;
        commands.pause = true;
    }
    return commands;
}

MusicState musicStateAt(double t) {
    const MusicCommands commands = musicCommands(t);
    return {commands.unpause && !commands.pause, commands.volume.value_or(1.0f),
            std::max(0.0, t - 8.0)};
}

std::optional<IloPose> iloPose(double t) {
    if (std::optional<IloPose> pose = iloWalkToBelt(t)) {
        return pose;
    }
    return iloTourOfTheRoom(t);
}

std::optional<FaceTexture> faceTexture(double t) {
    if (within(t, 8.0, 10.0)) {
        return FaceTexture::awake;
    }
    if (within(t, 25.0, 33.0)) {
        return within(t, 25.5, 26.0) ? FaceTexture::wink : FaceTexture::awake;
    }
    return std::nullopt;
}

std::optional<CameraPose> scriptedCameraPose(double t) {
    if (t < 15.0) {
        return CameraPose{vec(2.6, 0.8, 1.41), 90.0f, 0.0f};
    }
    if (within(t, 17.0, 25.0)) {
        const double u = (t - 17.0) * 0.125;
        return CameraPose{vec(1.5, 0.8, -0.6 - 3.0 * u), 180.0f, 0.0f};
    }
    if (within(t, 25.0, 35.0)) {
        const double u = (t - 25.0) / 10.0;
        return CameraPose{vec(1.5 + u, 0.8 + 1.2 * u, -3.6 - 0.5 * u),
                          static_cast<float>(180.0 + 60.0 * u), static_cast<float>(30.0 * u)};
    }
    if (within(t, 35.0, 42.0)) {
        return CameraPose{vec(-2.5, 1.0, -1.0), 30.0f, 0.0f};
    }
    if (within(t, 42.0, 55.0)) {
        const double u = (t - 42.0) / 13.0;
        return CameraPose{vec(-2.5, 1.0, -1.0), static_cast<float>(30.0 + 80.0 * u), 0.0f};
    }
    return std::nullopt;
}

glm::mat4 rollMatrix(std::size_t index, double t) {
    const float z = layout::rollSpacing * static_cast<float>(index) + layout::firstRollZ;
    const glm::mat4 place = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, layout::rollY, z));
    return glm::rotate(place, piF * static_cast<float>(t), xAxis);
}

glm::mat4 cageLampMatrix(double t) {
    const glm::mat4 pivot =
        glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, layout::cagePivotY, 0.0f));
    return glm::rotate(pivot, sinOf(static_cast<float>(t)), xAxis);
}

float nextGraniteOffset(float offset, double deltaT) {
    offset += static_cast<float>(deltaT * 0.2);
    // Same as "truncated value above 6", without converting huge offsets to int.
    if (offset >= 7.0f) {
        offset = 0.0f;
    }
    return offset;
}

glm::mat4 graniteBlockMatrix(float offset) {
    return glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, layout::graniteLift, offset));
}

float iloBob(double t) {
    const float s = static_cast<float>(t);
    return static_cast<float>(std::sin(static_cast<double>(0.75f * s)) / 15.0 + 0.35);
}

IloPartMatrices iloPartMatrices(const IloPose& pose, double t) {
    const glm::mat4 base = glm::translate(glm::mat4(1.0f), pose.position) *
                           glm::rotate(glm::mat4(1.0f), pose.heading, yAxis);
    const glm::vec3 hover(0.0f, iloBob(t), 0.0f);
    const glm::mat4 armSpace = glm::scale(
        base, glm::vec3(layout::iloArmScaleX, layout::iloArmScaleY, layout::iloArmScaleZ));
    const glm::vec3 leftArm(layout::iloArmOffsetX, layout::iloArmOffsetY, 0.0f);
    const glm::vec3 rightArm(-layout::iloArmOffsetX, layout::iloArmOffsetY, 0.0f);
    IloPartMatrices parts;
    parts.armLeft = glm::translate(glm::translate(armSpace, leftArm), hover);
    parts.armRight = glm::translate(glm::translate(armSpace, rightArm), hover);
    parts.core = glm::translate(base, hover);
    return parts;
}

}  // namespace rtr::show
