// Runs the real demo binary under the test X server and drives it like a person would.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scene/scene_layout.h"
#include "scene/scene_models.h"
#include "support/demo_process.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

using testsupport::countOf;

using testsupport::runShell;
using testsupport::shellQuote;

using rtr::scene::ModelId;

std::string modelFile(ModelId id) {
    return rtr::scene::modelRow(id).file;
}

// The line start-up prints as it begins to read model `id`.
std::string readingLine(ModelId id) {
    return "### Reading file/model (../Models/" + modelFile(id) + "):";
}

TEST(DemoProgram, PrintsGlStringsFirstAndEndsOnEscape) {
    testsupport::ProgramSandbox box;
    const auto result = testsupport::runDemo(box, "");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    // Renderer, version, vendor: three plain lines before anything else. Whatever the GPU,
    // the version of a 4.x core context starts with "4.".
    const std::string& text = result.output;
    std::vector<std::string> lines;
    std::size_t lineEnd = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = text.find('\n', lineEnd);
        ASSERT_NE(end, std::string::npos) << text;
        lines.push_back(text.substr(lineEnd, end - lineEnd));
        lineEnd = end + 1;
    }
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty()) << text;
        EXPECT_EQ(line.find("Error occured"), std::string::npos) << text;
    }
    EXPECT_EQ(lines[1].rfind("4.", 0), 0u) << text;
    const std::size_t firstError = text.find("Error occured");
    if (firstError != std::string::npos) {
        EXPECT_GE(firstError, lineEnd);
        EXPECT_EQ(text.find("General GL Error Checking"), std::string::npos) << text;
    }
}

TEST(DemoProgram, RefusesAnUnknownArgumentWithItsUsageOnStandardError) {
    const std::string demo = shellQuote(LUMAVEX_BINARY);
    const auto quiet = runShell(demo + " --frobnicate 2>/dev/null");
    EXPECT_EQ(quiet.exitStatus, 2);
    EXPECT_EQ(quiet.output, "");
    const auto said = runShell(demo + " --frobnicate 2>&1");
    EXPECT_NE(said.output.find("--frobnicate"), std::string::npos) << said.output;
    EXPECT_NE(said.output.find("--native"), std::string::npos) << said.output;
}

TEST(DemoProgram, EndsWhenTheWindowManagerAsksItToClose) {
    testsupport::ProgramSandbox box;
    const auto result =
        testsupport::runDemo(box, "",
                             "for i in $(seq 60); do kill -0 $pid 2>/dev/null || break; " +
                                 std::string(LUMAVEX_SEND_WM_DELETE) + " $wid; sleep 1; done");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_EQ(result.output.find("General GL Error Checking"), std::string::npos) << result.output;
}

TEST(DemoProgram, StartUpReportsLoadingInItsFixedOrder) {
    testsupport::ProgramSandbox box;
    const auto result = testsupport::runDemo(box, "");
    const std::string& out = result.output;
    EXPECT_EQ(result.exitStatus, 0) << out;
    const std::size_t wall = out.find(readingLine(ModelId::shadowWalls));
    const std::size_t face = out.find(readingLine(ModelId::iloFace));
    const std::size_t awake = out.find("  Ilo: Awake-Texture loaded.\n");
    const std::size_t vessel = out.rfind(readingLine(ModelId::vessel));
    const std::size_t sphere = out.find(readingLine(ModelId::sphere));
    const std::size_t music = out.find(">>> Load Music\n");
    ASSERT_NE(wall, std::string::npos) << out;
    EXPECT_LT(wall, face);
    EXPECT_LT(face, awake);
    EXPECT_LT(awake, vessel);
    EXPECT_LT(vessel, sphere);
    EXPECT_LT(sphere, music);
    EXPECT_NE(music, std::string::npos) << out;
    EXPECT_EQ(countOf(out, "  Ilo: Awake-Texture loaded."), 1u);
    EXPECT_EQ(countOf(out, readingLine(ModelId::roll)),
              static_cast<std::size_t>(rtr::scene::layout::rollCount));
    EXPECT_EQ(countOf(out, readingLine(ModelId::sphere)), 4u);
    EXPECT_EQ(countOf(out, "Assimp-Error"), 0u) << out;
    EXPECT_EQ(out.find("ERROR ShadowMapFBO"), std::string::npos);
    EXPECT_EQ(out.find("General GL Error Checking"), std::string::npos) << out;
}

TEST(DemoProgram, MissingModelOrCurveFileDoesNotStopStartUp) {
    testsupport::ProgramSandbox box;
    std::filesystem::remove(box.modelDir() / modelFile(ModelId::door));
    std::filesystem::remove(box.modelDir() / "maincurve.txt");
    const auto result = testsupport::runDemo(box, "");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_NE(result.output.find("  Assimp-Error: parsing file (../Models/" +
                                 modelFile(ModelId::door) + ") failed: "),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find(">>> Load Music"), std::string::npos);
}

// A program that cannot start must say why and end with status 255 at once, without waiting
// for a key when nobody is at the terminal.
testsupport::ProcessResult runWithout(const std::string& relativeFile) {
    testsupport::ProgramSandbox box;
    std::filesystem::remove(box.runDir().parent_path() / relativeFile);
    return runShell("cd " + shellQuote(box.runDir().string()) + " && timeout 120 " +
                    shellQuote(LUMAVEX_BINARY));
}

TEST(DemoProgram, MissingShaderTextureOrMusicFileStopsStartUp) {
    auto result = runWithout("Shader/deferredLight.frag");
    EXPECT_EQ(result.exitStatus, 255);
    EXPECT_NE(result.output.find("Failed to open shader file\n"), std::string::npos)
        << result.output;

    const std::string awakeFace = rtr::scene::modelRow(ModelId::iloFace).diffuse;
    result = runWithout("Models/" + awakeFace);
    EXPECT_EQ(result.exitStatus, 255);
    EXPECT_NE(result.output.find("DevIL Error: Could not load image, path: ../Models/" + awakeFace +
                                 "\n"),
              std::string::npos)
        << result.output;

    result = runWithout("Models/Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3");
    EXPECT_EQ(result.exitStatus, 255);
    const std::size_t loadMusic = result.output.find(">>> Load Music\n");
    ASSERT_NE(loadMusic, std::string::npos) << result.output;
    EXPECT_NE(result.output.find("FMOD error: (", loadMusic), std::string::npos) << result.output;
}

}  // namespace
