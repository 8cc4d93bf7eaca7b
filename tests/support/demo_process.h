#pragma once

#include <string>

#include "support/process.h"
#include "support/sandbox.h"

namespace testsupport {

// Ends the demo the way a person does: Escape into its window, repeated until it is gone.
extern const char* const kPressEscapeUntilGone;

// Runs the real demo binary from the sandbox under the test X server. Waits for its window
// (found by process id, so other demo windows on the same server do not interfere) and for
// start-up to finish, runs `action`, then `finish` until the program has ended. Both shell
// snippets see $pid, $wid and $run. The program is killed after three minutes at the latest.
// Returns everything the program printed and its exit status.
ProcessResult runDemo(const ProgramSandbox& box, const std::string& action,
                      const std::string& finish = kPressEscapeUntilGone);

}  // namespace testsupport
