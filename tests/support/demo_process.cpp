#include "support/demo_process.h"

namespace testsupport {

const char* const kPressEscapeUntilGone =
    "for i in $(seq 60); do kill -0 $pid 2>/dev/null || break; "
    "xdotool windowfocus $wid key --delay 50 Escape 2>/dev/null; sleep 1; done";

ProcessResult runDemo(const ProgramSandbox& box, const std::string& action,
                      const std::string& finish) {
    const std::string script =
        "run=" + shellQuote(box.runDir().string()) + "; cd \"$run\" || exit 99; " +
        shellQuote(LUMAVEX_BINARY) +
        " > out.txt 2>&1 & pid=$!; "
        "( sleep 180; kill -9 $pid ) >/dev/null 2>&1 & guard=$!; "
        "wid=$(timeout 100 xdotool search --sync --onlyvisible --pid $pid | head -n1); "
        "for i in $(seq 300); do grep -q '>>> Load Music' out.txt && break; "
        "kill -0 $pid 2>/dev/null || break; sleep 0.2; done; "
        "sleep 1; xdotool windowfocus --sync $wid 2>/dev/null; " +
        (action.empty() ? ":" : action) + "; " + finish +
        "; wait $pid; status=$?; kill $guard 2>/dev/null; "
        "cat out.txt; exit $status";
    return runShell(script);
}

}  // namespace testsupport
