#include <gtest/gtest.h>

#include <IL/il.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <vector>

#include "scene/texture.h"
#include "support/gl_context.h"
#include "support/sandbox.h"
#include "test_images.h"

namespace {

using rtr::scene::loadTextureFile;
using rtr::scene::Texture;
using testimages::Image;
using testsupport::GlContext;
using testsupport::TempDir;

// A distinct value for every channel of every pixel; y = 0 is the top row of the file.
BYTE channel(int x, int y, int c) {
    return static_cast<BYTE>((x * 37 + y * 91 + c * 53 + 11) % 256);
}

std::string writeColourPng(const TempDir& dir, const std::string& name, int width, int height,
                           int bpp, BYTE alphaBase = 255, FREE_IMAGE_FORMAT format = FIF_PNG) {
    Image image(width, height, bpp);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const BYTE alpha = alphaBase == 255 ? 255 : static_cast<BYTE>(alphaBase + x + 7 * y);
            image.setPixel(x, y, {channel(x, y, 0), channel(x, y, 1), channel(x, y, 2), alpha});
        }
    }
    const std::string path = (dir.path() / name).string();
    EXPECT_TRUE(image.save(path, format));
    return path;
}

struct Level {
    int width = 0;
    int height = 0;
    std::vector<BYTE> pixels;
};

Level readLevel(GLuint id, GLenum format, int components, int level = 0) {
    Level result;
    glBindTexture(GL_TEXTURE_2D, id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &result.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &result.height);
    result.pixels.resize(static_cast<size_t>(result.width * result.height * components));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, result.pixels.data());
    return result;
}

BYTE at(const Level& level, int components, int x, int row, int c) {
    return level.pixels[static_cast<size_t>((row * level.width + x) * components + c)];
}

GLint internalFormat(GLuint id) {
    GLint format = 0;
    glBindTexture(GL_TEXTURE_2D, id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    return format;
}

void expectBoundToUnitZero(GLuint id) {
    GLint active = 0;
    GLint bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(active, GL_TEXTURE0);
    EXPECT_EQ(static_cast<GLuint>(bound), id);
}

void expectFullMipmapChain(GLuint id, int levels) {
    glBindTexture(GL_TEXTURE_2D, id);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, levels - 1, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, levels - 1, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 1);
    EXPECT_EQ(height, 1);
    GLint minFilter = 0;
    GLint magFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(magFilter, GL_LINEAR);
}

class TextureTest : public testing::Test {
  protected:
    void SetUp() override {
        ilInit();
        // Loading must switch to unit 0 by itself.
        glActiveTexture(GL_TEXTURE3);
    }
    GlContext context;
    TempDir dir;
};

TEST_F(TextureTest, DevilRoadUploadsOddWidthsRowForRow) {
    const std::string path = writeColourPng(dir, "odd.png", 5, 3, 24);
    Texture texture{path.c_str(), 0, GL_TEXTURE_2D};
    EXPECT_TRUE(texture.load());
    expectBoundToUnitZero(texture.id);
    EXPECT_EQ(internalFormat(texture.id), GL_RGB);
    const Level level = readLevel(texture.id, GL_RGB, 3);
    ASSERT_EQ(level.width, 5);
    ASSERT_EQ(level.height, 3);
    // DevIL hands the rows over top row first, and they go to GL in that order.
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(at(level, 3, x, y, c), channel(x, y, c)) << x << "," << y << "," << c;
            }
        }
    }
    expectFullMipmapChain(texture.id, 3);
    GLint unpack = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
    EXPECT_EQ(unpack, 4);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(TextureTest, AlphaSurvivesTheFreeImageRoadOnly) {
    const std::string path = writeColourPng(dir, "alpha.png", 3, 2, 32, 40);
    Texture devil{path.c_str(), 0, GL_TEXTURE_2D};
    devil.load();
    GLuint freeImage = 0;
    ASSERT_TRUE(loadTextureFile(path.c_str(), &freeImage));
    expectBoundToUnitZero(freeImage);
    EXPECT_EQ(internalFormat(devil.id), GL_RGB);
    EXPECT_EQ(internalFormat(freeImage), GL_RGBA);
    const Level viaDevil = readLevel(devil.id, GL_RGBA, 4);
    const Level viaFreeImage = readLevel(freeImage, GL_RGBA, 4);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(at(viaDevil, 4, x, y, 0), channel(x, y, 0));
            EXPECT_EQ(at(viaDevil, 4, x, y, 3), 255);
            // FreeImage decodes bottom row first.
            EXPECT_EQ(at(viaFreeImage, 4, x, 1 - y, 0), channel(x, y, 0));
            EXPECT_EQ(at(viaFreeImage, 4, x, 1 - y, 2), channel(x, y, 2));
            EXPECT_EQ(at(viaFreeImage, 4, x, 1 - y, 3), 40 + x + 7 * y);
        }
    }
    expectFullMipmapChain(freeImage, 2);
}

// Every other layout must arrive as the colours the file shows, not as misread bytes.
TEST_F(TextureTest, FreeImageRoadServesOtherLayouts) {
    const BYTE greys[3] = {0, 128, 255};
    auto expectGreys = [&](const std::string& path) {
        SCOPED_TRACE(path);
        GLuint id = 0;
        ASSERT_TRUE(loadTextureFile(path.c_str(), &id));
        const Level level = readLevel(id, GL_RGB, 3);
        ASSERT_EQ(level.width, 3);
        for (int x = 0; x < 3; ++x) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(at(level, 3, x, 0, c), greys[x]);
            }
        }
    };
    Image grey8(3, 1, 8);
    RGBQUAD* palette = FreeImage_GetPalette(grey8.bitmap);
    for (int i = 0; i < 256; ++i) {
        palette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    }
    Image grey16(3, 1, 16, FIT_UINT16);
    Image rgb16(3, 1, 48, FIT_RGB16);
    for (int x = 0; x < 3; ++x) {
        grey8.row(0)[x] = greys[x];
        reinterpret_cast<WORD*>(grey16.row(0))[x] = static_cast<WORD>(greys[x] * 257);
        FIRGB16& p = reinterpret_cast<FIRGB16*>(rgb16.row(0))[x];
        p.red = p.green = p.blue = static_cast<WORD>(greys[x] * 257);
    }
    const std::string grey8Path = (dir.path() / "grey8.png").string();
    const std::string grey16Path = (dir.path() / "grey16.png").string();
    const std::string rgb16Path = (dir.path() / "rgb16.png").string();
    ASSERT_TRUE(grey8.save(grey8Path) && grey16.save(grey16Path) && rgb16.save(rgb16Path));
    expectGreys(grey8Path);
    expectGreys(grey16Path);
    expectGreys(rgb16Path);

    // A palette image with colours that are not grey.
    Image indexed(2, 1, 8);
    RGBQUAD* colours = FreeImage_GetPalette(indexed.bitmap);
    colours[0] = {10, 20, 30, 0};  // blue, green, red
    colours[1] = {200, 100, 50, 0};
    indexed.row(0)[0] = 1;
    indexed.row(0)[1] = 0;
    const std::string indexedPath = (dir.path() / "indexed.png").string();
    ASSERT_TRUE(indexed.save(indexedPath));
    GLuint id = 0;
    ASSERT_TRUE(loadTextureFile(indexedPath.c_str(), &id));
    const Level level = readLevel(id, GL_RGB, 3);
    EXPECT_EQ(std::vector<BYTE>(level.pixels.begin(), level.pixels.end()),
              (std::vector<BYTE>{50, 100, 200, 30, 20, 10}));
}

TEST_F(TextureTest, FreeImageRoadKeepsPaddedAndOpaqueRowsApart) {
    // 5 pixels of 3 bytes: FreeImage pads each row to 16 bytes.
    const std::string odd = writeColourPng(dir, "odd.png", 5, 2, 24);
    // Fully opaque 32-bit pixels, which FreeImage does not call RGBA.
    const std::string opaque = writeColourPng(dir, "opaque.bmp", 5, 2, 32, 255, FIF_BMP);
    for (const std::string& path : {odd, opaque}) {
        SCOPED_TRACE(path);
        GLuint id = 0;
        ASSERT_TRUE(loadTextureFile(path.c_str(), &id));
        const Level level = readLevel(id, GL_RGBA, 4);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 5; ++x) {
                for (int c = 0; c < 3; ++c) {
                    EXPECT_EQ(at(level, 4, x, 1 - y, c), channel(x, y, c));
                }
                EXPECT_EQ(at(level, 4, x, 1 - y, 3), 255);
            }
        }
    }
}

TEST_F(TextureTest, FreeImageRoadGoesBySignatureAndRefusesWhatItCannotDecode) {
    const std::string png = writeColourPng(dir, "picture.png", 2, 2, 24);
    const std::string renamed = (dir.path() / "picture.unknownext").string();
    ASSERT_EQ(std::rename(png.c_str(), renamed.c_str()), 0);
    GLuint id = 0;
    EXPECT_TRUE(loadTextureFile(renamed.c_str(), &id));
    EXPECT_TRUE(glIsTexture(id));

    glBindTexture(GL_TEXTURE_2D, id);
    const std::string missing = (dir.path() / "missing.png").string();
    const std::string garbage = dir.write("garbage.png", "not a picture at all").string();
    const std::string unknown = dir.write("garbage.unknownext", "not a picture at all").string();
    for (const std::string& path : {missing, garbage, unknown}) {
        SCOPED_TRACE(path);
        GLuint untouched = 4711;
        testing::internal::CaptureStdout();
        EXPECT_FALSE(loadTextureFile(path.c_str(), &untouched));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(untouched, 4711u);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLuint>(bound), id);
    }
    // No texture name was handed out by the failed loads.
    GLuint next = 0;
    glGenTextures(1, &next);
    EXPECT_EQ(next, id + 1);
}

std::string escapeRegex(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// Runs in the forked death-test child, which makes its own context: fatal messages go to
// standard output while death tests watch standard error, and the pause must find no terminal.
void loadInFatalCheck(const std::string& path) {
    std::cout.flush();
    std::fflush(stdout);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    if (std::freopen("/dev/null", "r", stdin) == nullptr) {
        std::abort();
    }
    GlContext context;
    ilInit();
    Texture texture{path.c_str(), 0, GL_TEXTURE_2D};
    texture.load();
}

TEST(TextureDeathTest, DevilFailuresReportEveryErrorThenEndTheProgram) {
    TempDir dir;
    const std::string missing = (dir.path() / "missing.png").string();
    const std::string m = escapeRegex(missing);
    // 1290: IL_COULD_NOT_OPEN_FILE.
    EXPECT_EXIT(loadInFatalCheck(missing), testing::ExitedWithCode(255),
                "^DevIL Error: 1290, Bildpfad: " + m + "\n(DevIL Error: [0-9]+, Bildpfad: " + m +
                    "\n)*DevIL Error: Could not load image, path: " + m + "\n$");
    const std::string garbage = dir.write("garbage.png", "not a picture at all").string();
    const std::string g = escapeRegex(garbage);
    EXPECT_EXIT(loadInFatalCheck(garbage), testing::ExitedWithCode(255),
                "^(DevIL Error: [0-9]+, Bildpfad: " + g +
                    "\n)*DevIL Error: Could not load image, path: " + g + "\n$");
}

}  // namespace
