#include <gtest/gtest.h>

#include <GLFW/glfw3.h>
#include <glm/glm.hpp>

#include <set>

#include "camera/camera.h"

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
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(Camera, StartsAtOriginAndLooksAlongItsMinusZAxis) {
    GLFWwindow* const window = reinterpret_cast<GLFWwindow*>(0x1);
    rtr::Camera camera(window, 0.5f);
    EXPECT_EQ(camera.window, window);
    EXPECT_EQ(camera.position, glm::vec3(0.0f));
    EXPECT_FLOAT_EQ(camera.fov, 0.5f);
    EXPECT_FLOAT_EQ(camera.yaw, 0.0f);
    EXPECT_FLOAT_EQ(camera.pitch, 0.0f);
    EXPECT_FLOAT_EQ(camera.speed, 2.0f);
    EXPECT_TRUE(camera.freeFly);
    expectNear(viewSpace(camera, glm::vec3(0.0f, 0.0f, -4.0f)), glm::vec3(0.0f, 0.0f, -4.0f));

    camera.position = glm::vec3(2.6f, 0.8f, 1.41f);
    camera.yaw = 90.0f;  // the show's opening pose looks along +x
    expectNear(viewSpace(camera, camera.position + glm::vec3(3.0f, 0.0f, 0.0f)),
               glm::vec3(0.0f, 0.0f, -3.0f));
    camera.yaw = 0.0f;
    camera.pitch = 30.0f;  // positive pitch looks down
    const glm::vec3 below = camera.position + glm::vec3(0.0f, -0.5f, -0.8660254f);
    expectNear(viewSpace(camera, below), glm::vec3(0.0f, 0.0f, -1.0f));
}

TEST(Camera, OneSecondOfWAtSpeedThreeMovesThreeUnitsAlongTheView) {
    for (int frames : {1, 7, 60}) {
        ScriptedCamera camera;
        camera.speed = 3.0f;
        camera.yaw = 37.0f;
        camera.pitch = -20.0f;
        camera.position = glm::vec3(1.0f, 2.0f, 3.0f);
        camera.heldKeys = {GLFW_KEY_W};
        for (int i = 0; i < frames; ++i) {
            camera.move(1.0 / frames);
        }
        const glm::vec3 travelled = camera.position - glm::vec3(1.0f, 2.0f, 3.0f);
        EXPECT_NEAR(glm::length(travelled), 3.0f, 1e-4f) << frames << " frames";
        // Still on the camera's own -z axis: the target of the view.
        expectNear(viewSpace(camera, camera.position - travelled), glm::vec3(0.0f, 0.0f, 3.0f),
                   1e-4f);
    }
}

TEST(Camera, StrafesSidewaysAndOppositeKeysCancel) {
    ScriptedCamera camera;
    camera.yaw = 90.0f;  // facing +x, so right is +z
    camera.heldKeys = {GLFW_KEY_D};
    camera.move(0.5);
    expectNear(camera.position, glm::vec3(0.0f, 0.0f, 1.0f));
    camera.heldKeys = {GLFW_KEY_A};
    camera.move(0.5);
    expectNear(camera.position, glm::vec3(0.0f));

    camera.heldKeys = {GLFW_KEY_W, GLFW_KEY_S, GLFW_KEY_A, GLFW_KEY_D, GLFW_KEY_R, GLFW_KEY_F};
    camera.move(1.0);
    expectNear(camera.position, glm::vec3(0.0f));
}

TEST(Camera, RAndFMoveAlongWorldYEvenWhenPitched) {
    ScriptedCamera camera;
    camera.pitch = 60.0f;
    camera.yaw = 45.0f;
    camera.speed = 3.0f;
    camera.heldKeys = {GLFW_KEY_R};
    camera.move(1.0);
    expectNear(camera.position, glm::vec3(0.0f, 3.0f, 0.0f));
    camera.heldKeys = {GLFW_KEY_F};
    camera.move(0.5);
    expectNear(camera.position, glm::vec3(0.0f, 1.5f, 0.0f));
}

TEST(Camera, ScriptedModeIgnoresKeysAndMouseAndKeepsTheCursor) {
    ScriptedCamera camera;
    camera.freeFly = false;
    camera.heldKeys = {GLFW_KEY_W, GLFW_KEY_R};
    camera.cursor = glm::dvec2(40.0, 25.0);
    camera.move(1.0);
    camera.look();
    EXPECT_EQ(camera.position, glm::vec3(0.0f));
    EXPECT_FLOAT_EQ(camera.yaw, 0.0f);
    EXPECT_FLOAT_EQ(camera.pitch, 0.0f);
    EXPECT_EQ(camera.cursorResets, 0);
    EXPECT_EQ(camera.cursor, glm::dvec2(40.0, 25.0));
}

TEST(Camera, LookTurnsATenthDegreePerCursorUnitAndClampsPitchAt85) {
    ScriptedCamera camera;
    camera.cursor = glm::dvec2(100.0, 50.0);
    camera.look();
    EXPECT_FLOAT_EQ(camera.yaw, 10.0f);
    EXPECT_FLOAT_EQ(camera.pitch, 5.0f);
    EXPECT_EQ(camera.cursor, glm::dvec2(0.0, 0.0));
    EXPECT_EQ(camera.cursorResets, 1);

    camera.cursor = glm::dvec2(0.0, 2000.0);
    camera.look();
    EXPECT_FLOAT_EQ(camera.pitch, 85.0f);
    camera.cursor = glm::dvec2(0.0, 30.0);
    camera.look();
    EXPECT_FLOAT_EQ(camera.pitch, 85.0f);
    camera.cursor = glm::dvec2(0.0, -50.0);
    camera.look();
    EXPECT_FLOAT_EQ(camera.pitch, 80.0f);
    camera.cursor = glm::dvec2(0.0, -5000.0);
    camera.look();
    EXPECT_FLOAT_EQ(camera.pitch, -85.0f);
}

TEST(Camera, YawWrapsIntoZeroTo360) {
    ScriptedCamera camera;
    camera.cursor = glm::dvec2(-5.0, 0.0);
    camera.look();
    EXPECT_FLOAT_EQ(camera.yaw, 359.5f);
    camera.cursor = glm::dvec2(10.0, 0.0);
    camera.look();
    EXPECT_NEAR(camera.yaw, 0.5f, 1e-4f);
    camera.cursor = glm::dvec2(-7205.0, 0.0);  // two full turns and a half degree the other way
    camera.look();
    EXPECT_NEAR(camera.yaw, 0.0f, 1e-3f);
    EXPECT_GE(camera.yaw, 0.0f);

    // A turn left by less than float resolution must not leave yaw at exactly 360.
    camera.yaw = 0.0f;
    camera.cursor = glm::dvec2(-1e-9, 0.0);
    camera.look();
    EXPECT_GE(camera.yaw, 0.0f);
    EXPECT_LT(camera.yaw, 360.0f);
}

// The default input source reads a live window: in the captured cursor mode the cursor
// position is virtual, so the test can place it and see look() put it back.
TEST(Camera, LooksWithTheCursorOfARealWindow) {
    ASSERT_EQ(glfwInit(), GLFW_TRUE);
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    GLFWwindow* window = glfwCreateWindow(320, 240, "camera test", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    glfwPollEvents();
    glfwSetCursorPos(window, 30.0, -20.0);

    rtr::Camera camera(window, 1.0f);
    camera.look();
    EXPECT_FLOAT_EQ(camera.yaw, 3.0f);
    EXPECT_FLOAT_EQ(camera.pitch, -2.0f);
    double x = -1.0, y = -1.0;
    glfwGetCursorPos(window, &x, &y);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    camera.move(1.0);  // no key is down
    EXPECT_EQ(camera.position, glm::vec3(0.0f));

    glfwDestroyWindow(window);
    glfwTerminate();
}

}  // namespace
