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
    totalTime += deltaT;
    ++frames;
    update(deltaT);
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

std::vector<unsigned char> readBackBufferRgb(int x, int y, int width, int height) {
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

}  // namespace rtr
