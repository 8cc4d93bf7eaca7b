// Long runs of the real program: every switch combination and the whole show must render
// without a single GL error.
#include <gtest/gtest.h>

#include <string>

#include "app/globals.h"
#include "app/show_runner.h"
#include "support/demo_harness.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

using namespace rtr;

// Seven switches give 128 combinations; 300 frames visit each at least twice while the show
// itself moves on at 30 frames per second.
void applySwitches(unsigned bits) {
    RenderSettings.hdr = bits & 1u;
    RenderSettings.ssao = bits & 2u;
    RenderSettings.debug = bits & 4u;
    RenderSettings.shadows = bits & 8u;
    RenderSettings.culling = bits & 16u;
    RenderSettings.tessellation = bits & 32u;
    RenderSettings.wireframe = bits & 64u;
}

TEST(ShowFrames, EverySwitchCombinationRendersWithoutGlErrors) {
    testsupport::DemoStartUp demo;
    ShowRunner runner(1.0 / 30.0);
    int errors = 0;
    for (unsigned frame = 0; frame < 300; ++frame) {
        applySwitches(frame * 37u % 128u);  // 37 is odd: every combination comes up
        errors += runner.step(true);
    }
    EXPECT_EQ(errors, 0);
}

TEST(ShowFrames, WholeShowCapturedAtThirtyFramesPerSecondHasNoGlError) {
    testsupport::ProgramSandbox box;
    const auto result = testsupport::runShell(
        "cd " + testsupport::shellQuote(box.runDir().string()) + " && " +
        testsupport::shellQuote(LUMAVEX_CAPTURE) + " --fps 30 --until 70 --no-images 2>&1");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_NE(result.output.find("Captured 2100 frames (0 images), 0 GL errors."),
              std::string::npos)
        << result.output;
    EXPECT_EQ(result.output.find("Error occured"), std::string::npos);
}

}  // namespace
