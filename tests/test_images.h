#pragma once

// Small image files written by the tests themselves, and PNGs read back, through FreeImage.

#include <FreeImage.h>

#include <string>
#include <vector>

namespace testimages {

class Image {
  public:
    Image(int width, int height, int bpp, FREE_IMAGE_TYPE type = FIT_BITMAP)
        : height(height), bitmap(FreeImage_AllocateT(type, width, height, bpp)) {}
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    ~Image() { FreeImage_Unload(bitmap); }

    // Rows as they appear in the file, top row first; FreeImage keeps them bottom-up.
    BYTE* row(int y) { return FreeImage_GetScanLine(bitmap, height - 1 - y); }

    // Alpha is ignored by 24-bit images.
    void setPixel(int x, int y, const BYTE (&rgba)[4]) {
        const unsigned bytes = FreeImage_GetBPP(bitmap) / 8;
        BYTE* p = row(y) + x * bytes;
        p[FI_RGBA_RED] = rgba[0];
        p[FI_RGBA_GREEN] = rgba[1];
        p[FI_RGBA_BLUE] = rgba[2];
        if (bytes == 4)
            p[FI_RGBA_ALPHA] = rgba[3];
    }

    // PNG drops an alpha channel that is fully opaque.
    bool save(const std::string& path) { return FreeImage_Save(FIF_PNG, bitmap, path.c_str(), 0); }

    const int height;
    FIBITMAP* bitmap;
};

// A PNG's pixels as GL reads a frame back: RGB, bottom row first. Empty if it does not load.
inline std::vector<unsigned char> loadPngRgb(const std::string& path) {
    std::vector<unsigned char> rgb;
    FIBITMAP* bitmap = FreeImage_Load(FIF_PNG, path.c_str(), PNG_DEFAULT);
    if (bitmap == nullptr)
        return rgb;
    for (unsigned y = 0; y < FreeImage_GetHeight(bitmap); ++y) {
        for (unsigned x = 0; x < FreeImage_GetWidth(bitmap); ++x) {
            RGBQUAD colour{};
            FreeImage_GetPixelColor(bitmap, x, y, &colour);
            rgb.insert(rgb.end(), {colour.rgbRed, colour.rgbGreen, colour.rgbBlue});
        }
    }
    FreeImage_Unload(bitmap);
    return rgb;
}

}  // namespace testimages
