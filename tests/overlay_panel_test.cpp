// The overlay panel over real frames of the show, on the real start-up: hidden it leaves every
// byte of the frame alone, shown it draws in its corner only, and once hidden again the next
// frame is the very frame no panel ever touched (ImGui's renderer put back all GL state).
#include <gtest/gtest.h>

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <vector>

#include "app/globals.h"
#include "explore/overlay_panel.h"
#include "common/show_runner.h"
#include "render/render_passes.h"
#include "support/demo_harness.h"
#include "support/gl_context.h"
#include "util/window.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// Right of this column the panel never draws: it is under 320 pixels wide, in the left corner.
constexpr int kBeyondPanel = 320;

using Frame = std::vector<unsigned char>;

class OverlayPanelTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        demo = new testsupport::DemoStartUp();
        rtr::ShowRunner runner(1.0 / 30.0);
        while (runner.time() < 12.0) runner.step(false);
        reference = new Frame(renderFrame(nullptr));
    }
    static void TearDownTestSuite() {
        delete reference;
        delete demo;
        reference = nullptr;
        demo = nullptr;
    }
    void SetUp() override { testsupport::drainGlErrors(); }

    // Renders the moment the show is at, with the panel drawn over it when there is one, and
    // returns the window's frame as the capture tool reads it.
    static Frame renderFrame(rtr::OverlayPanel* panel) {
        rtr::render();
        if (panel != nullptr)
            panel->draw(model(), rtr::RenderSettings);
        Frame frame = rtr::readFrameRgb();
        glfwSwapBuffers(rtr::mainWindow->window);
        return frame;
    }

    static rtr::PanelModel model() {
        rtr::PanelModel shown;
        shown.showTime = 12.0;
        shown.frameMilliseconds = 80.0;
        for (const rtr::RenderStage& stage : rtr::renderStages)
            shown.stageMilliseconds.emplace_back(stage.name, 10.0);
        shown.stageMilliseconds.back().second = -1.0;
        shown.stageViewNames = {"final picture", "shadow cube"};
        return shown;
    }

    // Pixels of `frame` that differ from the reference within columns [x0, x1) and rows
    // [y0, y1) counted from the top.
    static int changedPixels(const Frame& frame, int x0, int x1, int y0, int y1) {
        int changed = 0;
        for (int top = y0; top < y1; ++top) {
            const int row = kHeight - 1 - top;  // read back bottom row first
            for (int x = x0; x < x1; ++x) {
                const std::size_t at = (static_cast<std::size_t>(row) * kWidth + x) * 3;
                changed += frame[at] != (*reference)[at] || frame[at + 1] != (*reference)[at + 1] ||
                           frame[at + 2] != (*reference)[at + 2];
            }
        }
        return changed;
    }

    static testsupport::DemoStartUp* demo;
    static Frame* reference;
};
testsupport::DemoStartUp* OverlayPanelTest::demo = nullptr;
Frame* OverlayPanelTest::reference = nullptr;

TEST_F(OverlayPanelTest, HiddenPanelLeavesTheFrameByteIdentical) {
    rtr::OverlayPanel panel(rtr::mainWindow->window);
    ASSERT_FALSE(panel.visible());
    const rtr::RenderSettingsRecord before = rtr::RenderSettings;
    EXPECT_EQ(renderFrame(&panel), *reference);
    EXPECT_FALSE(panel.wantsMouse());
    EXPECT_EQ(rtr::RenderSettings.gamma, before.gamma);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(OverlayPanelTest, ShownPanelDrawsInItsCornerAndHidingLeavesNoTrace) {
    rtr::OverlayPanel panel(rtr::mainWindow->window);
    panel.toggle();
    ASSERT_TRUE(panel.visible());
    const Frame first = renderFrame(&panel);
    const Frame second = renderFrame(&panel);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
    for (const Frame* shown : {&first, &second}) {
        // The title bar and the clock line at the top left: the panel's own pixels, complete
        // from the first frame on.
        const int corner = 280 * 40;
        EXPECT_GT(changedPixels(*shown, 12, 292, 12, 52), corner * 9 / 10);
        EXPECT_EQ(changedPixels(*shown, kBeyondPanel, kWidth, 0, kHeight), 0);
    }
    // The pointer is captured for mouse look, so it is never over the panel.
    EXPECT_FALSE(panel.wantsMouse());

    panel.toggle();
    EXPECT_EQ(renderFrame(&panel), *reference);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

}  // namespace
