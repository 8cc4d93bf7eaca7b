// The settings keys H, O, E, R and M of the running demo, pressed through real X events.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/demo_process.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

using testsupport::countOf;

using testsupport::shellQuote;

}  // namespace

TEST(ShowKeys, EachSettingsKeyActsOncePerPressAndOnlyOnRelease) {
    testsupport::ProgramSandbox box;
    const std::string heldH = (box.runDir() / "held_h.txt").string();
    const auto result =
        testsupport::runDemo(box, "xdotool keydown h; sleep 1; cp out.txt " + shellQuote(heldH) +
                             "; xdotool keyup h; sleep 0.5; "
                             "for k in o e r m; do xdotool key $k; sleep 0.4; done; "
                             "xdotool keydown e; sleep 1.5; xdotool keyup e; sleep 0.5");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    const std::string& out = result.output;

    const auto whileHeld = testsupport::runShell("cat " + shellQuote(heldH));
    EXPECT_EQ(whileHeld.exitStatus, 0);
    EXPECT_NE(whileHeld.output.find(">>> Load Music"), std::string::npos) << whileHeld.output;
    EXPECT_EQ(whileHeld.output.find("HDR:"), std::string::npos) << whileHeld.output;

    EXPECT_EQ(countOf(out, "HDR: deactivated\n"), 1u) << out;
    EXPECT_EQ(countOf(out, "HDR: activated\n"), 0u) << out;
    EXPECT_EQ(countOf(out, "SSAO: deactivated\n"), 1u) << out;
    EXPECT_EQ(countOf(out, "Debug: activated\n"), 1u) << out;
    // E, R, then E held for a while: one step each.
    EXPECT_NE(out.find("gamma = 2.3\ngamma = 2.2\nDebug: activated\ngamma = 2.3\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(countOf(out, "gamma = "), 3u) << out;
}

TEST(ShowKeys, EachCallbackKeyTogglesOncePerPressEvenWhenHeld) {
    testsupport::ProgramSandbox box;
    const auto result = testsupport::runDemo(
        box,
        "for k in g l n p c; do xdotool key $k; sleep 0.4; done; "
        "xdotool keydown t; sleep 1.5; xdotool keyup t; sleep 0.4; "
        "for k in g n c; do xdotool key $k; sleep 0.4; done");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    const std::string& out = result.output;
    EXPECT_NE(out.find("Shadows: deactivated\nCulling: activated\nActivated free-fly camera.\n"
                       "Wireframemode: activated\nTessellation: deactivated\n"
                       "Shadows: activated\nDeactivated free-fly camera.\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(countOf(out, "Tessellation: "), 1u) << out;
    EXPECT_EQ(countOf(out, "Shadows: "), 2u) << out;
}
