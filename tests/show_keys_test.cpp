// The settings keys H, O, E, R and M of the running demo, pressed through real X events.
#include <gtest/gtest.h>

#include <FreeImage.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/process.h"
#include "support/sandbox.h"

namespace {

using testsupport::shellQuote;

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The files whose absence ends start-up, stood in for where the scene data is not generated:
// the two face textures and the music.
void provideFatalFiles(const testsupport::ProgramSandbox& box) {
    for (const char* face : {"ilo_eyes_02.png", "ilo_eyes_07.png"}) {
        const std::filesystem::path path = box.modelDir() / face;
        if (!std::filesystem::exists(path)) {
            FIBITMAP* image = FreeImage_Allocate(4, 4, 24);
            FreeImage_Save(FIF_PNG, image, path.c_str());
            FreeImage_Unload(image);
        }
    }
    const std::filesystem::path music =
        box.modelDir() / "Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3";
    if (!std::filesystem::exists(music)) {
        std::filesystem::create_directories(music.parent_path());
        std::string frame(417, '\0');  // silent MPEG-1 layer III frames
        frame[0] = static_cast<char>(0xff);
        frame[1] = static_cast<char>(0xfb);
        frame[2] = static_cast<char>(0x90);
        frame[3] = static_cast<char>(0xc0);
        std::ofstream out(music, std::ios::binary);
        for (int i = 0; i < 40; ++i) {
            out << frame;
        }
    }
}

// Starts the demo, waits until start-up is through (its last line, or a minute at most), runs
// `action` with $wid and $run set, ends the demo with Escape and returns what it printed.
testsupport::ProcessResult runDemoWith(const testsupport::ProgramSandbox& box,
                                       const std::string& action) {
    const std::string run = shellQuote(box.runDir().string());
    const std::string script =
        "run=" + run + "; cd \"$run\" || exit 99; (timeout 180 " + shellQuote(LUMAVEX_BINARY) +
        " > out.txt 2>&1; echo $? > status.txt) & pid=$!; "
        "wid=$(timeout 100 xdotool search --sync --onlyvisible --name 'Lumavex - VORNE.X' "
        "| head -n1); "
        "for i in $(seq 300); do grep -q '>>> Load Music' out.txt && break; "
        "kill -0 $pid 2>/dev/null || break; sleep 0.2; done; "
        "sleep 1; xdotool windowfocus --sync $wid; " +
        action + "; xdotool key Escape; wait; cat \"$run/out.txt\"; exit $(cat status.txt)";
    return testsupport::runShell(script);
}

}  // namespace

TEST(ShowKeys, EachSettingsKeyActsOncePerPressAndOnlyOnRelease) {
    testsupport::ProgramSandbox box;
    provideFatalFiles(box);
    const std::string heldH = (box.runDir() / "held_h.txt").string();
    const auto result =
        runDemoWith(box, "xdotool keydown h; sleep 1; cp out.txt " + shellQuote(heldH) +
                             "; xdotool keyup h; sleep 0.5; "
                             "for k in o e r m; do xdotool key $k; sleep 0.4; done; "
                             "xdotool keydown e; sleep 1.5; xdotool keyup e; sleep 0.5");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    const std::string& out = result.output;

    const auto whileHeld = testsupport::runShell("cat " + shellQuote(heldH));
    EXPECT_EQ(whileHeld.exitStatus, 0);
    EXPECT_NE(whileHeld.output.find(">>> Load Music"), std::string::npos) << whileHeld.output;
    EXPECT_EQ(whileHeld.output.find("HDR:"), std::string::npos) << whileHeld.output;

    EXPECT_EQ(countOf(out, "HDR: deactivated\n"), 1u) << out;
    EXPECT_EQ(countOf(out, "HDR: activated\n"), 0u) << out;
    EXPECT_EQ(countOf(out, "SSAO: deactivated\n"), 1u) << out;
    EXPECT_EQ(countOf(out, "Debug: activated\n"), 1u) << out;
    // E, R, then E held for a while: one step each.
    EXPECT_NE(out.find("gamma = 2.3\ngamma = 2.2\nDebug: activated\ngamma = 2.3\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(countOf(out, "gamma = "), 3u) << out;
}
