#pragma once

#include "gpu/gl_name.h"
#include "render/frame_size.h"
#include "render/stage_images.h"

namespace rtr {

// Shows a stage picture in the window in place of the finished frame: centred, as large as the
// window allows at the picture's own aspect, pixel for pixel when the sizes match.
// Owns the texture the picture is uploaded to and the framebuffer it is copied from.
class StageViewer {
  public:
    void show(const RgbImage& picture, PixelSize window);

  private:
    void upload(const RgbImage& picture);

    GlFramebuffer framebuffer;  // declared before the texture, so it goes after it
    GlTexture texture;
    PixelSize textureSize;
};

}  // namespace rtr
