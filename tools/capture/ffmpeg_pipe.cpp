#include "ffmpeg_pipe.h"

#ifdef _WIN32

namespace tools {

// Video goes through ffmpeg started the POSIX way; the Windows build writes PNG frames only.
ChildPipe::~ChildPipe() = default;

bool ChildPipe::start(const std::vector<std::string>&, std::string& error) {
    error = "video is not written by the Windows build (the PNG frames are)";
    return false;
}

bool ChildPipe::write(const unsigned char*, std::size_t) {
    return false;
}

bool ChildPipe::finish(std::string& error) {
    error = "video is not written by the Windows build";
    return false;
}

void ChildPipe::stop() {}

void ChildPipe::closeInput() {}

}  // namespace tools

#else

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/output_file.h"
#include "common/run_program.h"

namespace tools {

ChildPipe::~ChildPipe() {
    stop();
}

bool ChildPipe::start(const std::vector<std::string>& arguments, std::string& error) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return false;
    }
    ChildStreams streams;
    streams.input = ends[0];
    streams.ownProcessGroup = true;
    child = startProgram(arguments, streams, error);
    close(ends[0]);
    if (child < 0) {
        close(ends[1]);
        return false;
    }
    input = ends[1];
    name = arguments[0];
    return true;
}

bool ChildPipe::write(const unsigned char* data, std::size_t size) {
    return input >= 0 && writeAll(input, data, size);
}

void ChildPipe::closeInput() {
    if (input >= 0)
        close(input);
    input = -1;
}

bool ChildPipe::finish(std::string& error) {
    closeInput();
    if (child < 0) {
        error = "it was not running";
        return false;
    }
    const bool exited = waitForProgram(child, name, error);
    child = -1;
    return exited;
}

void ChildPipe::stop() {
    closeInput();
    if (child < 0)
        return;
    kill(child, SIGTERM);
    std::string ignored;
    waitForProgram(child, name, ignored);
    child = -1;
}

}  // namespace tools

#endif
