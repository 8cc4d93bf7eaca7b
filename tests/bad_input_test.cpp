// Damaged input and wrong set-ups, tried on the real programs as a new user would: each gets
// a clear answer (standard output unchanged, the details on standard error, the tools' usage
// errors with exit status 2) and nothing runs that the user did not ask for.
#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;
using testsupport::shellQuote;

const std::string kMusic = "Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3";

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `command` in `dir` with standard output and standard error kept apart.
Outcome runIn(const fs::path& dir, const std::string& command) {
    const fs::path errFile = dir / ".stderr.txt";
    const auto result = testsupport::runShell("cd " + shellQuote(dir.string()) + " && " +
                                              command + " 2>" + shellQuote(errFile.string()));
    Outcome run{result.output, readFile(errFile), result.exitStatus};
    fs::remove(errFile);
    return run;
}

std::string demo() {
    return "timeout 120 " + shellQuote(LUMAVEX_BINARY);
}

std::string tool(const std::string& name) {
    // The tools are built beside each other.
    return shellQuote((fs::path(LUMAVEX_CAPTURE).parent_path() / name).string());
}

void replaceLink(const fs::path& link, const std::string& content) {
    fs::remove(link);
    std::ofstream(link, std::ios::binary) << content;
}

TEST(BadInput, StartedFromTheWrongDirectoryTheDemoSaysWhereItLooked) {
    testsupport::TempDir dir;
    fs::create_directories(dir.path() / "repo");
    const Outcome run = runIn(dir.path() / "repo", demo());
    EXPECT_EQ(run.status, 255);
    EXPECT_NE(run.out.find("\nFailed to open shader file\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("../Shader/deferredGeom.vert does not exist"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find((dir.path() / "repo").string()), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Shader/ and Models/ must sit beside the directory"), std::string::npos)
        << run.err;
}

TEST(BadInput, ShaderPathThatIsADirectoryIsNamed) {
    testsupport::ProgramSandbox box;
    fs::remove(box.shaderDir() / "hdrShader.frag");
    fs::create_directory(box.shaderDir() / "hdrShader.frag");
    const Outcome run = runIn(box.runDir(), demo());
    EXPECT_EQ(run.status, 255);
    EXPECT_NE(run.out.find("\nFailed to open shader file\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("../Shader/hdrShader.frag is a directory"), std::string::npos)
        << run.err;
}

TEST(BadInput, WithoutAUsableDisplayGlfwGivesItsReason) {
    testsupport::ProgramSandbox box;
    // GLFW's reason names what was wrong: the unset variable, or the display it could not open.
    const std::pair<const char*, const char*> cases[] = {
        {"env -u DISPLAY -u WAYLAND_DISPLAY", "DISPLAY"}, {"env DISPLAY=:9999", ":9999"}};
    for (const auto& [environment, reason] : cases) {
        const Outcome run = runIn(box.runDir(), std::string(environment) + " timeout 20 " +
                                                    shellQuote(LUMAVEX_BINARY));
        EXPECT_EQ(run.status, 255) << environment;
        EXPECT_EQ(run.out, "Failed to init GLFW\n") << environment;
        EXPECT_NE(run.err.find("GLFW error"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    }
}

TEST(BadInput, UnplayableMusicKeepsTheFatalLineAndNamesTheFile) {
    testsupport::ProgramSandbox box;
    replaceLink(box.modelDir() / kMusic, std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    const Outcome run = runIn(box.runDir(), "SDL_AUDIODRIVER=no-such-driver " + demo());
    EXPECT_EQ(run.status, 255);
    EXPECT_NE(run.out.find(">>> Load Music\nFMOD error: ("), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("../Models/" + kMusic), std::string::npos) << run.err;
    // The fallback to silence is a note for people, not part of the program's transcript.
    EXPECT_EQ(run.out.find("no audio device"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("no audio device"), std::string::npos) << run.err;
}

// Fraction of pixels in the rectangle (top row first) whose colours differ noticeably.
double differingShare(const fs::path& a, const fs::path& b, int x0, int y0, int x1, int y1) {
    FIBITMAP* first = FreeImage_Load(FIF_PNG, a.c_str());
    FIBITMAP* second = FreeImage_Load(FIF_PNG, b.c_str());
    if (first == nullptr || second == nullptr)
        return 1.0;
    const int height = static_cast<int>(FreeImage_GetHeight(first));
    int differing = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            RGBQUAD p{}, q{};
            FreeImage_GetPixelColor(first, x, height - 1 - y, &p);
            FreeImage_GetPixelColor(second, x, height - 1 - y, &q);
            differing += std::abs(p.rgbRed - q.rgbRed) + std::abs(p.rgbGreen - q.rgbGreen) +
                             std::abs(p.rgbBlue - q.rgbBlue) >
                         24;
        }
    }
    FreeImage_Unload(first);
    FreeImage_Unload(second);
    return static_cast<double>(differing) / ((x1 - x0) * (y1 - y0));
}

TEST(BadInput, DamagedDoorWallLeavesTheOtherWallsTheirOwnLook) {
    // At 25 s the camera looks down the room: the door wall fills the left, the back wall with
    // its panels the upper middle and right, above the character and the conveyor.
    const std::string capture = tool("lumavex_capture") + " --at 25 --out ../shots";
    testsupport::ProgramSandbox intact, damaged;
    const std::string wallDoor = readFile(intact.modelDir() / "wallDoor.dae");
    replaceLink(damaged.modelDir() / "wallDoor.dae", wallDoor.substr(0, wallDoor.size() / 3));
    const Outcome good = runIn(intact.runDir(), capture);
    const Outcome bad = runIn(damaged.runDir(), capture);
    ASSERT_EQ(good.status, 0) << good.out << good.err;
    ASSERT_EQ(bad.status, 0) << bad.out << bad.err;
    EXPECT_NE(bad.out.find("Assimp-Error: parsing file (../Models/wallDoor.dae)"),
              std::string::npos);
    const fs::path shot = "shots/moment_025.00s.png";
    const fs::path goodShot = intact.runDir().parent_path() / shot;
    const fs::path badShot = damaged.runDir().parent_path() / shot;
    EXPECT_LT(differingShare(goodShot, badShot, 400, 210, 950, 330), 0.01);
    EXPECT_GT(differingShare(goodShot, badShot, 0, 200, 250, 600), 0.5);  // the door wall is gone
}

TEST(BadInput, ToolsRejectBadValuesWithOneLineNamingThemAndStatus2) {
    testsupport::TempDir dir;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"lumavex_capture --at 2,,5", "2,,5"},      {"lumavex_capture --fps abc", "abc"},
        {"lumavex_capture --at 1e999", "1e999"},    {"lumavex_capture --fps 0", "'0'"},
        {"lumavex_capture --fps nan", "nan"},       {"lumavex_capture --fps -1", "-1"},
        {"lumavex_capture --video --at 3", "--at"}, {"lumavex_benchmark --frames x", "'x'"},
        {"lumavex_benchmark --at 2,x", "'x'"},
    };
    for (const auto& [command, named] : cases) {
        const std::size_t space = command.find(' ');
        const Outcome run = runIn(dir.path(), tool(command.substr(0, space)) + command.substr(space));
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_NE(run.err.find(named), std::string::npos) << command << ": " << run.err;
    }
    const Outcome help = runIn(dir.path(), tool("lumavex_capture") + " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("=30"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--video"), std::string::npos) << help.out;
}

TEST(BadInput, VideoNeedsNoShellAndIsOnlyReportedWhenFfmpegMadeIt) {
    testsupport::ProgramSandbox box;
    const std::string odd = "x'; touch injected; echo '";
    const std::string capture =
        tool("lumavex_capture") + " --video --until 0.2 --fps 10 --out " + shellQuote(odd);
    const Outcome made = runIn(box.runDir(), capture);
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_NE(made.out.find("Video written to " + odd + "/show.mp4\n"), std::string::npos)
        << made.out;
    EXPECT_GT(fs::file_size(box.runDir() / odd / "show.mp4"), 0u);
    EXPECT_FALSE(fs::exists(box.runDir() / "injected"));
    EXPECT_FALSE(fs::exists(box.runDir() / odd / "frame_00000.png"));  // no PNGs unless asked

    // An ffmpeg that fails must not be reported as a written video.
    const fs::path fakeBin = box.runDir().parent_path() / "bin";
    fs::create_directories(fakeBin);
    std::ofstream(fakeBin / "ffmpeg") << "#!/bin/sh\ncat >/dev/null\nexit 1\n";
    fs::permissions(fakeBin / "ffmpeg", fs::perms::owner_all);
    const Outcome failed = runIn(box.runDir(), "PATH=" + shellQuote(fakeBin.string()) + ":\"$PATH\" " +
                                               capture + "-failed");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out.find("Video written"), std::string::npos) << failed.out;
    EXPECT_NE(failed.err.find("ffmpeg failed (exit status 1)"), std::string::npos) << failed.err;
}

}  // namespace
