#include "scene/texture.h"

#include <FreeImage.h>
#include <IL/il.h>

#include <iostream>
#include <string>
#include <vector>

#include "platform/console.h"

namespace rtr::scene {

namespace {

// Uploads one level with a given row alignment and puts the caller's alignment back.
void texImageWithAlignment(GLenum target, GLint alignment, GLint internalFormat, GLsizei width,
                           GLsizei height, GLenum format, const void* pixels) {
    GLint previous = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previous);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexImage2D(target, 0, internalFormat, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, previous);
}

void finishMipmappedTexture(GLenum target) {
    glGenerateMipmap(target);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

// GL refuses larger images with nothing but GL_INVALID_VALUE, and the surface then samples an
// empty texture: black, or flat where it should be displaced.
GLint largestTextureSide() {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return largest;
}

std::string tooLargeDetail(const char* path, int width, int height, GLint largest) {
    return "  " + std::string(path) + " is " + std::to_string(width) + " x " +
           std::to_string(height) + " pixels; this GL takes textures up to " +
           std::to_string(largest) + " x " + std::to_string(largest);
}

bool fitsTexture(int width, int height, GLint largest) {
    return width <= largest && height <= largest;
}

void releaseBoundDevilImage() {
    const ILuint image = static_cast<ILuint>(ilGetInteger(IL_CUR_IMAGE));
    ilBindImage(0);
    ilDeleteImage(image);
}

// The fatal end of a texture that cannot be used; `detail`, when there is one, says why on
// standard error.
[[noreturn]] void dropImageAndExit(ILuint image, const char* path, const std::string& detail) {
    ilBindImage(0);
    ilDeleteImage(image);
    const std::string message = std::string("DevIL Error: Could not load image, path: ") + path;
    if (detail.empty()) {
        platform::fatalExit(message);
    }
    platform::fatalExit(message, detail);
}

FREE_IMAGE_FORMAT detectFormat(const char* path) {
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path, 0);
    if (format == FIF_UNKNOWN) {
        format = FreeImage_GetFIFFromFilename(path);
    }
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        return FIF_UNKNOWN;
    }
    return format;
}

bool isUploadable(FIBITMAP* bitmap) {
    const unsigned bpp = FreeImage_GetBPP(bitmap);
    return FreeImage_GetImageType(bitmap) == FIT_BITMAP && (bpp == 24 || bpp == 32);
}

// 16-bit grey keeps its high bytes; RGB16 and RGBA16 are left to the 24/32-bit conversion,
// which handles them; anything else (float, 32-bit integer) is scaled to 8 bits.
FIBITMAP* toEightBitChannels(FIBITMAP* bitmap) {
    const FREE_IMAGE_TYPE type = FreeImage_GetImageType(bitmap);
    if (type == FIT_BITMAP || type == FIT_RGB16 || type == FIT_RGBA16) {
        return bitmap;
    }
    FIBITMAP* converted = type == FIT_UINT16 ? FreeImage_ConvertTo8Bits(bitmap)
                                             : FreeImage_ConvertToStandardType(bitmap, TRUE);
    FreeImage_Unload(bitmap);
    return converted;
}

// Grey, palette and 16-bit images would be misread as BGR rows; they become 24-bit BGR, or
// 32-bit BGRA when they carry transparency. Null when FreeImage cannot convert them.
FIBITMAP* toUploadableBitmap(FIBITMAP* bitmap) {
    if (isUploadable(bitmap)) {
        return bitmap;
    }
    bitmap = toEightBitChannels(bitmap);
    if (bitmap == nullptr || isUploadable(bitmap)) {
        return bitmap;
    }
    FIBITMAP* converted = FreeImage_IsTransparent(bitmap) ? FreeImage_ConvertTo32Bits(bitmap)
                                                          : FreeImage_ConvertTo24Bits(bitmap);
    FreeImage_Unload(bitmap);
    return converted;
}

FIBITMAP* decodeFreeImage(const char* path) {
    const FREE_IMAGE_FORMAT format = detectFormat(path);
    if (format == FIF_UNKNOWN) {
        return nullptr;
    }
    FIBITMAP* bitmap = FreeImage_Load(format, path, 0);
    return bitmap ? toUploadableBitmap(bitmap) : nullptr;
}

// Level 0 of a 2D texture as tightly packed 8-bit RGBA rows (every row is a multiple of four
// bytes, so the pack alignment does not matter).
std::vector<unsigned char> readRgbaLevel0(GLuint texture, GLint* width, GLint* height) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, height);
    std::vector<unsigned char> pixels(static_cast<size_t>(*width) * *height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

}  // namespace

GlTexture packColorAndHeight(GLuint color, GLuint height) {
    GLint width = 0;
    GLint rows = 0;
    std::vector<unsigned char> packed = readRgbaLevel0(color, &width, &rows);
    GLint heightWidth = 0;
    GLint heightRows = 0;
    const std::vector<unsigned char> heights =
        height != 0 ? readRgbaLevel0(height, &heightWidth, &heightRows)
                    : std::vector<unsigned char>();
    for (GLint y = 0; y < rows; ++y) {
        for (GLint x = 0; x < width; ++x) {
            unsigned char alpha = 0;
            if (!heights.empty()) {
                const size_t hx = static_cast<size_t>(x) * heightWidth / width;
                const size_t hy = static_cast<size_t>(y) * heightRows / rows;
                alpha = heights[(hy * heightWidth + hx) * 4];
            }
            packed[(static_cast<size_t>(y) * width + x) * 4 + 3] = alpha;
        }
    }
    GlTexture texture = GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, texture);
    texImageWithAlignment(GL_TEXTURE_2D, 4, GL_RGBA8, width, rows, GL_RGBA, packed.data());
    finishMipmappedTexture(GL_TEXTURE_2D);
    return texture;
}

bool Texture::load() {
    id = GlTexture::create();
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(target, id);
    int width = 0;
    int height = 0;
    const unsigned char* pixels = loadImage(path, &width, &height);
    // DevIL rows are tightly packed, so widths whose rows are not a multiple of 4 bytes need
    // an alignment of 1.
    texImageWithAlignment(target, 1, GL_RGB, width, height, GL_RGB, pixels);
    releaseBoundDevilImage();
    finishMipmappedTexture(target);
    return true;
}

const unsigned char* loadImage(const char* path, int* width, int* height) {
    const ILuint image = ilGenImage();
    ilBindImage(image);
    const ILboolean loaded = path != nullptr && ilLoadImage(path);
    path = path ? path : "";
    for (ILenum error = ilGetError(); error != IL_NO_ERROR; error = ilGetError()) {
        std::cout << "DevIL Error: " << static_cast<unsigned>(error) << ", Bildpfad: " << path
                  << std::endl;
    }
    if (!loaded || !ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        dropImageAndExit(image, path, "");
    }
    *width = ilGetInteger(IL_IMAGE_WIDTH);
    *height = ilGetInteger(IL_IMAGE_HEIGHT);
    const GLint largest = largestTextureSide();
    if (!fitsTexture(*width, *height, largest)) {
        dropImageAndExit(image, path, tooLargeDetail(path, *width, *height, largest));
    }
    return ilGetData();
}

bool loadTextureFile(const char* path, GLuint* textureId) {
    FIBITMAP* bitmap = decodeFreeImage(path);
    if (bitmap == nullptr) {
        return false;
    }
    const BYTE* bits = FreeImage_GetBits(bitmap);
    const auto width = static_cast<GLsizei>(FreeImage_GetWidth(bitmap));
    const auto height = static_cast<GLsizei>(FreeImage_GetHeight(bitmap));
    if (bits == nullptr || width == 0 || height == 0) {
        FreeImage_Unload(bitmap);
        return false;
    }
    const GLint largest = largestTextureSide();
    if (!fitsTexture(width, height, largest)) {
        std::cerr << tooLargeDetail(path, width, height, largest) << std::endl;
        FreeImage_Unload(bitmap);
        return false;
    }
    glGenTextures(1, textureId);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, *textureId);
    // FreeImage pads every row to 4 bytes.
    if (FreeImage_GetBPP(bitmap) == 32) {
        texImageWithAlignment(GL_TEXTURE_2D, 4, GL_RGBA, width, height, GL_BGRA, bits);
    } else {
        texImageWithAlignment(GL_TEXTURE_2D, 4, GL_RGB, width, height, GL_BGR, bits);
    }
    finishMipmappedTexture(GL_TEXTURE_2D);
    FreeImage_Unload(bitmap);
    return true;
}

}  // namespace rtr::scene
