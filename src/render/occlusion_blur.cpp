#include "render/occlusion_blur.h"

#include "gpu/shader_program.h"
#include "render/render_target.h"
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
    constexpr TargetFormat blurredFormat{GL_R32F, GL_RED, GL_FLOAT, GL_COLOR_ATTACHMENT0};
    GLint previous = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previous);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    blurredTexture = createTarget(blurredFormat, size, GL_NEAREST);
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
