#pragma once

#include "gpu/gl_name.h"
#include "render/frame_size.h"

namespace rtr {

// Puts the finished frame into the window whatever size the window has. When the window's
// framebuffer is exactly the render size, the final pass draws straight into it, as it always
// did; otherwise it draws into a colour target of the render size, which is then scaled into
// the largest centred rectangle of the same aspect, with black bars on the spare sides.
// Owns that target and its framebuffer; needs a current context for its whole life.
class FramePresenter {
  public:
    // Binds where the final pass must draw for a window framebuffer of `window` pixels and sets
    // the viewport to the render size. The target is (re)made on first use at a new size.
    void beginFinalPass(PixelSize render, PixelSize window);
    // Scales the frame into the window if beginFinalPass() drew off-screen; leaves the window's
    // framebuffer bound for drawing and reading.
    void present();

    // True while frames go through the off-screen target.
    bool scaling() const { return drawsOffScreen; }
    // Where the last frame landed in the window.
    PixelRect placement() const { return shown; }
    // The framebuffer that holds the last frame at its render size (0: the window's own).
    GLuint frameFramebuffer() const { return drawsOffScreen ? framebuffer.get() : 0; }

  private:
    void makeTarget(PixelSize size);

    GlFramebuffer framebuffer;  // declared before the texture, so it goes after it
    GlTexture colorTexture;
    PixelSize targetSize;
    PixelSize renderSize;
    PixelSize windowSize;
    PixelRect shown;
    bool drawsOffScreen = false;
};

}  // namespace rtr
