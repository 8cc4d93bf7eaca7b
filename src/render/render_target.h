#pragma once

#include "gpu/gl_name.h"
#include "render/frame_size.h"

namespace rtr {

// How a texture a pass renders into is stored and where it is attached.
struct TargetFormat {
    GLint internalFormat;
    GLenum format;
    GLenum type;
    GLenum attachment;
};

// Filtering and wrapping of the bound 2D texture.
void setSampling(GLint filter, GLint wrap);

// A texture of `size` in `format`, sampled with `filter` and clamped at its edges, attached to
// the draw framebuffer bound now.
GlTexture createTarget(const TargetFormat& format, PixelSize size, GLint filter);

}  // namespace rtr
