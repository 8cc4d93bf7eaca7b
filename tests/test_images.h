#pragma once

// Small image files written by the tests themselves, through FreeImage.

#include <FreeImage.h>

#include <string>

namespace testimages {

// A bitmap whose rows are addressed as they appear in the file, top row first (FreeImage keeps
// them bottom-up).
class Image {
  public:
    Image(int width, int height, int bpp, FREE_IMAGE_TYPE type = FIT_BITMAP)
        : width(width), height(height), bitmap(FreeImage_AllocateT(type, width, height, bpp)) {}
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    ~Image() {
        if (bitmap)
            FreeImage_Unload(bitmap);
    }

    BYTE* row(int y) { return FreeImage_GetScanLine(bitmap, height - 1 - y); }
    // Byte offsets of the channels of an 8-bit-per-channel pixel, in memory order.
    static constexpr int red = FI_RGBA_RED, green = FI_RGBA_GREEN, blue = FI_RGBA_BLUE,
                         alpha = FI_RGBA_ALPHA;

    void setPixel(int x, int y, const BYTE (&rgba)[4]) {
        const int bytes = static_cast<int>(FreeImage_GetBPP(bitmap)) / 8;
        BYTE* p = row(y) + x * bytes;
        p[red] = rgba[0];
        p[green] = rgba[1];
        p[blue] = rgba[2];
        if (bytes == 4)
            p[alpha] = rgba[3];
    }

    // PNG drops an alpha channel that is fully opaque; BMP keeps all 32 bits.
    bool save(const std::string& path, FREE_IMAGE_FORMAT format = FIF_PNG) {
        return FreeImage_Save(format, bitmap, path.c_str(), 0);
    }

    const int width;
    const int height;
    FIBITMAP* bitmap;
};

}  // namespace testimages
