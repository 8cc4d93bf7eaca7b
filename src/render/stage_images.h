#pragma once

// Turns the raw contents of the render targets into pictures a person can read: every
// function takes what glGetTexImage returned (bottom row first) and gives RGB bytes in the
// same row order.

#include <array>
#include <vector>

namespace rtr {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

// View-space positions (RGBA: xyz in metres, w the linear depth) as colour: x and y over
// [-extent/2, extent/2] to red and green, distance in front of the camera over [0, extent] to
// blue. Pixels no surface covered (w = 0) stay black.
RgbImage positionImage(const std::vector<float>& rgba, int width, int height, float extent);

// View-space normals mapped from [-1, 1] to [0, 1], as the debug view shows them.
RgbImage normalImage(const std::vector<float>& rgb, int width, int height);

// One channel in [0, 1] as grey.
RgbImage greyImage(const std::vector<float>& values, int width, int height);


// The six faces of a depth cube map (512 x 512 each, layer order +X -X +Y -Y +Z -Z) unfolded as
// a cross, each face halved to `faceSize`: the distance from the light as grey, near light and
// far dark; where nothing was drawn stays black. Layout, rows from the top: +Y above +Z; then
// -X +Z +X -Z; -Y below +Z (the faces as stored, so their edges meet across the folds).
RgbImage shadowCross(const std::array<std::vector<float>, 6>& faces, int size, int faceSize,
                     float nearPlane, float farPlane);

// The range of the false-colour image: the luminance at its 1st percentile of lit pixels and
// its highest luminance.
struct LuminanceRange {
    float low = 0.0f;
    float high = 0.0f;
};
LuminanceRange luminanceRange(const std::vector<float>& rgb);

// HDR colour as false colour of log luminance over `range` (dark blue low, red high), with a
// colour bar in the bottom-left corner; unlit pixels stay black.
RgbImage falseColourImage(const std::vector<float>& rgb, int width, int height,
                          LuminanceRange range);

}  // namespace rtr
