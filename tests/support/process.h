#pragma once

#include <cstddef>
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

// Escapes the characters a gtest death-test pattern would read as regular-expression syntax.
std::string escapeRegex(const std::string& text);

// How often `piece` occurs in `text`, overlapping occurrences included.
std::size_t countOf(const std::string& text, const std::string& piece);

// For the child of a death test that checks a fatal exit: the program prints to standard
// output while death tests watch standard error, and its pause must find no terminal.
void redirectForFatalCheck();

}  // namespace testsupport
