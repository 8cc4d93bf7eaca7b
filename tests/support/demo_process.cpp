#include "support/demo_process.h"

namespace testsupport {

const char* const kPressEscapeUntilGone =
    "for i in $(seq 60); do kill -0 $pid 2>/dev/null || break; "
    "xdotool windowfocus $wid key --delay 50 Escape 2>/dev/null; sleep 1; done";

ProcessResult runDemo(const ProgramSandbox& box, const std::string& action,
                      const std::string& finish) {
    // Every wait is bounded and says which one ran out, so a slow machine fails readably.
    const std::string script =
        "run=" + shellQuote(box.runDir().string()) + "; cd \"$run\" || exit 99; " +
        shellQuote(LUMAVEX_BINARY) +
        " > out.txt 2>&1 & pid=$!; "
        "( sleep 180 >/dev/null 2>&1; echo 'harness: the demo still ran after 180 s and was killed' >&2; "
        "kill -9 $pid ) >/dev/null & guard=$!; "
        "wid=$(timeout 100 xdotool search --sync --onlyvisible --pid $pid | head -n1); "
        "[ -n \"$wid\" ] || echo 'harness: no demo window appeared within 100 s' >&2; "
        "for i in $(seq 300); do grep -q '>>> Load Music' out.txt && break; "
        "kill -0 $pid 2>/dev/null || break; sleep 0.2; done; "
        "grep -q '>>> Load Music' out.txt || echo 'harness: start-up did not finish in 60 s' >&2; "
        "sleep 1; xdotool windowfocus --sync $wid 2>/dev/null; " +
        (action.empty() ? ":" : action) + "; " + finish +
        "; wait $pid; status=$?; kill $guard 2>/dev/null; "
        "cat out.txt; exit $status";
    return runShell(script);
}

}  // namespace testsupport
