#include "image.h"

#include <FreeImage.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace scenegen {

Image::Image(int w, int h, int c)
    : width(w), height(h), channels(c), data(static_cast<std::size_t>(w) * h * c, 0.0f) {}

void Image::set(int x, int y, const glm::vec3& rgb) {
    float* p = at(x, y);
    p[0] = rgb.r;
    p[1] = rgb.g;
    p[2] = rgb.b;
}

glm::vec3 Image::rgb(int x, int y) const {
    const float* p = at(x, y);
    return {p[0], p[1], p[2]};
}

namespace {

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

// FreeImage keeps rows bottom first and, on this platform, channels in BGR(A) order.
constexpr int kChannelOrder[4] = {FI_RGBA_RED, FI_RGBA_GREEN, FI_RGBA_BLUE, FI_RGBA_ALPHA};

FIBITMAP* toBitmap(const Image& image) {
    FIBITMAP* bitmap = FreeImage_Allocate(image.width, image.height, 8 * image.channels);
    if (bitmap == nullptr)
        throw std::runtime_error("cannot allocate a bitmap");
    for (int y = 0; y < image.height; ++y) {
        BYTE* row = FreeImage_GetScanLine(bitmap, image.height - 1 - y);
        const float* source = image.at(0, y);
        for (int x = 0; x < image.width; ++x) {
            for (int c = 0; c < image.channels; ++c)
                row[x * image.channels + kChannelOrder[c]] = toByte(source[x * image.channels + c]);
        }
    }
    return bitmap;
}

Image fromBitmap(FIBITMAP* bitmap) {
    const int channels = FreeImage_GetBPP(bitmap) == 32 ? 4 : 3;
    Image image(static_cast<int>(FreeImage_GetWidth(bitmap)),
                static_cast<int>(FreeImage_GetHeight(bitmap)), channels);
    for (int y = 0; y < image.height; ++y) {
        const BYTE* row = FreeImage_GetScanLine(bitmap, image.height - 1 - y);
        float* target = image.at(0, y);
        for (int x = 0; x < image.width; ++x) {
            for (int c = 0; c < channels; ++c)
                target[x * channels + c] = row[x * channels + kChannelOrder[c]] / 255.0f;
        }
    }
    return image;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Image& image) {
    FIBITMAP* bitmap = toBitmap(image);
    FIMEMORY* memory = FreeImage_OpenMemory();
    const bool saved = FreeImage_SaveToMemory(FIF_PNG, bitmap, memory, PNG_Z_BEST_COMPRESSION);
    FreeImage_Unload(bitmap);
    BYTE* data = nullptr;
    DWORD size = 0;
    if (saved)
        FreeImage_AcquireMemory(memory, &data, &size);
    std::vector<std::uint8_t> png(data, data + size);
    FreeImage_CloseMemory(memory);
    if (!saved)
        throw std::runtime_error("FreeImage could not encode a PNG");
    return png;
}

Image decodePng(const std::vector<std::uint8_t>& bytes) {
    FIMEMORY* memory =
        FreeImage_OpenMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    FIBITMAP* loaded = FreeImage_LoadFromMemory(FIF_PNG, memory, PNG_DEFAULT);
    FreeImage_CloseMemory(memory);
    if (loaded == nullptr)
        throw std::runtime_error("not a PNG");
    // Anything but 8-bit RGB(A) (grey, palette) is widened to RGB first.
    const unsigned bpp = FreeImage_GetBPP(loaded);
    FIBITMAP* bitmap = (bpp == 24 || bpp == 32) ? loaded : FreeImage_ConvertTo24Bits(loaded);
    Image image = fromBitmap(bitmap);
    if (bitmap != loaded)
        FreeImage_Unload(bitmap);
    FreeImage_Unload(loaded);
    return image;
}

}  // namespace scenegen
