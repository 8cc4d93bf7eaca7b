#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <string>

#include "app/globals.h"
#include "app/input.h"
#include "camera/camera.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// A visible window with the cursor captured as start-up leaves it. Visible, because GLFW only
// moves the cursor of a focused window.
class KeyCallback : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
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

    // Presses (or releases, or repeats) a key and returns what was printed.
    std::string key(int code, int action = GLFW_PRESS, int mods = 0) {
        CaptureStdout();
        rtr::keyCallback(window, code, 0, action, mods);
        return GetCapturedStdout();
    }

    glm::dvec2 cursor() const {
        glm::dvec2 position(-1.0, -1.0);
        glfwGetCursorPos(window, &position.x, &position.y);
        return position;
    }

    GLFWwindow* window = nullptr;
};

// G from the start: "Shadows: deactivated", then "Shadows: activated", and shadows are on again.
TEST_F(KeyCallback, EachSettingKeyTogglesItsFlagAndReportsTheNewState) {
    struct Case {
        int code;
        bool* flag;
        std::string name;
    };
    const Case cases[] = {
        {GLFW_KEY_G, &rtr::RenderSettings.shadows, "Shadows"},
        {GLFW_KEY_L, &rtr::RenderSettings.culling, "Culling"},
        {GLFW_KEY_P, &rtr::RenderSettings.wireframe, "Wireframemode"},
        {GLFW_KEY_T, &rtr::RenderSettings.tessellation, "Tessellation"},
    };
    for (const Case& c : cases) {
        const bool initial = *c.flag;
        const std::string first = key(c.code);
        EXPECT_EQ(*c.flag, !initial) << c.name;
        const std::string second = key(c.code);
        EXPECT_EQ(*c.flag, initial) << c.name;
        EXPECT_EQ(first + second, initial ? c.name + ": deactivated\n" + c.name + ": activated\n"
                                          : c.name + ": activated\n" + c.name + ": deactivated\n");
    }
}

TEST_F(KeyCallback, NTogglesFreeFlight) {
    EXPECT_EQ(key(GLFW_KEY_N), "Activated free-fly camera.\n");
    EXPECT_TRUE(rtr::camera->freeFly);
    EXPECT_EQ(key(GLFW_KEY_N), "Deactivated free-fly camera.\n");
    EXPECT_FALSE(rtr::camera->freeFly);

    delete rtr::camera;
    rtr::camera = nullptr;
    EXPECT_EQ(key(GLFW_KEY_N), "");
}

TEST_F(KeyCallback, OnlyPressesCountAndModifiersDoNotMatter) {
    EXPECT_EQ(key(GLFW_KEY_T, GLFW_RELEASE), "");
    EXPECT_EQ(key(GLFW_KEY_T, GLFW_REPEAT), "");
    EXPECT_TRUE(rtr::RenderSettings.tessellation);
    // Holding T: one press, then auto-repeats and the release.
    std::string held;
    for (int action : {GLFW_PRESS, GLFW_REPEAT, GLFW_REPEAT, GLFW_RELEASE}) {
        held += key(GLFW_KEY_T, action);
    }
    EXPECT_EQ(held, "Tessellation: deactivated\n");
    EXPECT_EQ(key(GLFW_KEY_L, GLFW_PRESS, GLFW_MOD_SHIFT | GLFW_MOD_CONTROL),
              "Culling: activated\n");
}

TEST_F(KeyCallback, OtherKeysChangeNothing) {
    std::string printed;
    for (int code : {GLFW_KEY_H, GLFW_KEY_O, GLFW_KEY_W, GLFW_KEY_ESCAPE, GLFW_KEY_UNKNOWN}) {
        printed += key(code);
    }
    EXPECT_EQ(printed, "");
    const rtr::RenderSettingsRecord defaults;
    EXPECT_EQ(rtr::RenderSettings.shadows, defaults.shadows);
    EXPECT_EQ(rtr::RenderSettings.culling, defaults.culling);
    EXPECT_EQ(rtr::RenderSettings.wireframe, defaults.wireframe);
    EXPECT_EQ(rtr::RenderSettings.tessellation, defaults.tessellation);
    EXPECT_FALSE(rtr::camera->freeFly);
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_DISABLED);
}

TEST_F(KeyCallback, CReleasesTheCursorAndRecapturesItAtTheOrigin) {
    EXPECT_EQ(key(GLFW_KEY_C), "");
    EXPECT_FALSE(rtr::cursorCaptured);
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_NORMAL);

    // The free cursor goes wherever the user moves it.
    glfwSetCursorPos(window, 100.0, 50.0);
    glfwPollEvents();
    EXPECT_EQ(cursor(), glm::dvec2(100.0, 50.0));

    EXPECT_EQ(key(GLFW_KEY_C), "");
    EXPECT_TRUE(rtr::cursorCaptured);
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_DISABLED);
    EXPECT_EQ(cursor(), glm::dvec2(0.0, 0.0));
}

TEST(ScrollCallback, WheelChangesFovByATenthPerStepWithinLimits) {
    rtr::camera = new rtr::Camera(nullptr, 1.0f);
    rtr::scrollCallback(nullptr, 0.0, 2.0);
    EXPECT_FLOAT_EQ(rtr::camera->fov, 0.8f);
    rtr::scrollCallback(nullptr, 0.0, -3.0);
    EXPECT_FLOAT_EQ(rtr::camera->fov, 1.1f);
    rtr::scrollCallback(nullptr, 0.0, -100.0);
    EXPECT_FLOAT_EQ(rtr::camera->fov, 2.0944f);
    rtr::scrollCallback(nullptr, 0.0, 100.0);
    EXPECT_FLOAT_EQ(rtr::camera->fov, 0.0698132f);
    delete rtr::camera;
    rtr::camera = nullptr;
    rtr::scrollCallback(nullptr, 0.0, 1.0);  // before the camera exists: ignored
}

}  // namespace
