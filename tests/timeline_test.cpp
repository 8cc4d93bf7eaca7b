// The viewer's hold on the show, on the real start-up: a seek gives the very frame the capture
// tool renders for that moment whatever path led there, a paused show stands still, and the
// live stage pictures are the ones the capture tool writes.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/frame_loop.h"
#include "app/globals.h"
#include "app/setting_keys.h"
#include "explore/shader_reload.h"
#include "explore/timeline.h"
#include "explore/view_command.h"
#include "camera/camera.h"
#include "camera/show_script.h"
#include "camera/update.h"
#include "common/show_runner.h"
#include "render/render_passes.h"
#include "render/stage_pictures.h"
#include "support/demo_harness.h"
#include "support/process.h"
#include "support/sandbox.h"
#include "test_images.h"

namespace {

namespace fs = std::filesystem;
using rtr::showTimeline;

// Share of pixels with a channel more than 1/255 away from the reference.
double shareOff(const std::vector<unsigned char>& image, const std::vector<unsigned char>& reference) {
    if (image.size() != reference.size() || image.empty())
        return 1.0;
    std::size_t off = 0;
    for (std::size_t i = 0; i < image.size(); i += 3) {
        for (std::size_t c = 0; c < 3; ++c) {
            if (std::abs(int(image[i + c]) - int(reference[i + c])) > 1) {
                ++off;
                break;
            }
        }
    }
    return double(off) / double(image.size() / 3);
}

class Timeline : public ::testing::Test {
  protected:
    // The capture tool's pictures of 30 and 57 s, then the program's own start-up.
    static void SetUpTestSuite() {
        box = new testsupport::ProgramSandbox();
        const auto result = testsupport::runShell(
            "cd " + testsupport::shellQuote(box->runDir().string()) + " && " +
            testsupport::shellQuote(LUMAVEX_CAPTURE) + " --stages --at 30,57 --out captured 2>&1");
        ASSERT_EQ(result.exitStatus, 0) << result.output;
        demo = new testsupport::DemoStartUp();
    }
    static void TearDownTestSuite() {
        delete demo;
        delete box;
    }
    void TearDown() override {
        showTimeline.setPaused(false);
        rtr::stageView = 0;
    }

    static std::vector<unsigned char> captured(const char* moment, const char* picture) {
        return testimages::loadPngRgb((box->runDir() / "captured" / moment / picture).string());
    }

    static testsupport::ProgramSandbox* box;
    static testsupport::DemoStartUp* demo;
};
testsupport::ProgramSandbox* Timeline::box = nullptr;
testsupport::DemoStartUp* Timeline::demo = nullptr;

// The granite block's ride, played from the start at the capture's clock: it is the one part of
// the show the camera does not always see that builds on every frame before.
float graniteOffsetAt(double t) {
    float offset = 0.0f;
    for (long frame = 0; frame < std::lround(t * 30.0); ++frame)
        offset = rtr::show::nextGraniteOffset(offset, 1.0 / 30.0);
    return offset;
}

TEST_F(Timeline, SeekingBackAndForthGivesTheCapturedFrameOfTheMoment) {
    // A clock unlike the capture's, so the path to each moment differs from the tool's.
    rtr::ShowRunner runner(1.0 / 23.0);
    while (runner.time() < 40.0) runner.step(false);
    showTimeline.seek(30.0);
    rtr::render();
    EXPECT_LT(shareOff(rtr::readFrameRgb(), captured("stages_030.00s", "8_final.png")), 0.001);
    EXPECT_EQ(rtr::graniteOffset, graniteOffsetAt(30.0));
    while (runner.time() < 33.0) runner.step(false);
    showTimeline.seek(57.0);
    rtr::render();
    EXPECT_LT(shareOff(rtr::readFrameRgb(), captured("stages_057.00s", "8_final.png")), 0.001);
    EXPECT_EQ(rtr::graniteOffset, graniteOffsetAt(57.0));
}

TEST_F(Timeline, PausedShowKeepsItsFrameAndItsClock) {
    rtr::FrameLoop loop;
    showTimeline.seek(30.0);
    showTimeline.setPaused(true);
    loop.step();
    const double pausedAt = rtr::totalTime;
    rtr::drawWindowContents();
    const std::vector<unsigned char> first = testsupport::readWindowRgb();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    loop.step();
    rtr::drawWindowContents();
    EXPECT_EQ(rtr::totalTime, pausedAt);
    EXPECT_EQ(testsupport::readWindowRgb(), first);
    showTimeline.setPaused(false);
    loop.step();
    EXPECT_GT(rtr::totalTime, pausedAt);
}

// Played on another clock, the show stands between two replay frames; a step goes to the next
// one in its direction, not to the nearest.
TEST_F(Timeline, StepsGoToTheNextReplayFrameEitherWay) {
    rtr::ShowRunner runner(1.0 / 23.0);
    while (runner.time() < 10.0) runner.step(false);
    const double from = rtr::totalTime;
    showTimeline.stepForward();
    EXPECT_TRUE(showTimeline.paused());
    const double frame = std::round(rtr::totalTime * 30.0);
    EXPECT_NEAR(rtr::totalTime * 30.0, frame, 1e-6);
    EXPECT_GT(rtr::totalTime, from);
    EXPECT_LE(rtr::totalTime - from, 1.0 / 30.0);
    showTimeline.stepBack();
    EXPECT_NEAR(rtr::totalTime * 30.0, frame - 1.0, 1e-6);
}

TEST_F(Timeline, LiveStagePicturesAreTheCapturedOnes) {
    showTimeline.seek(30.0);
    for (int view : {2, 3, 6}) {
        rtr::stageView = view;
        rtr::drawWindowContents();
        EXPECT_LT(shareOff(testsupport::readWindowRgb(),
                           captured("stages_030.00s", rtr::stagePictures[view - 1].file)),
                  0.001)
            << rtr::stagePictures[view - 1].file;
    }
}

// Saving every shader again (F5) sets up each program as start-up did, and the numbers go back
// to the show's frame with Reset.
TEST_F(Timeline, ReloadedShadersAndResetNumbersGiveTheSameFrame) {
    showTimeline.seek(30.0);
    rtr::render();
    const std::vector<unsigned char> before = rtr::readFrameRgb();
    rtr::shaderReloader.reloadAll();
    EXPECT_TRUE(rtr::shaderReloader.failures().empty());
    rtr::render();
    EXPECT_EQ(rtr::readFrameRgb(), before);
    rtr::RenderSettings.ssaoKernelSize = 32.0f;
    rtr::RenderSettings.ssaoPower = 3.0f;
    rtr::render();
    EXPECT_GT(shareOff(rtr::readFrameRgb(), before), 0.01);
    rtr::resetToShowValues(rtr::RenderSettings);
    rtr::render();
    EXPECT_EQ(rtr::readFrameRgb(), before);
}

// The line F2 prints, run as printed, renders the view on screen: a moment between two replay
// frames reached on another clock, a camera flown elsewhere and a changed number.
TEST_F(Timeline, ViewCommandRendersTheViewOnScreen) {
    showTimeline.seek(0.0);
    rtr::ShowRunner runner(1.0 / 23.0);
    while (runner.time() < 31.0) runner.step(false);
    const rtr::RenderSettingsRecord savedSettings = rtr::RenderSettings;
    rtr::camera->freeFly = true;
    rtr::camera->position = glm::vec3(0.4f, 1.3f, 1.1f);
    rtr::camera->yaw = 200.5f;
    rtr::camera->pitch = -12.25f;
    rtr::RenderSettings.ssaoRadius = 1.25f;
    rtr::render();
    const std::vector<unsigned char> onScreen = rtr::readFrameRgb();
    const std::string command = rtr::viewCommand();
    rtr::camera->freeFly = false;
    rtr::RenderSettings = savedSettings;

    const std::string program = "./lumavex_capture ";
    ASSERT_EQ(command.rfind(program, 0), 0u) << command;
    const auto result = testsupport::runShell(
        "cd " + testsupport::shellQuote(box->runDir().string()) + " && " +
        testsupport::shellQuote(LUMAVEX_CAPTURE) + " " + command.substr(program.size()) +
        " --out view 2>&1");
    ASSERT_EQ(result.exitStatus, 0) << command << "\n" << result.output;
    std::vector<fs::path> written;
    for (const auto& entry : fs::directory_iterator(box->runDir() / "view"))
        written.push_back(entry.path());
    ASSERT_EQ(written.size(), 1u) << command;
    EXPECT_EQ(shareOff(testimages::loadPngRgb(written.front().string()), onScreen), 0.0)
        << command;
}

}  // namespace
