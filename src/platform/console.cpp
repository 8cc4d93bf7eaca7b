#include "platform/console.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace rtr::platform {

namespace {

#ifdef _WIN32
// Only a console answers GetConsoleMode: _isatty() also says yes to the NUL device, and a
// program started with its input from NUL would wait for a key nobody can press.
bool stdinIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

// The console's own pause; its prompt is already on the screen.
void waitForKey() {
    std::system("PAUSE >NUL");
}
#else
bool stdinIsTerminal() {
    return isatty(STDIN_FILENO) != 0;
}

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
#endif

bool pauseEnabled = false;

}  // namespace

void enableConsolePause() {
    pauseEnabled = true;
}

void consolePause() {
    if (!pauseEnabled || !stdinIsTerminal()) {
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
