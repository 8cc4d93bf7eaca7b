// The anatomy of a frame: its pictures come from the real render targets, and the capture tool
// writes a labelled sheet for every moment asked for.
#include <FreeImage.h>
#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <cmath>
#include <string>

#include "app/globals.h"
#include "common/show_runner.h"
#include "camera/camera.h"
#include "stages.h"
#include "support/demo_harness.h"
#include "support/process.h"
#include "support/sandbox.h"

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

}  // namespace
