#include "gpu/gl_name.h"

#include <GLFW/glfw3.h>

namespace rtr {

bool glContextCurrent() {
    return glfwGetCurrentContext() != nullptr;
}

}  // namespace rtr
