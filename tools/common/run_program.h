#pragma once

// Runs a helper program (ImageMagick, gnuplot, ffmpeg) from an argument vector, without a
// shell, so no file name needs quoting. Its standard output goes to our standard error unless
// the caller takes it: standard output carries only the tool's own results.

#include <sys/types.h>

#include <string>
#include <vector>

namespace tools {

// Where a started program reads and writes; -1 keeps the default (our standard input; our
// standard error for its output).
struct ChildStreams {
    int input = -1;
    int output = -1;
    // A process group of its own: a Ctrl-C at the terminal reaches only this process, which
    // then ends the child in order instead of leaving it to finish on its own.
    bool ownProcessGroup = false;
};

// Starts `arguments[0]` (looked up in PATH). Its process id, or -1 with the reason in `error`.
pid_t startProgram(const std::vector<std::string>& arguments, const ChildStreams& streams,
                   std::string& error);

// Waits for a started program: true when it exited with status 0, otherwise false with the
// reason in `error`.
bool waitForProgram(pid_t child, const std::string& name, std::string& error);

// Starts `arguments[0]` and waits for it. True when it exited with status 0; otherwise false
// with the reason in `error`.
bool runProgram(const std::vector<std::string>& arguments, std::string& error);

// The same, collecting what it writes to its standard output into `output`.
bool runProgramForOutput(const std::vector<std::string>& arguments, std::string& output,
                         std::string& error);

}  // namespace tools
