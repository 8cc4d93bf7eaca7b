#include "app/input.h"

#include <iostream>

#include "app/globals.h"
#include "app/setting_keys.h"
#include "camera/camera.h"
#include "explore/overlay_panel.h"
#include "explore/viewer_keys.h"

namespace rtr {

bool cursorCaptured = true;

namespace {

void toggleFreeFly() {
    if (camera == nullptr) {
        return;
    }
    camera->freeFly = !camera->freeFly;
    std::cout << (camera->freeFly ? "Activated" : "Deactivated") << " free-fly camera."
              << std::endl;
}

}  // namespace

void toggleCursorCapture(GLFWwindow* window) {
    if (cursorCaptured) {
        glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
        cursorCaptured = false;
        return;
    }
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    // Mouse look measures movement from the origin, so a recaptured cursor starts there.
    glfwSetCursorPos(window, 0.0, 0.0);
    cursorCaptured = true;
}

void keyCallback(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/) {
    if (actOnViewerKey(window, key, action) || action != GLFW_PRESS) {
        return;
    }
    switch (key) {
        case GLFW_KEY_C:
            toggleCursorCapture(window);
            break;
        case GLFW_KEY_N:
            toggleFreeFly();
            break;
        default:
            if (const SettingKey* setting = findSettingKey(key, KeyMoment::press))
                std::cout << applySettingKey(*setting, RenderSettings) << std::endl;
            break;
    }
}

void scrollCallback(GLFWwindow* /*window*/, double /*xoffset*/, double yoffset) {
    // Scrolling over the panel is the panel's.
    if (camera == nullptr || (overlayPanel != nullptr && overlayPanel->wantsMouse())) {
        return;
    }
    float fov = camera->fov - static_cast<float>(yoffset) / 10.0f;
    if (fov > Camera::widestFov) {
        fov = Camera::widestFov;
    } else if (fov < Camera::narrowestFov) {
        fov = Camera::narrowestFov;
    }
    camera->fov = fov;
}

void framebufferSizeCallback(GLFWwindow* /*window*/, int width, int height) {
    framebufferSize = PixelSize{width, height};
}

}  // namespace rtr
