#include "common/run_program.h"

#ifdef _WIN32

namespace tools {

// The helpers (ImageMagick, gnuplot) are started the POSIX way only; the Windows build ships
// without them, so it says so instead of looking for them.
bool runProgram(const std::vector<std::string>& arguments, std::string& error) {
    error = "cannot start " + arguments[0] + ": helper programs are not run by the Windows build";
    return false;
}

}  // namespace tools

#else

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

}  // namespace

bool runProgram(const std::vector<std::string>& arguments, std::string& error) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    pid_t child = -1;
    const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        error = "cannot start " + arguments[0] + ": " + std::strerror(failed);
        return false;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            error = std::string("waiting for ") + arguments[0] + ": " + std::strerror(errno);
            return false;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    error = describeStatus(arguments[0], status);
    return false;
}

}  // namespace tools

#endif
