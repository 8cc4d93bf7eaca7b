#pragma once

#include <string>

namespace rtr::platform {

// The demo keeps its console window open after a fatal error until a key is pressed; the tools
// built on the same code end at once. Off until a program turns it on.
void enableConsolePause();

// Stands in for the console "PAUSE" command: once enabled, prompts and waits for a key when a
// person can answer (standard input is a terminal), so scripted runs never hang.
void consolePause();

// "  working directory: <path>", for messages about files that were not found.
std::string workingDirectoryLine();

// The working directory and where the data folders must be: every data path is relative to the
// directory the program is started from, and a start from the wrong one is the usual reason a
// whole folder is missing.
std::string startFolderHint();

// Ends the process at once with status -1 (255), after flushing standard output and error.
[[noreturn]] void exitWithStatusMinusOne();

// The program-wide fatal pattern: message and line end on standard output, the console pause,
// exit status -1.
[[noreturn]] void fatalExit(const std::string& message);

// The same, with `detail` (the path tried, the reason) on standard error after the message,
// so standard output keeps only the program's own lines.
[[noreturn]] void fatalExit(const std::string& message, const std::string& detail);

}  // namespace rtr::platform
