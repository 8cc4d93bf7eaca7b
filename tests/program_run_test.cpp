// Runs the real demo binary under the test X server and drives it like a person would.
#include <gtest/gtest.h>

#include <string>

#include "support/process.h"
#include "support/sandbox.h"

namespace {

using testsupport::runShell;
using testsupport::shellQuote;

const char* const kTitle = "Lumavex - VORNE.X";

// Starts the demo in the sandbox, waits for its window, runs `action` (with $wid set to the
// window id) and reports what the program printed and its exit status.
testsupport::ProcessResult runDemoWith(const testsupport::ProgramSandbox& box,
                                       const std::string& action) {
    const std::string run = shellQuote(box.runDir().string());
    const std::string script =
        "cd " + run + " && (timeout 120 " + shellQuote(LUMAVEX_BINARY) +
        " > out.txt 2>&1; echo $? > status.txt) & "
        "wid=$(timeout 100 xdotool search --sync --onlyvisible --name " + shellQuote(kTitle) +
        " | head -n1); sleep 2; " + action + "; wait; cat " + run + "/out.txt; "
        "exit $(cat " + run + "/status.txt)";
    return runShell(script);
}

TEST(DemoProgram, PrintsGlStringsFirstAndEndsOnEscape) {
    testsupport::ProgramSandbox box;
    const auto result =
        runDemoWith(box, "xdotool windowfocus --sync $wid; xdotool key --delay 50 Escape");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    // Renderer, version, vendor: three plain lines before anything else.
    std::string text = result.output;
    std::size_t lineEnd = 0;
    for (int i = 0; i < 3; ++i) {
        lineEnd = text.find('\n', lineEnd);
        ASSERT_NE(lineEnd, std::string::npos) << text;
        ++lineEnd;
    }
    EXPECT_NE(text.find("llvmpipe"), std::string::npos) << text;
    EXPECT_NE(text.find("4."), std::string::npos) << text;
    EXPECT_NE(text.find("Mesa"), std::string::npos) << text;
    EXPECT_LT(text.find("Mesa"), lineEnd + 1);
    const std::size_t firstError = text.find("Error occured");
    if (firstError != std::string::npos) {
        EXPECT_GE(firstError, lineEnd);
        EXPECT_EQ(text.find("General GL Error Checking"), std::string::npos) << text;
    }
}

TEST(DemoProgram, EndsWhenTheWindowManagerAsksItToClose) {
    testsupport::ProgramSandbox box;
    const auto result = runDemoWith(box, std::string(LUMAVEX_SEND_WM_DELETE) + " $wid");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_EQ(result.output.find("General GL Error Checking"), std::string::npos)
        << result.output;
}

TEST(DemoProgram, WithoutDisplayFailsToInitGlfwWithoutHanging) {
    testsupport::ProgramSandbox box;
    const auto result = runShell("cd " + shellQuote(box.runDir().string()) +
                                 " && env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 " +
                                 shellQuote(LUMAVEX_BINARY));
    EXPECT_EQ(result.exitStatus, 255);
    EXPECT_NE(result.output.find("Failed to init GLFW\n"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("Press any key"), std::string::npos);
}

}  // namespace
