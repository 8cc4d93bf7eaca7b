#include "app/input.h"

#include <iostream>
#include <iterator>

#include "app/globals.h"
#include "app/overlay_panel.h"
#include "app/setting_keys.h"
#include "app/timeline.h"
#include "camera/camera.h"
#include "render/stage_pictures.h"

namespace rtr {

bool cursorCaptured = true;

namespace {

constexpr float widestFov = 2.0944f;
constexpr float narrowestFov = 0.0698132f;

void toggleFreeFly() {
    if (camera == nullptr) {
        return;
    }
    camera->freeFly = !camera->freeFly;
    std::cout << (camera->freeFly ? "Activated" : "Deactivated") << " free-fly camera."
              << std::endl;
}

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

void showStage(int view) {
    stageView = view;
    std::cerr << "Showing "
              << (view == 0 ? "the finished frame" : stagePictures[view - 1].caption) << std::endl;
}

// Keys for studying the show: they move its clock or pick what the window shows, and the show
// itself never reads them. Seeking and stepping go on while the key is held.
struct ViewerKey {
    int key;  // GLFW_KEY_*
    bool repeats;
    void (*act)();
};

const ViewerKey viewerKeys[] = {
    {GLFW_KEY_SPACE, false, [] { showTimeline.togglePause(); }},
    {GLFW_KEY_LEFT, true, [] { showTimeline.seek(totalTime - ShowTimeline::seekStep); }},
    {GLFW_KEY_RIGHT, true, [] { showTimeline.seek(totalTime + ShowTimeline::seekStep); }},
    {GLFW_KEY_PERIOD, true, [] { showTimeline.stepForward(); }},
    {GLFW_KEY_COMMA, true, [] { showTimeline.stepBack(); }},
    {GLFW_KEY_BACKSPACE, false, [] { showTimeline.restart(); }},
    {GLFW_KEY_0, false, [] { showStage(0); }},
    {GLFW_KEY_1, false, [] { showStage(1); }},
    {GLFW_KEY_2, false, [] { showStage(2); }},
    {GLFW_KEY_3, false, [] { showStage(3); }},
    {GLFW_KEY_4, false, [] { showStage(4); }},
    {GLFW_KEY_5, false, [] { showStage(5); }},
    {GLFW_KEY_6, false, [] { showStage(6); }},
    {GLFW_KEY_7, false, [] { showStage(7); }},
    {GLFW_KEY_8, false, [] { showStage(8); }},
};
static_assert(std::size(viewerKeys) == 7 + stagePictures.size(), "a key for every picture");

bool actOnViewerKey(int key, int action) {
    for (const ViewerKey& entry : viewerKeys) {
        if (entry.key == key && (action == GLFW_PRESS || (entry.repeats && action == GLFW_REPEAT))) {
            entry.act();
            return true;
        }
    }
    return false;
}

// The panel wants the pointer: showing it frees a captured cursor, and hiding it captures the
// cursor again for mouse look.
void togglePanel(GLFWwindow* window) {
    static bool recapture = false;
    if (overlayPanel == nullptr)
        return;
    overlayPanel->toggle();
    if (overlayPanel->visible() && cursorCaptured) {
        toggleCursorCapture(window);
        recapture = true;
    } else if (!overlayPanel->visible() && recapture) {
        if (!cursorCaptured)
            toggleCursorCapture(window);
        recapture = false;
    }
}

}  // namespace

void keyCallback(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/) {
    if (actOnViewerKey(key, action) || action != GLFW_PRESS) {
        return;
    }
    switch (key) {
        case GLFW_KEY_C:
            toggleCursorCapture(window);
            break;
        case GLFW_KEY_N:
            toggleFreeFly();
            break;
        case GLFW_KEY_F1:
            togglePanel(window);
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
    if (fov > widestFov) {
        fov = widestFov;
    } else if (fov < narrowestFov) {
        fov = narrowestFov;
    }
    camera->fov = fov;
}

void framebufferSizeCallback(GLFWwindow* /*window*/, int width, int height) {
    framebufferSize = PixelSize{width, height};
}

}  // namespace rtr
