#pragma once

#include <memory>

#include "gpu/gl_name.h"
#include "render/frame_size.h"

namespace rtr {

class ShaderProgram;
namespace scene {
class Quad;
}

// Puts the finished frame into the window whatever size the window has. When the window's
// framebuffer is exactly the render size, the final pass draws straight into it; otherwise it
// draws into a colour target of the render size, which is then drawn, linearly filtered, into
// the largest centred rectangle of the same aspect, with black bars on the spare sides.
// Owns that target, its framebuffer and the program that draws it; needs a current context.
class FramePresenter {
  public:
    // Builds the presentFrame program from "../Shader/".
    FramePresenter();
    ~FramePresenter();

    // Binds where the final pass must draw for a window framebuffer of `window` pixels and sets
    // the viewport to the render size. The target is (re)made on first use at a new size.
    void beginFinalPass(PixelSize render, PixelSize window);
    // Draws the frame into the window with `quad` if beginFinalPass() drew off-screen; leaves
    // the window's framebuffer bound and texture unit 0 active.
    void present(scene::Quad& quad);

    // True while frames go through the off-screen target.
    bool scaling() const { return drawsOffScreen; }
    // The framebuffer that holds the last frame at its render size (0: the window's own).
    GLuint frameFramebuffer() const { return drawsOffScreen ? framebuffer.get() : 0; }

  private:
    void makeTarget(PixelSize size);
    void clearBars() const;

    GlFramebuffer framebuffer;  // declared before the texture, so it goes after it
    GlTexture colorTexture;
    std::unique_ptr<ShaderProgram> program;
    PixelSize targetSize;
    PixelSize windowSize;
    PixelRect shown;
    bool drawsOffScreen = false;
};

}  // namespace rtr
