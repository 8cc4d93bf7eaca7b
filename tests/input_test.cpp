#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <string>

#include "app/globals.h"
#include "app/input.h"
#include "camera/camera.h"
#include "support/gl_context.h"

namespace {

// A visible window with the cursor captured as start-up leaves it. Visible, because GLFW only
// moves the cursor of a focused window.
class KeyCallback : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::initGlfw());
        glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
        window = glfwCreateWindow(320, 240, "input test", nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
        glfwSetCursorPos(window, 0.0, 0.0);
        rtr::RenderSettings = rtr::RenderSettingsRecord{};
        rtr::cursorCaptured = true;
        rtr::camera = new rtr::Camera(window, 1.0471976f);
        rtr::camera->freeFly = false;
    }
    void TearDown() override {
        delete rtr::camera;
        rtr::camera = nullptr;
        glfwDestroyWindow(window);
        glfwTerminate();
    }

    // Sends one key event and returns what was printed.
    std::string key(int code, int action = GLFW_PRESS, int mods = 0) {
        testing::internal::CaptureStdout();
        rtr::keyCallback(window, code, 0, action, mods);
        return testing::internal::GetCapturedStdout();
    }

    GLFWwindow* window = nullptr;
};

// The message of every setting key, and that holding one toggles once, are checked on the
// running program (show_keys_test). Here: what a real keyboard cannot easily send.
TEST_F(KeyCallback, OnlyPressesCountModifiersDoNotMatterAndUnboundKeysDoNothing) {
    for (int code : {GLFW_KEY_H, GLFW_KEY_O, GLFW_KEY_W, GLFW_KEY_ESCAPE, GLFW_KEY_UNKNOWN}) {
        EXPECT_EQ(key(code), "") << code;
    }
    const rtr::RenderSettingsRecord defaults;
    EXPECT_EQ(rtr::RenderSettings.shadows, defaults.shadows);
    EXPECT_EQ(rtr::RenderSettings.culling, defaults.culling);
    EXPECT_EQ(rtr::RenderSettings.wireframe, defaults.wireframe);
    EXPECT_EQ(rtr::RenderSettings.tessellation, defaults.tessellation);
    EXPECT_FALSE(rtr::camera->freeFly);
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_DISABLED);

    EXPECT_EQ(key(GLFW_KEY_T, GLFW_RELEASE) + key(GLFW_KEY_T, GLFW_REPEAT), "");
    EXPECT_TRUE(rtr::RenderSettings.tessellation);
    EXPECT_EQ(key(GLFW_KEY_L, GLFW_PRESS, GLFW_MOD_SHIFT | GLFW_MOD_CONTROL),
              "Culling: activated\n");
    EXPECT_TRUE(rtr::RenderSettings.culling);
}

TEST_F(KeyCallback, NTogglesFreeFlightAndIsIgnoredWithoutACamera) {
    EXPECT_EQ(key(GLFW_KEY_N), "Activated free-fly camera.\n");
    EXPECT_TRUE(rtr::camera->freeFly);
    EXPECT_EQ(key(GLFW_KEY_N), "Deactivated free-fly camera.\n");
    EXPECT_FALSE(rtr::camera->freeFly);
    delete rtr::camera;
    rtr::camera = nullptr;
    EXPECT_EQ(key(GLFW_KEY_N), "");
}

TEST_F(KeyCallback, CReleasesTheCursorWhereItIsAndRecapturesItAtTheOrigin) {
    const auto cursor = [this] {
        glm::dvec2 position(-1.0, -1.0);
        glfwGetCursorPos(window, &position.x, &position.y);
        return position;
    };
    EXPECT_EQ(key(GLFW_KEY_C), "");
    EXPECT_FALSE(rtr::cursorCaptured);
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_NORMAL);
    glfwSetCursorPos(window, 100.0, 50.0);  // the user moves the free cursor
    glfwPollEvents();
    EXPECT_EQ(cursor(), glm::dvec2(100.0, 50.0));

    EXPECT_EQ(key(GLFW_KEY_C), "");
    EXPECT_TRUE(rtr::cursorCaptured);
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_DISABLED);
    EXPECT_EQ(cursor(), glm::dvec2(0.0, 0.0));
}

TEST(ScrollCallback, WheelChangesFovByATenthPerStepWithinLimits) {
    rtr::camera = new rtr::Camera(nullptr, 1.0f);
    const std::pair<double, float> steps[] = {
        {2.0, 0.8f}, {-3.0, 1.1f}, {-100.0, 2.0944f}, {100.0, 0.0698132f}};
    for (const auto& [offset, fov] : steps) {
        rtr::scrollCallback(nullptr, 0.0, offset);
        EXPECT_FLOAT_EQ(rtr::camera->fov, fov);
    }
    delete rtr::camera;
    rtr::camera = nullptr;
    rtr::scrollCallback(nullptr, 0.0, 1.0);  // before the camera exists: ignored
}

// The default input source reads a live window: in the captured cursor mode the cursor
// position is virtual, so the test can place it and see look() put it back.
TEST(Camera, LooksWithTheCursorOfARealWindow) {
    ASSERT_TRUE(testsupport::initGlfw());
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
    glm::dvec2 cursor(-1.0, -1.0);
    glfwGetCursorPos(window, &cursor.x, &cursor.y);
    EXPECT_EQ(cursor, glm::dvec2(0.0, 0.0));
    camera.move(1.0);  // no key is down
    EXPECT_EQ(camera.position, glm::vec3(0.0f));
    glfwDestroyWindow(window);
    glfwTerminate();
}

}  // namespace
