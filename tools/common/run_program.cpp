#include "common/run_program.h"

#ifdef _WIN32

namespace tools {

// The helpers (ImageMagick, gnuplot, ffmpeg) are started the POSIX way only; the Windows build
// ships without them, so it says so instead of looking for them.
namespace {

std::string notRun(const std::vector<std::string>& arguments) {
    return "cannot start " + arguments[0] + ": helper programs are not run by the Windows build";
}

}  // namespace

pid_t startProgram(const std::vector<std::string>& arguments, const ChildStreams&,
                   std::string& error) {
    error = notRun(arguments);
    return -1;
}

bool waitForProgram(pid_t, const std::string& name, std::string& error) {
    error = name + " was not started";
    return false;
}

bool runProgram(const std::vector<std::string>& arguments, std::string& error) {
    error = notRun(arguments);
    return false;
}

bool runProgramForOutput(const std::vector<std::string>& arguments, std::string&,
                         std::string& error) {
    error = notRun(arguments);
    return false;
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

namespace {

std::string describeStatus(const std::string& program, int status) {
    if (WIFEXITED(status))
        return program + " exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return program + " was ended by signal " + std::to_string(WTERMSIG(status));
    return program + " ended abnormally";
}

void readAll(int descriptor, std::string& output) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(descriptor, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        output.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

pid_t startProgram(const std::vector<std::string>& arguments, const ChildStreams& streams,
                   std::string& error) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 clears close-on-exec on the copies: the child keeps exactly these two.
    if (streams.input >= 0)
        posix_spawn_file_actions_adddup2(&actions, streams.input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, streams.output >= 0 ? streams.output : STDERR_FILENO,
                                     STDOUT_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (streams.ownProcessGroup) {
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes, 0);
    }
    pid_t child = -1;
    const int failed = posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        error = "cannot start " + arguments[0] + ": " + std::strerror(failed);
        return -1;
    }
    return child;
}

bool waitForProgram(pid_t child, const std::string& name, std::string& error) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            error = "waiting for " + name + ": " + std::strerror(errno);
            return false;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    error = describeStatus(name, status);
    return false;
}

bool runProgram(const std::vector<std::string>& arguments, std::string& error) {
    const pid_t child = startProgram(arguments, {}, error);
    return child > 0 && waitForProgram(child, arguments[0], error);
}

bool runProgramForOutput(const std::vector<std::string>& arguments, std::string& output,
                         std::string& error) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        error = std::string("cannot make a pipe for ") + arguments[0] + ": " + std::strerror(errno);
        return false;
    }
    ChildStreams streams;
    streams.output = ends[1];
    const pid_t child = startProgram(arguments, streams, error);
    close(ends[1]);
    if (child > 0)
        readAll(ends[0], output);
    close(ends[0]);
    return child > 0 && waitForProgram(child, arguments[0], error);
}

}  // namespace tools

#endif
