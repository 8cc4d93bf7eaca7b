#include "platform/console.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include <termios.h>

namespace rtr::platform {

namespace {

// Reads one key press without waiting for Enter, as the console pause does.
void waitForKey() {
    termios saved{};
    const bool haveTerm = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (haveTerm) {
        termios raw = saved;
        raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    }
    char c = 0;
    [[maybe_unused]] ssize_t n = read(STDIN_FILENO, &c, 1);
    if (haveTerm) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    }
}

bool pauseEnabled = false;

}  // namespace

void enableConsolePause() {
    pauseEnabled = true;
}

void consolePause() {
    if (!pauseEnabled || !isatty(STDIN_FILENO)) {
        return;
    }
    std::cout << "Press any key to continue . . ." << std::flush;
    waitForKey();
    std::cout << std::endl;
}

std::string workingDirectoryLine() {
    std::error_code error;
    return "  working directory: " + std::filesystem::current_path(error).string();
}

std::string startFolderHint() {
    return workingDirectoryLine() +
           "\n  Shader/ and Models/ must sit beside the directory the program is started from "
           "(it reads ../Shader/ and ../Models/); start it from build/, for example.";
}

void exitWithStatusMinusOne() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    // Everything made so far stays as it is until the process is gone. A normal exit would run
    // the static destructors first, freeing the program-wide lists while the objects in them
    // still live, so a leak checker would report every one of them as lost.
    std::_Exit(-1);
}

void fatalExit(const std::string& message) {
    std::cout << message << std::endl;
    consolePause();
    exitWithStatusMinusOne();
}

void fatalExit(const std::string& message, const std::string& detail) {
    std::cout << message << std::endl;
    std::cerr << detail << std::endl;
    consolePause();
    exitWithStatusMinusOne();
}

}  // namespace rtr::platform
