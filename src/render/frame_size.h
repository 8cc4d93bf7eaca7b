#pragma once

namespace rtr {

// A size in pixels. Zero in either direction is an empty size: a minimised window's framebuffer.
struct PixelSize {
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    float aspect() const { return static_cast<float>(width) / static_cast<float>(height); }
    bool operator==(const PixelSize& other) const {
        return width == other.width && height == other.height;
    }
    bool operator!=(const PixelSize& other) const { return !(*this == other); }
};

// The size the show is composed for: every frame is rendered at it unless the viewer asks for
// the window's own resolution.
constexpr PixelSize kShowFrameSize{1024, 768};

// A rectangle of pixels, lower-left origin as GL counts them.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The largest rectangle with `content`'s aspect ratio that fits into `target`, centred; the two
// spare sides become equal bars (a leftover odd pixel goes to the right or top). Empty when
// either size is.
PixelRect fitRect(PixelSize content, PixelSize target);

}  // namespace rtr
