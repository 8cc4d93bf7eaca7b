// The anatomy of a frame: its pictures come from the real render targets, and the capture tool
// writes a labelled sheet for every moment asked for.
#include <FreeImage.h>
#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/globals.h"
#include "common/show_runner.h"
#include "camera/camera.h"
#include "render/render_passes.h"
#include "render/stage_pictures.h"
#include "stages.h"
#include "support/demo_harness.h"
#include "support/process.h"
#include "support/sandbox.h"
#include "test_images.h"

namespace {

namespace fs = std::filesystem;

const rtr::RgbImage& imageNamed(const tools::FrameAnatomy& anatomy, const std::string& file) {
    for (const tools::StageImage& image : anatomy.images) {
        if (image.file == file)
            return image.image;
    }
    ADD_FAILURE() << "no stage image " << file;
    static const rtr::RgbImage none;
    return none;
}

// At 57 s the camera looks along the conveyor with the floor across the bottom of the frame.
// The floor faces world +y, so its pixels must show the camera's view of +y, mapped from
// [-1, 1] to [0, 1].
TEST(FrameStages, NormalImageShowsTheFloorAsTheCameraSeesIt) {
    testsupport::DemoStartUp demo;
    rtr::ShowRunner runner(1.0 / 30.0);
    while (runner.time() < 57.0) runner.step(false);
    const tools::FrameAnatomy anatomy = tools::dissectFrame(1);
    const glm::vec3 up = glm::mat3(rtr::camera->viewMatrix()) * glm::vec3(0.0f, 1.0f, 0.0f);
    const rtr::RgbImage& normal = imageNamed(anatomy, "3_normal.png");
    ASSERT_EQ(normal.rgb.size(), 1024u * 768u * 3u);
    for (int x : {300, 512, 700}) {
        const unsigned char* pixel = &normal.rgb[(8u * 1024u + x) * 3u];  // row 8 from the bottom
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(pixel[c], (up[c] * 0.5f + 0.5f) * 255.0f, 3.0f)
                << "column " << x << ", channel " << c;
        }
    }
}

TEST(FrameStages, CaptureWritesASheetForEachMoment) {
    testsupport::ProgramSandbox box;
    const fs::path out = box.runDir() / "stages out";
    const auto result = testsupport::runShell(
        "cd " + testsupport::shellQuote(box.runDir().string()) + " && " +
        testsupport::shellQuote(LUMAVEX_CAPTURE) + " --stages --at 2,30 --out " +
        testsupport::shellQuote(out.string()) + " 2>&1");
    ASSERT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_NE(result.output.find("0 GL errors."), std::string::npos) << result.output;
    for (const char* moment : {"stages_002.00s", "stages_030.00s"}) {
        const std::string sheet = (out / moment / "sheet.png").string();
        FIBITMAP* bitmap = FreeImage_Load(FIF_PNG, sheet.c_str(), PNG_DEFAULT);
        ASSERT_NE(bitmap, nullptr) << sheet;
        // Four columns of 400-pixel tiles with their labels below them.
        EXPECT_GE(FreeImage_GetWidth(bitmap), 1600u);
        EXPECT_GE(FreeImage_GetHeight(bitmap), 600u);
        FreeImage_Unload(bitmap);
        EXPECT_TRUE(fs::exists(out / moment / "7_hdr_light.png")) << moment;
    }
}

std::size_t differingBytes(const std::vector<unsigned char>& a,
                           const std::vector<unsigned char>& b) {
    if (a.size() != b.size())
        return std::max(a.size(), b.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i) differing += a[i] != b[i];
    return differing;
}

// The capture must render exactly what the switch gives when set in the program itself, and
// the switch must show at that moment (at 5 s the occlusion darkens a sixth of the frame; at
// 2 s the exposure ramp still washes it out).
TEST(CaptureSettings, SetRendersTheFrameTheSwitchGives) {
    testsupport::ProgramSandbox box;
    const auto result = testsupport::runShell(
        "cd " + testsupport::shellQuote(box.runDir().string()) + " && " +
        testsupport::shellQuote(LUMAVEX_CAPTURE) + " --at 5 --set ssao=off --out shots 2>&1");
    ASSERT_EQ(result.exitStatus, 0) << result.output;
    const std::vector<unsigned char> captured =
        testimages::loadPngRgb((box.runDir() / "shots" / "moment_005.00s.png").string());

    testsupport::DemoStartUp demo;
    rtr::RenderSettings.ssao = false;
    rtr::ShowRunner runner(1.0 / 30.0);
    while (runner.frameIndex() < 149) runner.step(false);  // the capture draws frame 150
    std::vector<unsigned char> withoutOcclusion;
    runner.step(true, &withoutOcclusion);
    rtr::RenderSettings.ssao = true;
    rtr::render();
    const std::vector<unsigned char> withOcclusion = rtr::readFrameRgb();

    EXPECT_EQ(differingBytes(captured, withoutOcclusion), 0u);
    EXPECT_GT(differingBytes(withOcclusion, withoutOcclusion), withOcclusion.size() / 20);
}

}  // namespace
