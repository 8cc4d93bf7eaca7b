#include "render/frame_presenter.h"

#include "gpu/shader_program.h"
#include "render/render_target.h"
#include "scene/quad.h"

namespace rtr {

FramePresenter::FramePresenter() : program(linkedFileProgram("presentFrame")) {
    setSamplerUnit(*program, "frame", 0);
}

// Out of line, where ShaderProgram is complete.
FramePresenter::~FramePresenter() = default;

void FramePresenter::makeTarget(PixelSize size) {
    // Eight bits a channel, like the window: the scaled frame is filtered from the very values
    // a window of the render size would have shown.
    constexpr TargetFormat frameFormat{GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, GL_COLOR_ATTACHMENT0};
    if (framebuffer == 0)
        framebuffer = GlFramebuffer::create();
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    colorTexture = createTarget(frameFormat, size, GL_LINEAR);
    targetSize = size;
}

void FramePresenter::beginFinalPass(PixelSize render, PixelSize window) {
    windowSize = window;
    drawsOffScreen = render != window;
    if (drawsOffScreen) {
        if (targetSize != render)
            makeTarget(render);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
        shown = fitRect(render, window);
    } else {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        shown = PixelRect{0, 0, render.width, render.height};
    }
    glViewport(0, 0, render.width, render.height);
}

// Only the bars are cleared: the frame covers the rest, and on a software rasteriser a clear
// of the whole window costs as much as drawing the frame into it.
void FramePresenter::clearBars() const {
    const bool besides = shown.width < windowSize.width;
    const PixelRect first = besides ? PixelRect{0, 0, shown.x, windowSize.height}
                                    : PixelRect{0, 0, windowSize.width, shown.y};
    const PixelRect second =
        besides ? PixelRect{shown.x + shown.width, 0, windowSize.width - shown.x - shown.width,
                            windowSize.height}
                : PixelRect{0, shown.y + shown.height, windowSize.width,
                            windowSize.height - shown.y - shown.height};
    glEnable(GL_SCISSOR_TEST);
    for (const PixelRect& bar : {first, second}) {
        if (bar.width <= 0 || bar.height <= 0)
            continue;
        glScissor(bar.x, bar.y, bar.width, bar.height);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
}

void FramePresenter::present(scene::Quad& quad) {
    if (!drawsOffScreen)
        return;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    clearBars();
    glViewport(shown.x, shown.y, shown.width, shown.height);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, colorTexture);
    program->use();
    quad.draw();
}

}  // namespace rtr
