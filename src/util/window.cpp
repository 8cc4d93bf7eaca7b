#include "util/window.h"

#include <iostream>

#include "app/globals.h"
#include "platform/console.h"

namespace rtr::util {

int Window::instanceCount = 0;

namespace {

// GLFW's own reason for a failure (no display, no suitable context) goes to standard error.
void printGlfwError(int code, const char* description) {
    std::cerr << "GLFW error 0x" << std::hex << code << std::dec << ": " << description
              << std::endl;
}

}  // namespace

Window::Window(std::string title) {
    GLFWmonitor* monitor = nullptr;
    if (instanceCount == 0) {
        glfwSetErrorCallback(printGlfwError);
        if (glfwInit() != GLFW_TRUE) {
            platform::fatalExit("Failed to init GLFW");
        }
        glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
        glfwWindowHint(GLFW_REFRESH_RATE, 60);
        monitor = windowed ? nullptr : glfwGetPrimaryMonitor();
    }
    window = glfwCreateWindow(windowWidth, windowHeight, title.c_str(), monitor, nullptr);
    if (window == nullptr) {
        glfwTerminate();
        platform::fatalExit("Failed to open window");
    }
    ++instanceCount;
    // Sticky keys keep a short press visible to the once-per-frame glfwGetKey polls.
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    glfwSetCursorPos(window, static_cast<double>(windowWidth / 2),
                     static_cast<double>(windowHeight / 2));
}

Window::~Window() {
    glfwDestroyWindow(window);
    --instanceCount;
    if (instanceCount <= 0) {
        glfwTerminate();
    }
}

}  // namespace rtr::util
