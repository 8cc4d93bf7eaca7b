#pragma once

// The anatomy of one frame: every render target read back after the real passes ran, turned
// into pictures, and a labelled sheet of them in frame order with each stage's GPU time.

#include <array>
#include <string>
#include <vector>

#include "common/stage_timing.h"
#include "render/stage_images.h"

namespace tools {

struct StageImage {
    std::string file;     // "3_normal.png"
    std::string caption;  // what the sheet writes under it
    std::size_t stage;    // index into rtr::renderStages of the stage that wrote it
    rtr::RgbImage image;
};

struct FrameAnatomy {
    std::array<double, kStageCount> milliseconds{};  // median GPU time per stage
    std::vector<StageImage> images;                  // in frame order
    rtr::LuminanceRange hdrRange;                        // of the false-colour image
};

// Draws the frame the show is at `repeats` times with a timer query around each stage, then
// reads back every target the last run filled. Needs the demo started; leaves the frame in the
// window's back buffer.
FrameAnatomy dissectFrame(int repeats = 5);

// Writes each image and the labelled "sheet.png" into `directory` (created when missing), the
// HDR image with its range written on it. False with the reason in `error`.
bool writeAnatomy(const FrameAnatomy& anatomy, double showTime, const std::string& directory,
                  std::string& error);

// "<outDir>/stages_030.00s": where writeAnatomy puts one moment.
std::string anatomyDirectory(const std::string& outDir, double showTime);

}  // namespace tools
