#pragma once

#include <string>

namespace testsupport {

struct ProcessResult {
    std::string output;   // standard output (and standard error when merged)
    int exitStatus = -1;  // as the shell sees it (0..255), or -1 when killed by a signal
};

// Runs a shell command with standard input from /dev/null and returns its output and status.
ProcessResult runShell(const std::string& command);

// Quotes a string for a POSIX shell.
std::string shellQuote(const std::string& text);

}  // namespace testsupport
