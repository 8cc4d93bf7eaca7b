// Checks the generated images, camera curve and music as the program decodes them, and that
// the generator gives the same bytes on every run.

#include <IL/il.h>
#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <gtest/gtest.h>
#include <mpg123.h>

#include <glm/glm.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "camera/camera_path.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

std::string modelFile(const std::string& name) {
    return testsupport::repoPath("Models/" + name).string();
}

// An image as the program's DevIL road hands it to GL: RGB rows in the decoder's order.
struct Decoded {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    glm::vec3 at(int x, int y) const {
        const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return glm::vec3(p[0], p[1], p[2]) / 255.0f;
    }
    // What GL samples at (s, t) from rows uploaded in this order (nearest texel).
    glm::vec3 sample(glm::vec2 st) const {
        const int x = std::clamp(static_cast<int>(st.x * width), 0, width - 1);
        const int y = std::clamp(static_cast<int>(st.y * height), 0, height - 1);
        return at(x, y);
    }
};

Decoded decodeWithDevil(const std::string& path) {
    static const bool initialised = (ilInit(), true);
    (void)initialised;
    Decoded image;
    const ILuint id = ilGenImage();
    ilBindImage(id);
    if (ilLoadImage(path.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        image.width = ilGetInteger(IL_IMAGE_WIDTH);
        image.height = ilGetInteger(IL_IMAGE_HEIGHT);
        const ILubyte* data = ilGetData();
        image.rgb.assign(data, data + static_cast<std::size_t>(image.width) * image.height * 3);
    }
    ilDeleteImage(id);
    return image;
}

bool powerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

TEST(SceneImages, EveryImageDecodesOnTheProgramsRoadWithPowerOfTwoSides) {
    const char* images[] = {"wall_panels.png",    "wall_panels_disp.png", "floor_concrete.png",
                            "ceiling_panels.png", "door_panel.png",       "door_frame.png",
                            "stage_metal.png",    "conveyor.png",         "roll_steel.png",
                            "granite.png",        "vessel_metal.png",     "vessel_metal_disp.png",
                            "wall_lamp.png",      "cage_light.png",       "ilo_paint.png",
                            "ilo_eyes_02.png",    "ilo_eyes_07.png"};
    for (const char* name : images) {
        SCOPED_TRACE(name);
        const Decoded image = decodeWithDevil(modelFile(name));
        ASSERT_FALSE(image.rgb.empty());
        EXPECT_TRUE(powerOfTwo(image.width));
        EXPECT_TRUE(powerOfTwo(image.height));
        EXPECT_EQ(image.width * 3 % 4, 0);  // rows fit GL's default unpack alignment
        EXPECT_LE(std::max(image.width, image.height), 1024);
        // Not a flat colour: every texture carries a pattern.
        float lo = 1.0f, hi = 0.0f;
        for (unsigned char c : image.rgb) {
            lo = std::min(lo, c / 255.0f);
            hi = std::max(hi, c / 255.0f);
        }
        EXPECT_GT(hi - lo, 0.1f);
    }
}

TEST(SceneImages, DisplacementMapsStayModerateAndWallPanelsSitAtTheRoomFaces) {
    for (const char* name : {"wall_panels_disp.png", "vessel_metal_disp.png"}) {
        const Decoded map = decodeWithDevil(modelFile(name));
        double sum = 0.0;
        for (std::size_t i = 0; i < map.rgb.size(); i += 3) sum += map.rgb[i] / 255.0;
        EXPECT_LT(sum / (map.rgb.size() / 3), 0.5) << name;
    }
    // Most of a wall is flat panel at 0.35, which the base surfaces are set back by.
    const Decoded wall = decodeWithDevil(modelFile("wall_panels_disp.png"));
    int panel = 0;
    for (std::size_t i = 0; i < wall.rgb.size(); i += 3) {
        panel += std::abs(wall.rgb[i] - 89) <= 2 || std::abs(wall.rgb[i] - 105) <= 2;
    }
    EXPECT_GT(panel, static_cast<int>(wall.rgb.size() / 3 / 2));
}

TEST(SceneImages, ParticleSpriteHasAnAlphaChannel) {
    std::ifstream in(modelFile("particle.png"), std::ios::binary);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GT(bytes.size(), 26u);
    EXPECT_EQ(bytes[25], 6);  // PNG colour type: RGB with alpha
    EXPECT_EQ(bytes[24], 8);
}

// The face plate's uvs pass through Assimp's uv flip and DevIL's row order before GL samples
// them; together they must show the eyes above the mouth.
TEST(SceneImages, FaceTexturesShowEyesAboveTheMouthOnTheFacePlate) {
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(modelFile("iloFace.dae"), 0x80204B);
    ASSERT_NE(scene, nullptr);
    const aiMesh* mesh = scene->mMeshes[0];
    // The plate is flat and its uvs linear in x and y: find them at the plate's corners.
    glm::vec2 lo(1e9f), hi(-1e9f), uvLo, uvHi;
    for (unsigned i = 0; i < mesh->mNumVertices; ++i) {
        const glm::vec2 p(mesh->mVertices[i].x, mesh->mVertices[i].y);
        const glm::vec2 uv(mesh->mTextureCoords[0][i].x, mesh->mTextureCoords[0][i].y);
        if (p.x <= lo.x && p.y <= lo.y) {
            lo = p;
            uvLo = uv;
        }
        if (p.x >= hi.x && p.y >= hi.y) {
            hi = p;
            uvHi = uv;
        }
    }
    auto st = [&](glm::vec2 fraction) { return uvLo + (uvHi - uvLo) * fraction; };
    auto glowing = [](glm::vec3 c) { return c.b > 0.7f && c.g > 0.5f && c.r < 0.6f; };
    const Decoded awake = decodeWithDevil(modelFile("ilo_eyes_02.png"));
    const Decoded wink = decodeWithDevil(modelFile("ilo_eyes_07.png"));
    for (float side : {0.325f, 0.675f}) {
        // Eyes a little above the middle, nothing glowing as far below it.
        EXPECT_TRUE(glowing(awake.sample(st({side, 0.66f})))) << side;
        EXPECT_FALSE(glowing(awake.sample(st({side, 0.34f})))) << side;
    }
    // The winking face keeps one eye open and shuts the other.
    EXPECT_TRUE(glowing(wink.sample(st({0.675f, 0.56f}))));
    EXPECT_FALSE(glowing(wink.sample(st({0.325f, 0.56f}))));
    // The plate's edge shows the head's white paint, not the dark screen.
    EXPECT_GT(awake.sample(st({0.5f, 0.01f})).r, 0.7f);
}

TEST(SceneCurve, CameraRouteLoadsAsSegmentsOfFourInsideTheRoom) {
    const auto segments = rtr::loadCameraPath(modelFile("maincurve.txt"));
    ASSERT_EQ(segments.size(), 4u);
    EXPECT_EQ(segments.front()->P0, glm::vec3(2.6f, 0.8f, 1.41f));
    EXPECT_EQ(segments.back()->P3, glm::vec3(-2.5f, 1.0f, -1.0f));
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (i > 0) {
            EXPECT_EQ(segments[i]->P0, segments[i - 1]->P3);  // one connected route
        }
        for (const glm::vec3& p :
             {segments[i]->P0, segments[i]->P1, segments[i]->P2, segments[i]->P3}) {
            EXPECT_GT(p.x, -2.7f);
            EXPECT_LT(p.x, 2.65f);
            EXPECT_GT(p.y, 0.0f);
            EXPECT_LT(p.y, 2.6f);
            EXPECT_GT(p.z, -5.05f);
            EXPECT_LT(p.z, 2.7f);
        }
    }
    for (auto* s : segments) delete s;
}

// ---- music ----------------------------------------------------------------------------------

struct Pcm {
    long rate = 0;
    int channels = 0;
    std::vector<float> samples;  // interleaved
};

Pcm decodeMp3(const std::string& path) {
    mpg123_init();
    int error = 0;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    Pcm pcm;
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_FORCE_FLOAT, 0.0);
    if (mpg123_open(handle, path.c_str()) != MPG123_OK) {
        mpg123_delete(handle);
        return pcm;
    }
    int encoding = 0;
    mpg123_getformat(handle, &pcm.rate, &pcm.channels, &encoding);
    std::vector<unsigned char> buffer(1 << 16);
    std::size_t done = 0;
    int status;
    while ((status = mpg123_read(handle, buffer.data(), buffer.size(), &done)) == MPG123_OK ||
           done > 0) {
        const float* f = reinterpret_cast<const float*>(buffer.data());
        pcm.samples.insert(pcm.samples.end(), f, f + done / sizeof(float));
        if (status != MPG123_OK)
            break;
    }
    mpg123_close(handle);
    mpg123_delete(handle);
    return pcm;
}

const Pcm& music() {
    static const Pcm pcm =
        decodeMp3(modelFile("Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3"));
    return pcm;
}

double rms(const std::vector<float>& s, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(to - from));
}

TEST(SceneMusic, DecodesToAboutAMinuteOfStereoThatStartsAtOnceAndNeverClips) {
    const Pcm& pcm = music();
    ASSERT_EQ(pcm.rate, 44100);
    ASSERT_EQ(pcm.channels, 2);
    const double seconds = double(pcm.samples.size()) / 2.0 / pcm.rate;
    EXPECT_NEAR(seconds, 57.6, 0.05);  // 24 bars at 100 beats per minute
    // Sound from the first few milliseconds on: the program unpauses it mid-show.
    EXPECT_GT(rms(pcm.samples, 0, 2 * 441), 0.02);
    EXPECT_GT(rms(pcm.samples, 0, pcm.samples.size()), 0.08);
    float peak = 0.0f;
    for (float s : pcm.samples) peak = std::max(peak, std::fabs(s));
    EXPECT_LT(peak, 0.99f);
    EXPECT_GT(peak, 0.5f);
    // Every second has something in it: no gaps.
    for (std::size_t second = 0; second + 1 < std::size_t(seconds); ++second) {
        EXPECT_GT(rms(pcm.samples, second * 88200, (second + 1) * 88200), 0.03) << second;
    }
}

TEST(SceneMusic, LoopsWithoutAJumpAtTheSeam) {
    const auto& s = music().samples;
    ASSERT_GT(s.size(), 100000u);
    // Across the loop point the signal moves no more than it does elsewhere from one
    // sample to the next.
    double typical = 0.0;
    for (std::size_t i = 2; i < s.size(); i += 2)
        typical = std::max(typical, double(std::fabs(s[i] - s[i - 2])));
    for (int channel = 0; channel < 2; ++channel) {
        const float last = s[s.size() - 2 + channel], first = s[channel];
        EXPECT_LE(std::fabs(first - last), typical) << channel;
    }
    // And the level carries on: the last bar and the first are alike in loudness.
    const std::size_t bar = 2 * 105840;
    const double end = rms(s, s.size() - bar, s.size()), start = rms(s, 0, bar);
    EXPECT_LT(std::fabs(end - start), 0.35 * std::max(end, start));
}

// ---- determinism ---------------------------------------------------------------------------

std::vector<char> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SceneGenerator, TwoRunsWriteIdenticalBytes) {
    testsupport::TempDir dir;
    const fs::path a = dir.path() / "a", b = dir.path() / "b";
    for (const fs::path& out : {a, b}) {
        const auto run = testsupport::runShell(testsupport::shellQuote(SCENEGEN_BINARY) + " " +
                                               testsupport::shellQuote(out.string()) + " 2>&1");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
    }
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(a)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), a);
        EXPECT_EQ(readAll(entry.path()), readAll(b / relative)) << relative;
        // The build's own data set is the same too.
        EXPECT_EQ(readAll(entry.path()), readAll(testsupport::repoPath("Models") / relative))
            << relative;
        ++files;
    }
    EXPECT_EQ(files, 23 + 18 + 2);  // models, images, curve and music
}

}  // namespace
