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

// A shell function for the key scripts: `seen TEXT N` waits (up to 10 s) until the demo has
// printed TEXT N times, so a script goes on as soon as a key has acted instead of sleeping.
const std::string kSeen =
    "seen() { for i in $(seq 200); do [ \"$(grep -c -- \"$1\" out.txt)\" -ge \"$2\" ] && "
    "return 0; sleep 0.05; done; }; ";

}  // namespace

TEST(ShowKeys, EachSettingsKeyActsOncePerPressAndOnlyOnRelease) {
    testsupport::ProgramSandbox box;
    const std::string heldH = (box.runDir() / "held_h.txt").string();
    const auto result = testsupport::runDemo(
        box, kSeen + "xdotool keydown h; sleep 1; cp out.txt " + shellQuote(heldH) +
                 "; xdotool keyup h; seen 'HDR: ' 1; "
                 "xdotool key o; seen 'SSAO: ' 1; "
                 "xdotool key e; seen 'gamma = ' 1; "
                 "xdotool key r; seen 'gamma = ' 2; "
                 "xdotool key m; seen 'Debug: ' 1; "
                 "xdotool keydown e; sleep 1; xdotool keyup e; "
                 "seen 'gamma = ' 3");
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
        box, kSeen +
                 "xdotool key g; seen 'Shadows: ' 1; xdotool key l; seen 'Culling: ' 1; "
                 "xdotool key n; seen 'free-fly' 1; xdotool key p; seen 'Wireframemode: ' 1; "
                 "xdotool key c; xdotool keydown t; sleep 1; xdotool keyup t; "
                 "seen 'Tessellation: ' 1; xdotool key g; seen 'Shadows: ' 2; "
                 "xdotool key n; seen 'free-fly' 2; xdotool key c; sleep 0.3");
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
