#include "render/render_target.h"

namespace rtr {

void setSampling(GLint filter, GLint wrap) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
}

GlTexture createTarget(const TargetFormat& format, PixelSize size, GLint filter) {
    GlTexture texture = GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, format.internalFormat, size.width, size.height, 0, format.format,
                 format.type, nullptr);
    setSampling(filter, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, format.attachment, GL_TEXTURE_2D, texture, 0);
    return texture;
}

}  // namespace rtr
