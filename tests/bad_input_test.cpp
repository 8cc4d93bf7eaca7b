// Damaged input and wrong set-ups, tried on the real programs as a new user would: each gets
// a clear answer (standard output unchanged, the details on standard error, the tools' usage
// errors with exit status 2) and nothing runs that the user did not ask for.
#include <FreeImage.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scene/scene_models.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;
using rtr::scene::ModelId;
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
    const std::string file = rtr::scene::modelRow(ModelId::wallDoor).file;
    const std::string wallDoor = readFile(intact.modelDir() / file);
    replaceLink(damaged.modelDir() / file, wallDoor.substr(0, wallDoor.size() / 3));
    const Outcome good = runIn(intact.runDir(), capture);
    const Outcome bad = runIn(damaged.runDir(), capture);
    ASSERT_EQ(good.status, 0) << good.out << good.err;
    ASSERT_EQ(bad.status, 0) << bad.out << bad.err;
    EXPECT_NE(bad.out.find("Assimp-Error: parsing file (../Models/" + file + ")"),
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
        {"lumavex_benchmark --at 2,x", "'x'"},      {"lumavex_capture --set ssao=maybe", "'maybe'"},
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
    EXPECT_NE(help.out.find("shadows, culling, wireframe"), std::string::npos) << help.out;
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
    EXPECT_NE(
        failed.err.find("cannot write " + odd + "-failed/show.mp4: ffmpeg exited with status 1"),
        std::string::npos)
        << failed.err;
    EXPECT_TRUE(fs::is_empty(box.runDir() / (odd + "-failed")));
}

// A folder that cannot take a file even for root, which ignores permission bits: a read-only
// or a full tmpfs mounted over it while the object lives. Without root a read-only folder is a
// folder without write permission; a full file system needs root and is then not ready().
class UnwritableFolder {
  public:
    enum Kind { readOnly, full };

    UnwritableFolder(fs::path folder, Kind kind) : dir(std::move(folder)) {
        fs::create_directories(dir);
        if (geteuid() != 0) {
            locked = kind == readOnly;
            if (locked)
                fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
            return;
        }
        const unsigned long flags = kind == readOnly ? MS_RDONLY : 0;
        mounted = mount("lumavex-test", dir.c_str(), "tmpfs", flags, "size=64k") == 0;
        locked = mounted;
        if (mounted && kind == full)
            fill();
    }
    ~UnwritableFolder() {
        if (mounted)
            umount2(dir.c_str(), MNT_DETACH);
        else
            fs::permissions(dir, fs::perms::owner_all);
    }
    bool ready() const { return locked; }
    // The files in it, the filler of a full one left out.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().filename() != "filler")
                names.push_back(entry.path().filename().string());
        return names;
    }

  private:
    // Writes until the file system is out of room.
    void fill() const {
        std::ofstream filler(dir / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) &&
               filler.flush()) {
        }
    }

    fs::path dir;
    bool mounted = false;
    bool locked = false;
};

// A run that could not write its file: status 1, no success line, the file and the cause named.
void expectWriteFailure(const Outcome& run, const std::string& successLine,
                        const std::string& failureLine) {
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out.find(successLine), std::string::npos) << run.out;
    EXPECT_NE(run.err.find(failureLine), std::string::npos) << run.err;
}

const char* const kNeedsRoot = "a full file system needs root to mount a small tmpfs";

TEST(BadInput, CaptureIntoAReadOnlyOrFullFolderFailsAndLeavesNoImage) {
    testsupport::ProgramSandbox box;
    const std::string capture = tool("lumavex_capture") + " --at 0.1 --fps 10 --out ";
    UnwritableFolder readOnly(box.runDir() / "read-only", UnwritableFolder::readOnly);
    ASSERT_TRUE(readOnly.ready());
    const Outcome refused = runIn(box.runDir(), capture + "read-only");
    expectWriteFailure(refused, "Captured", "cannot write in read-only: ");
    EXPECT_EQ(refused.out, "");  // found before start-up
    EXPECT_TRUE(readOnly.files().empty());

    UnwritableFolder full(box.runDir() / "full", UnwritableFolder::full);
    if (!full.ready())
        GTEST_SKIP() << kNeedsRoot;
    expectWriteFailure(runIn(box.runDir(), capture + "full"), "Captured",
                       "cannot write full/moment_000.10s.png: No space left on device");
    EXPECT_TRUE(full.files().empty());
}

TEST(BadInput, BenchmarkFilesThatCannotBeWrittenAreNamedWithTheCause) {
    testsupport::ProgramSandbox box;
    const std::string benchmark = tool("lumavex_benchmark") + " --frames 1 --at 1";
    UnwritableFolder readOnly(box.runDir() / "read-only", UnwritableFolder::readOnly);
    ASSERT_TRUE(readOnly.ready());
    for (const std::string& csv :
         {std::string("/nonexistent/d/b.csv"), std::string("read-only/b.csv")}) {
        const Outcome refused = runIn(box.runDir(), benchmark + " --csv " + csv);
        expectWriteFailure(refused, "all moments", "cannot write " + csv + ": ");
        EXPECT_EQ(refused.out, "") << csv;  // found before a minute of measuring
    }

    UnwritableFolder full(box.runDir() / "full", UnwritableFolder::full);
    if (!full.ready())
        GTEST_SKIP() << kNeedsRoot;
    const Outcome failed =
        runIn(box.runDir(), benchmark + " --csv /dev/full --plot full/chart.png");
    expectWriteFailure(failed, "Chart written", "cannot write /dev/full: No space left on device");
    expectWriteFailure(failed, "Chart written",
                       "cannot write full/chart.png: No space left on device");
    EXPECT_TRUE(full.files().empty());
}

TEST(BadInput, ChartNameNeverReachesGnuplotsCommands) {
    testsupport::ProgramSandbox box;
    const std::string name = "x\nsystem \"touch injected\"\ny.png";
    const Outcome run = runIn(
        box.runDir(), tool("lumavex_benchmark") + " --frames 1 --at 1 --plot " + shellQuote(name));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Chart written to " + name + "\n"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(box.runDir() / name).substr(1, 3), "PNG");
    EXPECT_FALSE(fs::exists(box.runDir() / "injected"));
}

TEST(BadInput, ToolsNeverWaitForAKeyAfterAFatalStartUpError) {
    if (testsupport::runShell("command -v script").exitStatus != 0)
        GTEST_SKIP() << "script (util-linux) is needed to give the programs a terminal";
    testsupport::TempDir dir;
    fs::create_directories(dir.path() / "repo");
    // `script` runs the command with a terminal as its standard input, as an ssh -t session or
    // a CI job with a pty does; a program that waited for a key would hang there.
    const auto onTerminal = [&](const std::string& command) {
        return runIn(dir.path() / "repo",
                     "timeout 60 script -qec " + shellQuote(command) + " /dev/null");
    };
    const std::string kPrompt = "Press any key";
    for (const std::string name : {"lumavex_capture", "lumavex_benchmark"}) {
        for (const std::string environment : {"", "env -u DISPLAY "}) {
            const Outcome run = onTerminal(environment + tool(name));
            EXPECT_EQ(run.status, 255) << name << " " << environment << run.out;
            EXPECT_EQ(run.out.find(kPrompt), std::string::npos) << name << ": " << run.out;
        }
    }
    // The same terminal makes the demo pause: the terminal is real.
    EXPECT_NE(onTerminal("env -u DISPLAY " + shellQuote(LUMAVEX_BINARY)).out.find(kPrompt),
              std::string::npos);
}

TEST(BadInput, InterruptedVideoLeavesNoShowMp4AndNoFfmpeg) {
    const auto ffmpeg = testsupport::runShell("command -v ffmpeg");
    if (ffmpeg.exitStatus != 0)
        GTEST_SKIP() << "ffmpeg is not installed";
    testsupport::ProgramSandbox box;
    // An ffmpeg that notes its process id, to see afterwards whether it outlived the tool.
    const fs::path bin = box.runDir().parent_path() / "bin";
    fs::create_directories(bin);
    std::ofstream(bin / "ffmpeg") << "#!/bin/sh\necho $$ >ffmpeg.pid\nexec "
                                  << ffmpeg.output.substr(0, ffmpeg.output.find('\n'))
                                  << " \"$@\"\n";
    fs::permissions(bin / "ffmpeg", fs::perms::owner_all);
    // A script's background job starts with Ctrl-C ignored; a terminal's foreground job does
    // not, so the signal is given back its default first.
    const Outcome run = runIn(
        box.runDir(),
        "(PATH=" + shellQuote(bin.string()) + ":\"$PATH\" env --default-signal=INT " +
            tool("lumavex_capture") +
            " --video --until 4 --out shots 2>progress.txt & pid=$!; "
            "until grep -q 'capture: 10 %' progress.txt || ! kill -0 $pid 2>/dev/null; do "
            "sleep 0.1; done; kill -INT $pid; wait $pid; echo \"status $?\"; cat progress.txt >&2; "
            "if kill -0 \"$(cat ffmpeg.pid)\" 2>/dev/null; then echo ffmpeg lives on; fi)");
    EXPECT_NE(run.out.find("status 130\n"), std::string::npos) << run.out << run.err;
    EXPECT_EQ(run.out.find("Captured"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("ffmpeg lives on"), std::string::npos);
    EXPECT_NE(run.err.find("interrupted after "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("the unfinished video was removed, no shots/show.mp4 written"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(fs::exists(box.runDir() / "ffmpeg.pid"));
    EXPECT_TRUE(fs::is_empty(box.runDir() / "shots"));
}

// A black PNG of the given size.
void writeBlackPng(const fs::path& path, int width, int height) {
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, 24);
    FreeImage_Save(FIF_PNG, bitmap, path.c_str());
    FreeImage_Unload(bitmap);
}

const rtr::scene::ModelRow& floorRow = rtr::scene::modelRow(ModelId::floor);

// The floor with every position coordinate NaN.
std::string floorWithNanPositions() {
    const std::string file = floorRow.file;
    std::string floor = readFile(testsupport::repoPath("Models/" + file));
    // The generator names the mesh after the file.
    const std::string positions = file.substr(0, file.find('.')) + "-mesh-positions-array";
    const std::size_t start = floor.find('>', floor.find(positions)) + 1;
    const std::size_t end = floor.find('<', start);
    std::string nans;
    for (std::size_t i = 0; i < 240; ++i) nans += " nan";
    return floor.replace(start, end - start, nans);
}

// One kind of damage done to a sandbox, and what the capture must say about it.
struct Damage {
    std::function<void(const testsupport::ProgramSandbox&)> apply;
    int status;
    std::string out;               // a piece of standard output; empty: nothing particular
    std::vector<std::string> err;  // pieces of standard error
};

TEST(BadInput, DamagedSceneDataIsNamedWithWhatItMeans) {
    const std::string floor = floorRow.file, concrete = floorRow.diffuse;
    const std::string sphere = rtr::scene::modelRow(ModelId::sphere).file;
    const std::vector<Damage> damages = {
        {[&](const auto& box) { replaceLink(box.modelDir() / floor, floorWithNanPositions()); },
         0,
         "",
         {"../Models/" + floor + ": ", " vertices have coordinates that are not finite numbers"}},
        {[&](const auto& box) {
             fs::remove(box.modelDir() / concrete);
             writeBlackPng(box.modelDir() / concrete, 20000, 4);
         },
         255,
         "DevIL Error: Could not load image, path: ../Models/" + concrete + "\n",
         {concrete + " is 20000 x 4 pixels; this GL takes textures up to "}},
        {[&](const auto& box) { fs::remove(box.modelDir() / sphere); },
         0,
         "",
         {"../Models/" + sphere + " did not load: no light volumes: lights will not be drawn\n"}},
        // timeout ends a start-up that waits on the pipe with 124, not the 255 of a refusal.
        {[](const auto& box) {
             fs::remove(box.shaderDir() / "hdrShader.frag");
             mkfifo((box.shaderDir() / "hdrShader.frag").c_str(), 0600);
         },
         255,
         "\nFailed to open shader file\n",
         {"../Shader/hdrShader.frag is not a regular file"}},
    };
    for (const Damage& damage : damages) {
        testsupport::ProgramSandbox box;
        damage.apply(box);
        const Outcome run = runIn(box.runDir(), "timeout 120 " + tool("lumavex_capture") +
                                                    " --no-images --until 0.1 --fps 10");
        EXPECT_EQ(run.status, damage.status) << run.err;
        EXPECT_NE(run.out.find(damage.out), std::string::npos) << run.out;
        for (const std::string& piece : damage.err)
            EXPECT_NE(run.err.find(piece), std::string::npos) << piece << " in " << run.err;
    }
}

TEST(BadInput, MissingModelFolderGetsTheStartFolderHint) {
    testsupport::ProgramSandbox box;
    fs::remove_all(box.modelDir());
    const Outcome run = runIn(box.runDir(), "timeout 120 " + tool("lumavex_capture") + " --at 1");
    EXPECT_EQ(run.status, 255);
    EXPECT_NE(run.err.find("model folder ../Models/ does not exist\n  working directory: " +
                           box.runDir().string()),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("Shader/ and Models/ must sit beside the directory"), std::string::npos);
}

}  // namespace
