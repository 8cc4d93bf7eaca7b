#pragma once

#include <GLFW/glfw3.h>

#include <string>

namespace rtr::util {

// The program's one GLFW window; the first instance initialises GLFW, the last terminates it.
class Window {
  public:
    explicit Window(std::string title);
    virtual ~Window();

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    GLFWwindow* window = nullptr;

    static int instanceCount;
};

}  // namespace rtr::util
