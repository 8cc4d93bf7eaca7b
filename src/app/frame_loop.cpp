#include "app/frame_loop.h"

#include <GLFW/glfw3.h>

#include <iostream>

#include "app/gl_error.h"
#include "app/globals.h"
#include "app/startup.h"
#include "camera/update.h"
#include "explore/shader_reload.h"
#include "explore/timeline.h"
#include "explore/viewer.h"
#include "render/frame_presenter.h"
#include "render/render_passes.h"
#include "util/window.h"

namespace rtr {

namespace {

// While minimised there is nothing to swap, so nothing paces the loop: wait for events instead
// of spinning, but not so long that the music's fades and the show lag behind.
constexpr double kMinimisedWait = 1.0 / 30.0;

// Tells the viewer once why the picture does not fill the window pixel for pixel.
void reportScaling() {
    static bool told = false;
    if (told || !framePresenter->scaling())
        return;
    told = true;
    std::cerr << "The window's framebuffer is " << framebufferSize.width << " x "
              << framebufferSize.height << " pixels: the " << renderSize.width << " x "
              << renderSize.height
              << " frame is scaled to fit it (--native renders at the window's own size)."
              << std::endl;
}

}  // namespace

void drawWindowContents(StageTimer* timer) {
    if (timer != nullptr)
        timer->renderTimed();
    else
        render();
    showPickedStage(framebufferSize);
}

void followFramebufferSize() {
    const PixelSize wanted = renderSizeFor(framebufferSize);
    if (wanted == renderSize)
        return;
    resizeRenderTargets(wanted);
    std::cerr << "Rendering at " << wanted.width << " x " << wanted.height << " pixels."
              << std::endl;
}

FrameLoop::FrameLoop()
    : lastTime(glfwGetTime()), panel(std::make_unique<OverlayPanel>(mainWindow->window)) {
    stageTimes.fill(-1.0);
    overlayPanel = panel.get();
    shaderReloader.rememberFiles();
    totalTime = 0.0;
}

FrameLoop::~FrameLoop() {
    overlayPanel = nullptr;
}

void FrameLoop::drawFrame(double frameSeconds) {
    followFramebufferSize();
    const bool panelShown = panel->visible();
    if (panelShown)
        stageTimer.pollTimes(stageTimes);
    drawWindowContents(panelShown ? &stageTimer : nullptr);
    if (panelShown)
        carryOut(panel->draw(panelModelNow(frameSeconds, stageTimes), RenderSettings));
    glfwSwapBuffers(mainWindow->window);
    reportScaling();
}

bool FrameLoop::step() {
    GLFWwindow* window = mainWindow->window;
    glfwPollEvents();
    const double now = glfwGetTime();
    const double deltaT = now - lastTime;
    lastTime = now;
    if (showTimeline.takeRunsThisFrame()) {
        totalTime += deltaT;
        update(deltaT);
    } else {
        updateControls(deltaT);
    }
    shaderReloader.poll();
    // Minimised: no framebuffer to draw into, but the show and its music go on.
    if (framebufferSize.empty())
        glfwWaitEventsTimeout(kMinimisedWait);
    else
        drawFrame(deltaT);

    bool goOn = true;
    if (glfwGetKey(window, GLFW_KEY_ESCAPE) == GLFW_PRESS) {
        goOn = false;
    } else if (glfwWindowShouldClose(window)) {
        goOn = false;
    }
    checkGlError("General GL Error Checking");
    return goOn;
}

void runFrameLoop() {
    // The clock starts after start-up so loading time never becomes one huge first frame.
    FrameLoop loop;
    while (loop.step()) {
    }
}

}  // namespace rtr
