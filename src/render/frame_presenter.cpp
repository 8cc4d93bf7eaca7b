#include "render/frame_presenter.h"

namespace rtr {

void FramePresenter::makeTarget(PixelSize size) {
    colorTexture = GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, colorTexture);
    // Eight bits a channel, like the window: the scaled frame carries the same values the
    // window would have held.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, size.width, size.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (framebuffer == 0)
        framebuffer = GlFramebuffer::create();
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colorTexture,
                           0);
    targetSize = size;
}

void FramePresenter::beginFinalPass(PixelSize render, PixelSize window) {
    renderSize = render;
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

void FramePresenter::present() {
    if (!drawsOffScreen)
        return;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, windowSize.width, windowSize.height);
    // The bars: whatever the window held before (a larger frame, garbage after a resize) goes.
    glClear(GL_COLOR_BUFFER_BIT);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glBlitFramebuffer(0, 0, renderSize.width, renderSize.height, shown.x, shown.y,
                      shown.x + shown.width, shown.y + shown.height, GL_COLOR_BUFFER_BIT,
                      GL_LINEAR);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
}

}  // namespace rtr
