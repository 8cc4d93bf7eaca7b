#pragma once

// Images as the generator paints them (linear float channels in 0..1) and their PNG encoding.

#include <glm/glm.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace scenegen {

struct Image {
    int width = 0;
    int height = 0;
    int channels = 3;         // 3: RGB, 4: RGBA
    std::vector<float> data;  // rows top first, channels interleaved

    Image() = default;
    Image(int w, int h, int c = 3);
    float* at(int x, int y) { return &data[(static_cast<std::size_t>(y) * width + x) * channels]; }
    const float* at(int x, int y) const {
        return &data[(static_cast<std::size_t>(y) * width + x) * channels];
    }
    void set(int x, int y, const glm::vec3& rgb);
    glm::vec3 rgb(int x, int y) const;
};

// PNG bytes through FreeImage: 8 bits per channel, best compression, no time stamp, so the
// same image always gives the same bytes.
std::vector<std::uint8_t> encodePng(const Image& image);

// Decodes a PNG (8-bit RGB or RGBA; other kinds are widened to RGB) through FreeImage.
Image decodePng(const std::vector<std::uint8_t>& bytes);

}  // namespace scenegen
