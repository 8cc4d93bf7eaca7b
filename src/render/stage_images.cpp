#include "render/stage_images.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace rtr {

namespace {

unsigned char toByte(float value) {
    return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

RgbImage blankImage(int width, int height) {
    return {width, height, std::vector<unsigned char>(static_cast<std::size_t>(width) * height * 3)};
}

void setPixel(RgbImage& image, int x, int y, float r, float g, float b) {
    unsigned char* p = &image.rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
    p[0] = toByte(r);
    p[1] = toByte(g);
    p[2] = toByte(b);
}

float luminance(const float* rgb) {
    return 0.2126f * rgb[0] + 0.7152f * rgb[1] + 0.0722f * rgb[2];
}

// A perceptually even ramp from dark blue through cyan, green and yellow to dark red.
void rampColour(float t, float out[3]) {
    static const float stops[7][3] = {{0.19f, 0.07f, 0.23f}, {0.27f, 0.51f, 0.97f},
                                      {0.10f, 0.89f, 0.71f}, {0.64f, 0.99f, 0.24f},
                                      {0.98f, 0.73f, 0.22f}, {0.89f, 0.27f, 0.04f},
                                      {0.48f, 0.02f, 0.01f}};
    const float scaled = std::clamp(t, 0.0f, 1.0f) * 6.0f;
    const int i = std::min(5, static_cast<int>(scaled));
    const float f = scaled - static_cast<float>(i);
    for (int c = 0; c < 3; ++c) out[c] = stops[i][c] + f * (stops[i + 1][c] - stops[i][c]);
}

// Window depth of a perspective projection back to the distance along the face's axis.
float depthToDistance(float depth, float nearPlane, float farPlane) {
    const float ndc = 2.0f * depth - 1.0f;
    return 2.0f * farPlane * nearPlane / (farPlane + nearPlane - ndc * (farPlane - nearPlane));
}

// Column and row (counted from the top) of each face in the 4 x 3 cross, in layer order.
constexpr int kCrossCell[6][2] = {{2, 1}, {0, 1}, {1, 0}, {1, 2}, {1, 1}, {3, 1}};

void drawColourBar(RgbImage& image) {
    const int left = 10, width = 300, bottom = 10, height = 14;
    for (int y = bottom - 1; y <= bottom + height; ++y) {
        for (int x = left - 1; x <= left + width; ++x) {
            const bool frame = y < bottom || y == bottom + height || x < left || x == left + width;
            float c[3] = {1.0f, 1.0f, 1.0f};
            if (!frame)
                rampColour(static_cast<float>(x - left) / (width - 1), c);
            setPixel(image, x, y, c[0], c[1], c[2]);
        }
    }
}

}  // namespace

RgbImage positionImage(const std::vector<float>& rgba, int width, int height, float extent) {
    RgbImage image = blankImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
            if (p[3] <= 0.0f)
                continue;
            setPixel(image, x, y, p[0] / extent + 0.5f, p[1] / extent + 0.5f, -p[2] / extent);
        }
    }
    return image;
}

RgbImage normalImage(const std::vector<float>& rgb, int width, int height) {
    RgbImage image = blankImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float* n = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            setPixel(image, x, y, n[0] * 0.5f + 0.5f, n[1] * 0.5f + 0.5f, n[2] * 0.5f + 0.5f);
        }
    }
    return image;
}

RgbImage greyImage(const std::vector<float>& values, int width, int height) {
    RgbImage image = blankImage(width, height);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const unsigned char grey = toByte(values[i]);
        image.rgb[i * 3] = image.rgb[i * 3 + 1] = image.rgb[i * 3 + 2] = grey;
    }
    return image;
}

RgbImage shadowCross(const std::array<std::vector<float>, 6>& faces, int size, int faceSize,
                     float nearPlane, float farPlane) {
    float farthest = nearPlane;
    for (const std::vector<float>& face : faces) {
        for (float depth : face) {
            if (depth < 1.0f)
                farthest = std::max(farthest, depthToDistance(depth, nearPlane, farPlane));
        }
    }
    RgbImage image = blankImage(4 * faceSize, 3 * faceSize);
    // The cells outside the cross in a dark blue, so "nothing drawn" (black) stands out.
    for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
        image.rgb[i] = 22;
        image.rgb[i + 1] = 26;
        image.rgb[i + 2] = 48;
    }
    const int step = size / faceSize;
    for (int f = 0; f < 6; ++f) {
        for (int t = 0; t < faceSize; ++t) {
            for (int s = 0; s < faceSize; ++s) {
                const float depth = faces[f][static_cast<std::size_t>(t * step) * size + s * step];
                // Cube faces keep t pointing down the cross; the image rows count from the bottom.
                const int x = kCrossCell[f][0] * faceSize + s;
                const int y = image.height - 1 - (kCrossCell[f][1] * faceSize + t);
                const float distance = depthToDistance(depth, nearPlane, farPlane);
                const float grey = depth >= 1.0f ? 0.0f : 1.0f - 0.85f * distance / farthest;
                setPixel(image, x, y, grey, grey, grey);
            }
        }
    }
    return image;
}

LuminanceRange luminanceRange(const std::vector<float>& rgb) {
    std::vector<float> lit;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        const float l = luminance(&rgb[i]);
        if (l > 0.0f)
            lit.push_back(l);
    }
    if (lit.empty())
        return {};
    auto percentile = lit.begin() + static_cast<std::ptrdiff_t>(lit.size() / 100);
    std::nth_element(lit.begin(), percentile, lit.end());
    const float high = *std::max_element(lit.begin(), lit.end());
    return {std::max(*percentile, high * 1e-6f), high};
}

RgbImage falseColourImage(const std::vector<float>& rgb, int width, int height,
                          LuminanceRange range) {
    RgbImage image = blankImage(width, height);
    const float logLow = std::log10(std::max(range.low, 1e-30f));
    const float logSpan = std::max(std::log10(std::max(range.high, 1e-30f)) - logLow, 1e-6f);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float l = luminance(&rgb[(static_cast<std::size_t>(y) * width + x) * 3]);
            if (l <= 0.0f)
                continue;
            float c[3];
            rampColour((std::log10(l) - logLow) / logSpan, c);
            setPixel(image, x, y, c[0], c[1], c[2]);
        }
    }
    drawColourBar(image);
    return image;
}

}  // namespace rtr
