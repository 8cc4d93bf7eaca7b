#include <gtest/gtest.h>

#include <IL/il.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <vector>

#include "scene/texture.h"
#include "support/gl_context.h"
#include "support/process.h"
#include "support/sandbox.h"
#include "test_images.h"

namespace {

using testsupport::escapeRegex;

using rtr::scene::loadTextureFile;
using rtr::scene::Texture;
using testimages::Image;
using testsupport::GlContext;
using testsupport::TempDir;

// A distinct value for every channel of every pixel; y = 0 is the top row of the file.
BYTE channel(int x, int y, int c) {
    return static_cast<BYTE>((x * 37 + y * 91 + c * 53 + 11) % 256);
}

// Opaque unless alphaBase is given, which makes every pixel's alpha distinct.
std::string writePng(const TempDir& dir, const std::string& name, int width, int height, int bpp,
                     int alphaBase = -1) {
    Image image(width, height, bpp);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int alpha = alphaBase < 0 ? 255 : alphaBase + x + 7 * y;
            image.setPixel(
                x, y,
                {channel(x, y, 0), channel(x, y, 1), channel(x, y, 2), static_cast<BYTE>(alpha)});
        }
    }
    const std::string path = (dir.path() / name).string();
    EXPECT_TRUE(image.save(path));
    return path;
}

struct Level {
    GLint width = 0;
    GLint height = 0;
    GLint internalFormat = 0;
    std::vector<BYTE> pixels;
    int components = 0;
    BYTE at(int x, int row, int c) const {
        return pixels[static_cast<size_t>((row * width + x) * components + c)];
    }
};

Level readLevel(GLuint id, GLenum format) {
    Level level;
    level.components = format == GL_RGBA ? 4 : 3;
    glBindTexture(GL_TEXTURE_2D, id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &level.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &level.height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &level.internalFormat);
    level.pixels.resize(static_cast<size_t>(level.width * level.height * level.components));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, level.pixels.data());
    return level;
}

// A fresh texture is bound to unit 0, which is active, and has its full mipmap chain.
void expectMipmappedOnUnitZero(GLuint id, int levels) {
    GLint active = 0;
    GLint bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(active, GL_TEXTURE0);
    EXPECT_EQ(static_cast<GLuint>(bound), id);
    GLint width = 0;
    GLint height = 0;
    GLint minFilter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, levels - 1, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, levels - 1, GL_TEXTURE_HEIGHT, &height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(width, 1);
    EXPECT_EQ(height, 1);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
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

TEST_F(TextureTest, OddWidthsArriveRowForRowOnBothRoads) {
    // Rows of 5 RGB pixels are tightly packed in DevIL and padded to 16 bytes in FreeImage.
    const std::string path = writePng(dir, "odd.png", 5, 3, 24);
    Texture devil{path.c_str(), rtr::GlTexture(), GL_TEXTURE_2D};
    EXPECT_TRUE(devil.load());
    expectMipmappedOnUnitZero(devil.id, 3);
    GLint unpack = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
    EXPECT_EQ(unpack, 4);
    GLuint freeImage = 0;
    ASSERT_TRUE(loadTextureFile(path.c_str(), &freeImage));

    const Level viaDevil = readLevel(devil.id, GL_RGB);
    const Level viaFreeImage = readLevel(freeImage, GL_RGB);
    EXPECT_EQ(viaDevil.internalFormat, GL_RGB);
    ASSERT_EQ(viaDevil.width, 5);
    ASSERT_EQ(viaDevil.height, 3);
    ASSERT_EQ(viaFreeImage.pixels.size(), viaDevil.pixels.size());
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            for (int c = 0; c < 3; ++c) {
                SCOPED_TRACE(testing::Message() << x << "," << y << "," << c);
                // DevIL hands the rows over top row first, FreeImage bottom row first.
                EXPECT_EQ(viaDevil.at(x, y, c), channel(x, y, c));
                EXPECT_EQ(viaFreeImage.at(x, 2 - y, c), channel(x, y, c));
            }
        }
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(TextureTest, AlphaSurvivesTheFreeImageRoadOnly) {
    const std::string path = writePng(dir, "alpha.png", 3, 2, 32, 40);
    Texture devil{path.c_str(), rtr::GlTexture(), GL_TEXTURE_2D};
    devil.load();
    GLuint freeImage = 0;
    ASSERT_TRUE(loadTextureFile(path.c_str(), &freeImage));
    expectMipmappedOnUnitZero(freeImage, 2);
    const Level viaDevil = readLevel(devil.id, GL_RGBA);
    const Level viaFreeImage = readLevel(freeImage, GL_RGBA);
    EXPECT_EQ(viaDevil.internalFormat, GL_RGB);
    EXPECT_EQ(viaFreeImage.internalFormat, GL_RGBA);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(viaDevil.at(x, y, 0), channel(x, y, 0));
            EXPECT_EQ(viaDevil.at(x, y, 3), 255);
            EXPECT_EQ(viaFreeImage.at(x, 1 - y, 0), channel(x, y, 0));
            EXPECT_EQ(viaFreeImage.at(x, 1 - y, 2), channel(x, y, 2));
            EXPECT_EQ(viaFreeImage.at(x, 1 - y, 3), 40 + x + 7 * y);
        }
    }
}

// Grey, palette and 16-bit files must arrive as the colours they show, not as misread bytes.
TEST_F(TextureTest, FreeImageRoadConvertsOtherLayouts) {
    Image grey8(3, 1, 8);
    Image grey16(3, 1, 16, FIT_UINT16);
    Image indexed(3, 1, 8);
    RGBQUAD* greyRamp = FreeImage_GetPalette(grey8.bitmap);
    for (int i = 0; i < 256; ++i) {
        greyRamp[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    }
    RGBQUAD* colours = FreeImage_GetPalette(indexed.bitmap);
    colours[0] = {10, 20, 30, 0};  // blue, green, red
    colours[1] = {200, 100, 50, 0};
    const BYTE greys[3] = {0, 128, 255};
    for (int x = 0; x < 3; ++x) {
        grey8.row(0)[x] = greys[x];
        reinterpret_cast<WORD*>(grey16.row(0))[x] = static_cast<WORD>(greys[x] * 257);
        indexed.row(0)[x] = x == 1 ? 0 : 1;
    }
    const std::vector<BYTE> greyPixels{0, 0, 0, 128, 128, 128, 255, 255, 255};
    const struct {
        Image& image;
        const char* name;
        std::vector<BYTE> rgb;
    } cases[] = {{grey8, "grey8.png", greyPixels},
                 {grey16, "grey16.png", greyPixels},
                 {indexed, "indexed.png", {50, 100, 200, 30, 20, 10, 50, 100, 200}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = (dir.path() / c.name).string();
        ASSERT_TRUE(c.image.save(path));
        GLuint id = 0;
        ASSERT_TRUE(loadTextureFile(path.c_str(), &id));
        EXPECT_EQ(readLevel(id, GL_RGB).pixels, c.rgb);
    }
}

TEST_F(TextureTest, FreeImageRoadRefusesWhatItCannotDecodeQuietly) {
    const std::string missing = (dir.path() / "missing.png").string();
    const std::string garbage = dir.write("garbage.png", "not a picture at all").string();
    for (const std::string& path : {missing, garbage}) {
        GLuint untouched = 4711;
        testing::internal::CaptureStdout();
        EXPECT_FALSE(loadTextureFile(path.c_str(), &untouched)) << path;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(untouched, 4711u);
    }
}

// Runs in the forked death-test child, which makes its own context: fatal messages go to
// standard output while death tests watch standard error, and the pause must find no terminal.
void loadInFatalCheck(const std::string& path) {
    testsupport::redirectForFatalCheck();
    GlContext context;
    ilInit();
    Texture texture{path.c_str(), rtr::GlTexture(), GL_TEXTURE_2D};
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
