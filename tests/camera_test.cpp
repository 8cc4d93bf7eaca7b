#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <optional>
#include <set>
#include <string>

#include "camera/camera.h"
#include "explore/view_command.h"

namespace {

// A camera whose keys and cursor come from the test instead of a window.
class ScriptedCamera : public rtr::Camera {
  public:
    ScriptedCamera() : Camera(nullptr, 1.0471976f) {}

    std::set<int> heldKeys;
    glm::dvec2 cursor{0.0, 0.0};
    int cursorResets = 0;

  protected:
    bool isKeyDown(int key) const override { return heldKeys.count(key) > 0; }
    glm::dvec2 cursorPosition() const override { return cursor; }
    void resetCursor() override {
        cursor = glm::dvec2(0.0, 0.0);
        ++cursorResets;
    }
};

glm::vec3 viewSpace(const rtr::Camera& camera, const glm::vec3& world) {
    return glm::vec3(camera.viewMatrix() * glm::vec4(world, 1.0f));
}

void expectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-5f) {
    EXPECT_LT(glm::length(actual - expected), tolerance)
        << actual.x << " " << actual.y << " " << actual.z;
}

// Facing +x (the show's opening pose) and pitched down, so a strafe or climb that followed the
// view would show.
TEST(Camera, MovesAlongTheViewSidewaysAndVerticallyAtItsSpeedWhateverTheFrameRate) {
    ScriptedCamera camera;
    camera.speed = 3.0f;
    camera.yaw = 90.0f;
    camera.pitch = 30.0f;
    const auto hold = [&camera](const std::set<int>& keys, double seconds, int frames = 1) {
        camera.heldKeys = keys;
        for (int i = 0; i < frames; ++i) {
            camera.move(seconds / frames);
        }
        return camera.position;
    };
    for (int frames : {1, 7, 60}) {
        camera.position = glm::vec3(0.0f);
        const glm::vec3 end = hold({GLFW_KEY_W}, 1.0, frames);
        expectNear(end, 3.0f * glm::vec3(0.8660254f, -0.5f, 0.0f), 1e-4f);
        // The start lies straight behind the camera on its own +z axis.
        expectNear(viewSpace(camera, glm::vec3(0.0f)), glm::vec3(0.0f, 0.0f, 3.0f), 1e-4f);
    }
    camera.position = glm::vec3(0.0f);
    expectNear(hold({GLFW_KEY_D}, 0.5), glm::vec3(0.0f, 0.0f, 1.5f));
    expectNear(hold({GLFW_KEY_A}, 0.5), glm::vec3(0.0f));
    expectNear(hold({GLFW_KEY_R}, 1.0), glm::vec3(0.0f, 3.0f, 0.0f));
    expectNear(hold({GLFW_KEY_F}, 0.5), glm::vec3(0.0f, 1.5f, 0.0f));
    const std::set<int> all = {GLFW_KEY_W, GLFW_KEY_S, GLFW_KEY_A,
                               GLFW_KEY_D, GLFW_KEY_R, GLFW_KEY_F};
    expectNear(hold(all, 1.0), glm::vec3(0.0f, 1.5f, 0.0f));
}

TEST(Camera, LookTurnsATenthDegreePerCursorUnitClampsPitchAndWrapsYaw) {
    struct Turn {
        glm::dvec2 cursor;
        float yaw;
        float pitch;
    };
    const Turn turns[] = {
        {{100.0, 50.0}, 10.0f, 5.0f},
        {{-105.0, 2000.0}, 359.5f, 85.0f},   // left past 0, and looking straight down
        {{10.0, 30.0}, 0.5f, 85.0f},         // right past 360; pressing on does nothing
        {{0.0, -50.0}, 0.5f, 80.0f},         // until the mouse reverses
        {{-7205.0, -5000.0}, 0.0f, -85.0f},  // two turns and a half degree back; straight up
        {{-1e-9, 0.0}, 0.0f, -85.0f},        // below float resolution: must not leave yaw at 360
    };
    ScriptedCamera camera;
    for (const Turn& turn : turns) {
        camera.cursor = turn.cursor;
        camera.look();
        EXPECT_NEAR(camera.yaw, turn.yaw, 1e-4f);
        EXPECT_GE(camera.yaw, 0.0f);
        EXPECT_FLOAT_EQ(camera.pitch, turn.pitch);
        EXPECT_EQ(camera.cursor, glm::dvec2(0.0, 0.0));
    }
    EXPECT_EQ(camera.cursorResets, 6);
}

TEST(Camera, ScriptedModeIgnoresKeysAndMouseAndKeepsTheCursor) {
    ScriptedCamera camera;
    camera.freeFly = false;
    camera.heldKeys = {GLFW_KEY_W, GLFW_KEY_R};
    camera.cursor = glm::dvec2(40.0, 25.0);
    camera.move(1.0);
    camera.look();
    EXPECT_EQ(camera.position, glm::vec3(0.0f));
    EXPECT_EQ(glm::vec2(camera.yaw, camera.pitch), glm::vec2(0.0f));
    EXPECT_EQ(camera.cursor, glm::dvec2(40.0, 25.0));
}

}  // namespace

// The pose F2 writes reads back as the very same floats, field of view included; poses the
// free-fly camera could never take are refused with a reason.
TEST(CameraPose, TextReadsBackExactlyAndImpossiblePosesAreRefused) {
    ScriptedCamera camera;
    camera.position = glm::vec3(0.1f, -2.0f / 3.0f, 1.0e-7f);
    camera.yaw = 359.99997f;
    camera.pitch = -rtr::Camera::pitchLimit;
    camera.fov = 0.3f;
    const std::optional<rtr::CameraPose> pose = rtr::parseCameraPose(rtr::cameraPoseText(camera));
    ASSERT_TRUE(pose.has_value()) << rtr::cameraPoseText(camera);
    EXPECT_EQ(pose->position, camera.position);
    EXPECT_EQ(pose->yaw, camera.yaw);
    EXPECT_EQ(pose->pitch, camera.pitch);
    ASSERT_TRUE(pose->fovDegrees.has_value());
    EXPECT_EQ(static_cast<float>(*pose->fovDegrees / 57.295779513082320876798), camera.fov);

    for (const char* bad : {"1,2,3,4", "1,2,3,4,5,6,7", "1,2,3,4,90", "1,2,nan,4,5", "1,2,3,4,5,",
                            "1,2,3,4,5,200", "1,2,x,4,5", ""}) {
        std::string error;
        EXPECT_FALSE(rtr::parseCameraPose(bad, &error).has_value()) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}
