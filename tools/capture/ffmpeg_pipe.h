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

    // Starts `arguments[0]` (looked up in PATH) in a process group of its own, so a Ctrl-C
    // meant for us does not end it behind our back; false with the reason in `error`.
    bool start(const std::vector<std::string>& arguments, std::string& error);
    // False once the child no longer reads (it ended or failed).
    bool write(const unsigned char* data, std::size_t size);
    // Closes the pipe and waits: true when the child exited with status 0, otherwise false with
    // what it did in `error`.
    bool finish(std::string& error);
    // Ends the child without waiting for it to use up its input, and waits until it is gone.
    void stop();

  private:
    void closeInput();

    pid_t child = -1;
    int input = -1;
    std::string name;
};

}  // namespace tools
