#pragma once

#include <GLFW/glfw3.h>

namespace rtr {

// The viewer's keys for studying the show: they move its clock, pick what the window shows and
// show or hide the panel; the show itself never reads them. What they do is reported on
// standard error only. Returns whether `key` was one of them (the program's own keys are then
// left alone).
bool actOnViewerKey(GLFWwindow* window, int key, int action);

// Writes the capture command that renders the view on screen to standard error and puts it on
// the clipboard.
void tellViewCommand(GLFWwindow* window);

}  // namespace rtr
