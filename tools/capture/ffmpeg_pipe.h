#pragma once

// A child process fed through its standard input: ffmpeg started with an argument vector (no
// shell, so no name in it needs quoting), reading raw frames from a pipe.

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tools {

class ChildPipe {
  public:
    ChildPipe() = default;
    ChildPipe(const ChildPipe&) = delete;
    ChildPipe& operator=(const ChildPipe&) = delete;
    ~ChildPipe();

    // Starts `arguments[0]` (looked up in PATH); false with the reason in `error`.
    bool start(const std::vector<std::string>& arguments, std::string& error);
    // False once the child no longer reads (it ended or failed).
    bool write(const unsigned char* data, std::size_t size);
    // Closes the pipe and waits: the child's exit status, or -1 when a signal ended it.
    int finish();

  private:
    pid_t child = -1;
    int input = -1;
};

}  // namespace tools
