#include "explore/viewer_keys.h"

#include <iostream>
#include <iterator>

#include "app/globals.h"
#include "app/input.h"
#include "explore/overlay_panel.h"
#include "explore/shader_reload.h"
#include "explore/timeline.h"
#include "explore/view_command.h"
#include "render/stage_pictures.h"

namespace rtr {

namespace {

void showStage(int view) {
    stageView = view;
    std::cerr << "Showing " << (view == 0 ? "the finished frame" : stagePictures[view - 1].caption)
              << std::endl;
}

// The panel wants the pointer: showing it frees a captured cursor, and hiding it captures the
// cursor again for mouse look.
void togglePanel(GLFWwindow* window) {
    static bool recapture = false;
    if (overlayPanel == nullptr)
        return;
    overlayPanel->toggle();
    mouseLookPaused = overlayPanel->visible();
    if (overlayPanel->visible() && cursorCaptured) {
        toggleCursorCapture(window);
        recapture = true;
    } else if (!overlayPanel->visible() && recapture) {
        if (!cursorCaptured)
            toggleCursorCapture(window);
        recapture = false;
    }
}

// Keys for studying the show: they move its clock or pick what the window shows, and the show
// itself never reads them. Seeking and stepping go on while the key is held.
struct ViewerKey {
    int key;  // GLFW_KEY_*
    bool repeats;
    void (*act)(GLFWwindow* window);
};

const ViewerKey viewerKeys[] = {
    {GLFW_KEY_SPACE, false, [](GLFWwindow*) { showTimeline.togglePause(); }},
    {GLFW_KEY_LEFT, true,
     [](GLFWwindow*) { showTimeline.seek(totalTime - ShowTimeline::seekStep); }},
    {GLFW_KEY_RIGHT, true,
     [](GLFWwindow*) { showTimeline.seek(totalTime + ShowTimeline::seekStep); }},
    {GLFW_KEY_PERIOD, true, [](GLFWwindow*) { showTimeline.stepForward(); }},
    {GLFW_KEY_COMMA, true, [](GLFWwindow*) { showTimeline.stepBack(); }},
    {GLFW_KEY_BACKSPACE, false, [](GLFWwindow*) { showTimeline.restart(); }},
    {GLFW_KEY_0, false, [](GLFWwindow*) { showStage(0); }},
    {GLFW_KEY_1, false, [](GLFWwindow*) { showStage(1); }},
    {GLFW_KEY_2, false, [](GLFWwindow*) { showStage(2); }},
    {GLFW_KEY_3, false, [](GLFWwindow*) { showStage(3); }},
    {GLFW_KEY_4, false, [](GLFWwindow*) { showStage(4); }},
    {GLFW_KEY_5, false, [](GLFWwindow*) { showStage(5); }},
    {GLFW_KEY_6, false, [](GLFWwindow*) { showStage(6); }},
    {GLFW_KEY_7, false, [](GLFWwindow*) { showStage(7); }},
    {GLFW_KEY_8, false, [](GLFWwindow*) { showStage(8); }},
    {GLFW_KEY_F1, false, togglePanel},
    {GLFW_KEY_F2, false, tellViewCommand},
    {GLFW_KEY_F5, false, [](GLFWwindow*) { shaderReloader.reloadAll(); }},
};
static_assert(std::size(viewerKeys) == 10 + stagePictures.size(), "a key for every picture");

}  // namespace

void tellViewCommand(GLFWwindow* window) {
    const std::string command = viewCommand();
    std::cerr << command << std::endl;
    glfwSetClipboardString(window, command.c_str());
}

bool actOnViewerKey(GLFWwindow* window, int key, int action) {
    for (const ViewerKey& entry : viewerKeys) {
        if (entry.key == key &&
            (action == GLFW_PRESS || (entry.repeats && action == GLFW_REPEAT))) {
            entry.act(window);
            return true;
        }
    }
    return false;
}

}  // namespace rtr
