#pragma once

// Small image files written by the tests themselves, through FreeImage.

#include <FreeImage.h>

#include <string>

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

}  // namespace testimages
