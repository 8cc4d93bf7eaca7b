#pragma once

#include <string>

namespace rtr::platform {

// Stands in for the console "PAUSE" command: prompts and waits for a key only when a person
// can answer, so scripted runs never hang.
void consolePause();

// Ends the process at once with status -1 (255), after flushing standard output and error.
[[noreturn]] void exitWithStatusMinusOne();

// The program-wide fatal pattern: message and line end on standard output, the console pause,
// exit status -1.
[[noreturn]] void fatalExit(const std::string& message);

// The same, with `detail` (the path tried, the reason) on standard error after the message,
// so standard output keeps only the program's own lines.
[[noreturn]] void fatalExit(const std::string& message, const std::string& detail);

}  // namespace rtr::platform
