// The settings keys H, O, E, R and M of the running demo, pressed through real X events.
#include <gtest/gtest.h>

#include <string>

#include "support/process.h"
#include "support/sandbox.h"

namespace {

using testsupport::shellQuote;

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Starts the demo, waits until start-up is through (its last line, or a minute at most), runs
// `action` with $wid and $run set, ends the demo with Escape and returns what it printed.
testsupport::ProcessResult runDemoWith(const testsupport::ProgramSandbox& box,
                                       const std::string& action) {
    const std::string run = shellQuote(box.runDir().string());
    const std::string script =
        "run=" + run + "; cd \"$run\" && (timeout 180 " + shellQuote(LUMAVEX_BINARY) +
        " > out.txt 2>&1; echo $? > status.txt) & pid=$!; "
        "wid=$(timeout 100 xdotool search --sync --onlyvisible --name 'Lumavex - VORNE.X' "
        "| head -n1); "
        "for i in $(seq 300); do grep -q '>>> Load Music' out.txt && break; "
        "kill -0 $pid 2>/dev/null || break; sleep 0.2; done; "
        "sleep 1; xdotool windowfocus --sync $wid; " +
        action + "; xdotool key Escape; wait; cat \"$run/out.txt\"; exit $(cat status.txt)";
    return testsupport::runShell(script);
}

}  // namespace

TEST(ShowKeys, EachSettingsKeyActsOncePerPressAndOnlyOnRelease) {
    testsupport::ProgramSandbox box;
    const std::string heldH = (box.runDir() / "held_h.txt").string();
    const auto result =
        runDemoWith(box, "xdotool keydown h; sleep 1; cp out.txt " + shellQuote(heldH) +
                             "; xdotool keyup h; sleep 0.5; "
                             "for k in o e r m; do xdotool key $k; sleep 0.4; done; "
                             "xdotool keydown e; sleep 1.5; xdotool keyup e; sleep 0.5");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    const std::string& out = result.output;

    const auto whileHeld = testsupport::runShell("cat " + shellQuote(heldH));
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
