#include "explore/stage_viewer.h"

#include "render/render_target.h"

namespace rtr {

void StageViewer::upload(const RgbImage& picture) {
    const PixelSize size{picture.width, picture.height};
    if (size != textureSize) {
        constexpr TargetFormat pictureFormat{GL_RGB8, GL_RGB, GL_UNSIGNED_BYTE,
                                             GL_COLOR_ATTACHMENT0};
        if (framebuffer == 0)
            framebuffer = GlFramebuffer::create();
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
        texture = createTarget(pictureFormat, size, GL_LINEAR);
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
