#pragma once

// Runs a helper program (ImageMagick, gnuplot) from an argument vector, without a shell, so
// no file name needs quoting. Its standard output goes to our standard error: standard output
// carries only the tool's own results.

#include <string>
#include <vector>

namespace tools {

// Starts `arguments[0]` (looked up in PATH) and waits for it. True when it exited with status
// 0; otherwise false with the reason in `error`.
bool runProgram(const std::vector<std::string>& arguments, std::string& error);

}  // namespace tools
