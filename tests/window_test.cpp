#include <gtest/gtest.h>

#include <GL/glew.h>

#include <cstring>

#include "app/globals.h"
#include "app/startup.h"
#include "util/window.h"

namespace {

TEST(Window, OpensTitledCoreContextWithStickyKeysAndCentredCursor) {
    rtr::useDemoWindowSettings(true);
    auto* window = new rtr::util::Window("Lumavex - VORNE.X");
    ASSERT_NE(window->window, nullptr);
    EXPECT_EQ(rtr::util::Window::instanceCount, 1);

    int w = 0, h = 0;
    glfwGetWindowSize(window->window, &w, &h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    EXPECT_EQ(glfwGetWindowAttrib(window->window, GLFW_CONTEXT_VERSION_MAJOR), 4);
    EXPECT_EQ(glfwGetWindowAttrib(window->window, GLFW_OPENGL_PROFILE), GLFW_OPENGL_CORE_PROFILE);
    EXPECT_EQ(glfwGetInputMode(window->window, GLFW_STICKY_KEYS), GLFW_TRUE);
    EXPECT_EQ(glfwGetInputMode(window->window, GLFW_CURSOR), GLFW_CURSOR_HIDDEN);
    double x = 0, y = 0;
    glfwPollEvents();
    glfwGetCursorPos(window->window, &x, &y);
    EXPECT_DOUBLE_EQ(x, 512.0);
    EXPECT_DOUBLE_EQ(y, 384.0);

    glfwMakeContextCurrent(window->window);
    glewExperimental = GL_TRUE;
    ASSERT_EQ(glewInit(), static_cast<GLenum>(GLEW_OK));
    GLint profile = 0;
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
    EXPECT_TRUE(profile & GL_CONTEXT_CORE_PROFILE_BIT);

    delete window;
    EXPECT_EQ(rtr::util::Window::instanceCount, 0);
}

}  // namespace
