#pragma once

// The pictures of a frame's stages: each render target the real passes filled, read back and
// turned into an image a person can read. The capture tool writes them as files; the demo shows
// one live in its window instead of the finished frame.

#include <array>
#include <cstddef>
#include <vector>

#include "render/stage_images.h"

namespace rtr {

struct StagePicture {
    const char* file;     // "3_normal.png"
    const char* caption;  // what a sheet of them writes under it
    std::size_t stage;    // index into renderStages of the stage that wrote it
    RgbImage (*make)();   // reads the target back as the last frame left it
};

// In frame order; the demo's keys 1 to 8 pick them by their place here.
extern const std::array<StagePicture, 8> stagePictures;

// The range the HDR light's false colours span in the last frame.
LuminanceRange hdrLuminanceRange();

// The frame just rendered, at the render size, as tightly packed RGB rows, bottom row first:
// from the window's back buffer, or from the off-screen frame when the window scales it.
std::vector<unsigned char> readFrameRgb();

// A rectangle of the window's back buffer, in the same layout.
std::vector<unsigned char> readBackBufferRgb(int x, int y, int width, int height);

}  // namespace rtr
