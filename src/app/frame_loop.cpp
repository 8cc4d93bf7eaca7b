#include "app/frame_loop.h"

#include <GLFW/glfw3.h>

#include "app/gl_error.h"
#include "app/globals.h"
#include "camera/update.h"
#include "render/render_passes.h"
#include "util/window.h"

namespace rtr {

void runFrameLoop() {
    GLFWwindow* window = mainWindow->window;
    // The clock starts after start-up so loading time never becomes one huge first frame.
    double lastTime = glfwGetTime();
    totalTime = 0.0;
    bool goOn = true;
    while (goOn) {
        glfwPollEvents();
        const double now = glfwGetTime();
        const double deltaT = now - lastTime;
        lastTime = now;
        totalTime += deltaT;

        update(deltaT);
        render();
        glfwSwapBuffers(window);

        if (glfwGetKey(window, GLFW_KEY_ESCAPE) == GLFW_PRESS) {
            goOn = false;
        } else if (glfwWindowShouldClose(window)) {
            goOn = false;
        }
        checkGlError("General GL Error Checking");
    }
}

}  // namespace rtr
