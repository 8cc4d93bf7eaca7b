#pragma once

#include <GLFW/glfw3.h>

namespace rtr {

// Whether the cursor is hidden and held for mouse look; start-up captures it.
extern bool cursorCaptured;

// Frees a captured cursor, or captures a free one for mouse look.
void toggleCursorCapture(GLFWwindow* window);

// Key presses toggle render settings, free flight and the cursor capture; each settings
// change is reported on the console. The viewer's keys pause, seek, step and restart the show
// and pick the stage picture the window shows (reported on standard error only). Releases are
// ignored, and auto-repeats but for seeking and stepping.
void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);

// The wheel narrows or widens the camera's field of view within about 4 to 120 degrees.
void scrollCallback(GLFWwindow* window, double xoffset, double yoffset);

// Keeps `framebufferSize` current: window managers, maximising, fullscreen modes and HiDPI
// scaling all give the window a framebuffer other than the size it asked for.
void framebufferSizeCallback(GLFWwindow* window, int width, int height);

}  // namespace rtr
