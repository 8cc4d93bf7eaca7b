#include "render/gbuffer.h"

#include "render/render_target.h"

#include <random>

namespace rtr {

namespace {

constexpr int kernelSize = 64;
constexpr int noiseSize = 16;

constexpr TargetFormat positionDepthFormat{GL_RGBA32F, GL_RGBA, GL_FLOAT, GL_COLOR_ATTACHMENT0};
constexpr TargetFormat normalFormat{GL_RGB32F, GL_RGB, GL_FLOAT, GL_COLOR_ATTACHMENT1};
constexpr TargetFormat albedoFormat{GL_RGB, GL_RGBA, GL_UNSIGNED_BYTE, GL_COLOR_ATTACHMENT2};
constexpr TargetFormat hdrColorFormat{GL_RGB32F, GL_RGB, GL_FLOAT, GL_COLOR_ATTACHMENT3};
constexpr TargetFormat ssaoFormat{GL_RED, GL_RGB, GL_FLOAT, GL_COLOR_ATTACHMENT4};
constexpr TargetFormat depthStencilFormat{GL_DEPTH_STENCIL, GL_DEPTH_STENCIL, GL_UNSIGNED_INT_24_8,
                                          GL_DEPTH_STENCIL_ATTACHMENT};

// A uniform float in [min, max) from one 32-bit engine output, done by hand so the values do
// not depend on the standard library's distribution algorithm.
class UniformFloat {
  public:
    UniformFloat(float min, float max) : min(min), range(max - min) {}
    float operator()(std::mt19937& engine) const {
        const float u = static_cast<float>(engine()) / 4294967296.0f;
        return u * range + min;
    }

  private:
    float min;
    float range;
};

float lerp(float a, float b, float f) {
    return a + f * (b - a);
}

glm::vec3 kernelSample(int i, std::mt19937& engine) {
    const UniformFloat depth(0.1f, 1.0f);
    const UniformFloat spread(0.1f, 0.9f);
    // Separate statements fix the order of the draws.
    const float z = depth(engine);
    const float y = 2.0f * spread(engine) - 1.0f;
    const float x = 2.0f * spread(engine) - 1.0f;
    glm::vec3 sample = glm::normalize(glm::vec3(x, y, z));
    sample *= spread(engine);
    // Crowd the samples near the centre: scale from 0.1 to 1.0 by the square of i / 64.
    const float s = static_cast<float>(i) / static_cast<float>(kernelSize);
    sample *= lerp(0.1f, 1.0f, s * s);
    return sample;
}

glm::vec3 noiseVector(std::mt19937& engine) {
    const UniformFloat spread(0.1f, 0.9f);
    const float y = 2.0f * spread(engine) - 1.0f;
    const float x = 2.0f * spread(engine) - 1.0f;
    return glm::vec3(x, y, 0.0f);
}

}  // namespace

SsaoSamples makeSsaoSamples() {
    std::mt19937 engine;
    SsaoSamples samples;
    samples.kernel.reserve(kernelSize);
    for (int i = 0; i < kernelSize; ++i) {
        samples.kernel.push_back(kernelSample(i, engine));
    }
    samples.noise.reserve(noiseSize);
    for (int k = 0; k < noiseSize; ++k) {
        samples.noise.push_back(noiseVector(engine));
    }
    return samples;
}

GBuffer::GBuffer(PixelSize size) {
    framebuffer = GlFramebuffer::create();
    resize(size);
    SsaoSamples samples = makeSsaoSamples();
    ssaoKernel = std::move(samples.kernel);
    createNoiseTexture(samples.noise);
}

void GBuffer::resize(PixelSize newSize) {
    size = newSize;
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    positionDepthTexture = createTarget(positionDepthFormat, size, GL_NEAREST);
    normalTexture = createTarget(normalFormat, size, GL_NEAREST);
    albedoTexture = createTarget(albedoFormat, size, GL_NEAREST);
    hdrColorTexture = createTarget(hdrColorFormat, size, GL_NEAREST);
    ssaoTexture = createTarget(ssaoFormat, size, GL_NEAREST);
    depthStencilTexture = createTarget(depthStencilFormat, size, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    // Drawing goes back to the window; the read binding stays on the G-buffer.
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
}

std::vector<glm::vec3> GBuffer::getSsaoKernel() const {
    return ssaoKernel;
}

void GBuffer::createNoiseTexture(const std::vector<glm::vec3>& noise) {
    noiseTexture = GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, noiseTexture);
    // Vector k lands in column k mod 4, row k div 4.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB32F, 4, 4, 0, GL_RGB, GL_FLOAT, noise.data());
    setSampling(GL_NEAREST, GL_REPEAT);
}

}  // namespace rtr
