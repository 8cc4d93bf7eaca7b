// Long runs of the real program: every switch combination and the whole show must render
// without a single GL error. The show integrates over time, so every frame is updated at the
// fixed 30 fps clock; only a sample of them is drawn, which is where the time would go.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/globals.h"
#include "common/show_runner.h"
#include "support/demo_harness.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

using namespace rtr;

void applySwitches(unsigned bits) {
    RenderSettings.hdr = bits & 1u;
    RenderSettings.ssao = bits & 2u;
    RenderSettings.debug = bits & 4u;
    RenderSettings.shadows = bits & 8u;
    RenderSettings.culling = bits & 16u;
    RenderSettings.tessellation = bits & 32u;
    RenderSettings.wireframe = bits & 64u;
}

// Seven switches give 128 combinations, each drawn once, while the show moves on at 30 fps
// with a drawn frame every quarter second, so the combinations meet every part of the first
// 32 seconds.
TEST(ShowFrames, EverySwitchCombinationRendersWithoutGlErrors) {
    testsupport::DemoStartUp demo;
    ShowRunner runner(1.0 / 30.0);
    int errors = 0;
    for (unsigned combination = 0; combination < 128; ++combination) {
        for (int frame = 0; frame < 7; ++frame) errors += runner.step(false);
        applySwitches(combination * 37u % 128u);  // 37 is odd: every combination comes up
        errors += runner.step(true);
    }
    EXPECT_EQ(errors, 0);
}

// Two drawn frames per second cover every half-second bound where the script changes state
// (door at 3, 5, 13, 15 and 17 s; lights at 8, 15 and 17 s; exposure up to 12 s; Ilo's and the
// camera's windows; the wink at 25.5 s; the music at 55 and 60 s).
TEST(ShowFrames, WholeShowAtThirtyFramesPerSecondHasNoGlError) {
    std::ostringstream moments;
    for (int half = 1; half <= 140; ++half) moments << (half > 1 ? "," : "") << half * 0.5;
    testsupport::ProgramSandbox box;
    const auto result =
        testsupport::runShell("cd " + testsupport::shellQuote(box.runDir().string()) + " && " +
                              testsupport::shellQuote(LUMAVEX_CAPTURE) +
                              " --fps 30 --until 70 --no-images --at " + moments.str() + " 2>&1");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_NE(result.output.find("Captured 2100 frames (0 images), 0 GL errors."),
              std::string::npos)
        << result.output;
    EXPECT_EQ(result.output.find("Error occured"), std::string::npos);
}

}  // namespace
