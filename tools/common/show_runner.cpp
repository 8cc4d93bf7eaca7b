#include "common/show_runner.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <iostream>

#include "app/gl_error.h"
#include "app/globals.h"
#include "camera/update.h"
#include "render/frame_presenter.h"
#include "render/render_passes.h"
#include "util/window.h"

namespace rtr {

ShowRunner::ShowRunner(double frameTime) : deltaT(frameTime) {
    totalTime = 0.0;
}

double ShowRunner::time() const {
    return totalTime;
}

int ShowRunner::step(bool draw, std::vector<unsigned char>* capture) {
    glfwPollEvents();
    // Accumulate like the demo's clock does, so window bounds are hit or missed the same way.
    const double frameTime = nextFrameEnd ? *nextFrameEnd - totalTime : deltaT;
    totalTime = nextFrameEnd ? *nextFrameEnd : totalTime + deltaT;
    nextFrameEnd.reset();
    ++frames;
    update(frameTime);
    if (draw) {
        render();
        if (overlay)
            overlay();
        if (capture != nullptr) {
            *capture = readFrameRgb();
        }
        glfwSwapBuffers(mainWindow->window);
    }
    int errors = 0;
    reportGlErrors(
        "General GL Error Checking",
        [&errors] {
            const GLenum code = glGetError();
            errors += code != GL_NO_ERROR;
            return code;
        },
        std::cout);
    return errors;
}

}  // namespace rtr
