#include "render/stage_viewer.h"

namespace rtr {

void StageViewer::upload(const RgbImage& picture) {
    const PixelSize size{picture.width, picture.height};
    if (size != textureSize) {
        texture = GlTexture::create();
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, size.width, size.height, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, nullptr);
        if (framebuffer == 0)
            framebuffer = GlFramebuffer::create();
        glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
        glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture,
                               0);
        textureSize = size;
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size.width, size.height, GL_RGB, GL_UNSIGNED_BYTE,
                    picture.rgb.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void StageViewer::show(const RgbImage& picture, PixelSize window) {
    upload(picture);
    const PixelRect shown = fitRect(textureSize, window);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glBlitFramebuffer(0, 0, textureSize.width, textureSize.height, shown.x, shown.y,
                      shown.x + shown.width, shown.y + shown.height, GL_COLOR_BUFFER_BIT,
                      GL_LINEAR);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
}

}  // namespace rtr
