// The frame in windows of other sizes, on the real start-up: scaled into a centred 4:3
// rectangle by default, rendered at the framebuffer's own size with --native, and skipped while
// the framebuffer is empty. Everything is checked on what the GPU wrote.
#include <gtest/gtest.h>

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/frame_loop.h"
#include "app/globals.h"
#include "app/input.h"
#include "camera/update.h"
#include "common/show_runner.h"
#include "render/frame_size.h"
#include "render/gbuffer.h"
#include "render/occlusion_blur.h"
#include "render/render_passes.h"
#include "support/demo_harness.h"
#include "support/gl_context.h"
#include "util/window.h"

namespace {

using rtr::PixelRect;
using rtr::PixelSize;

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// The 1024 x 768 RGB image (bottom row first) sampled bilinearly at pixel coordinates (x, y),
// texel centres at half-integers, edges clamped.
Rgb bilinear(const std::vector<unsigned char>& rgb, double x, double y) {
    const double fx = std::clamp(x - 0.5, 0.0, 1023.0), fy = std::clamp(y - 0.5, 0.0, 767.0);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const int x1 = std::min(x0 + 1, 1023), y1 = std::min(y0 + 1, 767);
    const double ax = fx - x0, ay = fy - y0;
    auto texel = [&](int tx, int ty, int c) {
        return double(rgb[(size_t(ty) * 1024 + tx) * 3 + c]);
    };
    auto channel = [&](int c) {
        const double bottom = texel(x0, y0, c) * (1 - ax) + texel(x1, y0, c) * ax;
        const double top = texel(x0, y1, c) * (1 - ax) + texel(x1, y1, c) * ax;
        return bottom * (1 - ay) + top * ay;
    };
    return {channel(0), channel(1), channel(2)};
}

class WindowFit : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        demo = new testsupport::DemoStartUp();
        // A moment with detail everywhere: Ilo leaving the little room.
        rtr::ShowRunner runner(1.0 / 30.0);
        while (runner.time() < 20.0) runner.step(false);
    }
    static void TearDownTestSuite() {
        delete demo;
        demo = nullptr;
    }
    void TearDown() override {
        rtr::nativeResolution = false;
        resizeWindow({1024, 768});
        rtr::followFramebufferSize();
    }

    // Resizes the window (no window manager on the test server, so the size is granted) and
    // waits until its framebuffer callback has reported the new size.
    static void resizeWindow(PixelSize size) {
        glfwSetWindowSize(rtr::mainWindow->window, size.width, size.height);
        for (int i = 0; i < 200 && rtr::framebufferSize != size; ++i) glfwWaitEventsTimeout(0.05);
        ASSERT_EQ(rtr::framebufferSize, size);
    }

    // Renders the current moment and returns the window's whole framebuffer. The driver takes
    // a new window size at a buffer swap, as the demo's loop gives it one after every frame.
    static std::vector<unsigned char> renderWindow() {
        glfwSwapBuffers(rtr::mainWindow->window);
        rtr::render();
        const PixelSize fb = rtr::framebufferSize;
        return rtr::readBackBufferRgb(0, 0, fb.width, fb.height);
    }

    static testsupport::DemoStartUp* demo;
};
testsupport::DemoStartUp* WindowFit::demo = nullptr;

TEST_F(WindowFit, ScaledFrameFillsACentred43RectangleBetweenBlackBars) {
    resizeWindow({1024, 768});
    const std::vector<unsigned char> reference = renderWindow();
    EXPECT_EQ(rtr::readFrameRgb(), reference);

    for (const PixelSize window : {PixelSize{1400, 760}, PixelSize{900, 1000}}) {
        resizeWindow(window);
        const std::vector<unsigned char> shown = renderWindow();
        // Off-screen, the frame is the very frame a 1024 x 768 window shows.
        EXPECT_EQ(rtr::readFrameRgb(), reference);
        const PixelRect fit = rtr::fitRect({1024, 768}, window);
        for (int y = 0; y < window.height; ++y) {
            for (int x = 0; x < window.width; ++x) {
                const bool inside =
                    x >= fit.x && x < fit.x + fit.width && y >= fit.y && y < fit.y + fit.height;
                const unsigned char* p = &shown[(static_cast<size_t>(y) * window.width + x) * 3];
                if (!inside) {
                    ASSERT_EQ(p[0] + p[1] + p[2], 0) << "bar pixel " << x << "," << y;
                }
            }
        }
        // Inside: the frame scaled with linear filtering, as a CPU resampling predicts it.
        int off = 0;
        for (int y = fit.y; y < fit.y + fit.height; ++y) {
            for (int x = fit.x; x < fit.x + fit.width; ++x) {
                const Rgb want = bilinear(reference, (x - fit.x + 0.5) * 1024.0 / fit.width,
                                          (y - fit.y + 0.5) * 768.0 / fit.height);
                const unsigned char* p = &shown[(static_cast<size_t>(y) * window.width + x) * 3];
                off += std::max({std::abs(p[0] - want.r), std::abs(p[1] - want.g),
                                 std::abs(p[2] - want.b)}) > 4.0;
            }
        }
        EXPECT_LT(off, fit.width * fit.height / 1000) << window.width << "x" << window.height;
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

GLint textureWidth(GLuint texture, GLenum parameter) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

TEST_F(WindowFit, NativeRendersAtTheFramebufferSizeWithoutStretching) {
    rtr::nativeResolution = true;
    resizeWindow({1280, 720});
    rtr::followFramebufferSize();
    ASSERT_EQ(rtr::renderSize, (PixelSize{1280, 720}));
    for (GLuint texture :
         {rtr::gBuffer->positionDepthTexture.get(), rtr::gBuffer->hdrColorTexture.get(),
          rtr::gBuffer->ssaoTexture.get(), rtr::occlusionBlur->blurredTexture.get()}) {
        EXPECT_EQ(textureWidth(texture, GL_TEXTURE_WIDTH), 1280);
        EXPECT_EQ(textureWidth(texture, GL_TEXTURE_HEIGHT), 720);
    }
    const std::vector<unsigned char> shown = renderWindow();
    EXPECT_EQ(rtr::readFrameRgb(), shown);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());

    // Unstretched: a pixel's view-space direction has the same angular step across as up, so
    // its position lies on the ray a 1280 x 720 projection with the show's vertical field of
    // view sends through that pixel.
    const std::vector<float> position =
        testsupport::readTextureFloats(rtr::gBuffer->positionDepthTexture, GL_RGBA, 4, 1280, 720);
    const float tanHalf = std::tan(rtr::fovy / 2.0f);
    int checked = 0;
    for (int y = 20; y < 720; y += 70) {
        for (int x = 20; x < 1280; x += 70) {
            const float* p = &position[(static_cast<size_t>(y) * 1280 + x) * 4];
            if (p[2] > -0.05f)
                continue;  // no surface here
            const float ndcX = (2.0f * (x + 0.5f) / 1280.0f - 1.0f) * tanHalf * 1280.0f / 720.0f;
            const float ndcY = (2.0f * (y + 0.5f) / 720.0f - 1.0f) * tanHalf;
            EXPECT_NEAR(p[0] / -p[2], ndcX, 0.003f) << x << "," << y;
            EXPECT_NEAR(p[1] / -p[2], ndcY, 0.003f) << x << "," << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 150);
}

TEST_F(WindowFit, EmptyFramebufferSkipsDrawingWhileTheClockGoesOn) {
    rtr::framebufferSizeCallback(rtr::mainWindow->window, 0, 0);
    rtr::FrameLoop loop;
    const double before = rtr::totalTime;
    glfwWaitEventsTimeout(0.02);
    EXPECT_TRUE(loop.step());
    EXPECT_GT(rtr::totalTime, before);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
    rtr::framebufferSizeCallback(rtr::mainWindow->window, 1024, 768);
}

}  // namespace
