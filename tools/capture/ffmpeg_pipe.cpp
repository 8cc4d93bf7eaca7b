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

int ChildPipe::finish() {
    return -1;
}

}  // namespace tools

#else

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace tools {

ChildPipe::~ChildPipe() {
    finish();
}

bool ChildPipe::start(const std::vector<std::string>& arguments, std::string& error) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 clears close-on-exec on the copy: the child keeps only the read end, as stdin.
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[0]);
    if (failed != 0) {
        close(ends[1]);
        child = -1;
        error = std::strerror(failed);
        return false;
    }
    input = ends[1];
    return true;
}

bool ChildPipe::write(const unsigned char* data, std::size_t size) {
    while (size > 0 && input >= 0) {
        const ssize_t n = ::write(input, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return input >= 0;
}

int ChildPipe::finish() {
    if (input >= 0) {
        close(input);
        input = -1;
    }
    if (child < 0)
        return -1;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    child = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tools

#endif
