#include "render/occlusion_blur.h"

#include "gpu/shader_program.h"
#include "scene/quad.h"

namespace rtr {

OcclusionBlur::OcclusionBlur(PixelSize size) {
    framebuffer = GlFramebuffer::create();
    resize(size);

    program = linkedFileProgram("ssaoBlur");
    setSamplerUnit(*program, "gSSAO", 0);
}

void OcclusionBlur::resize(PixelSize size) {
    // Single-channel float: the blurred value reaches the light shader exactly as computed.
    blurredTexture = GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, blurredTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R32F, size.width, size.height, 0, GL_RED, GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);

    GLint previous = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previous);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, blurredTexture,
                           0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(previous));
}

// Out of line, where ShaderProgram is complete.
OcclusionBlur::~OcclusionBlur() = default;

void OcclusionBlur::apply(GLuint ssaoTexture, scene::Quad& quad) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, ssaoTexture);
    program->use();
    quad.draw();
}

}  // namespace rtr
