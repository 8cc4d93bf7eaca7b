// Checks the generated images and music as the program decodes them, and that
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
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "scene/scene_models.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

std::string modelFile(const std::string& name) {
    return testsupport::repoPath("Models/" + name).string();
}

// The files the build waits for the generator to write, relative to Models/.
std::set<std::string> filesTheBuildWaitsFor() {
    std::set<std::string> files;
    std::istringstream list(SCENE_DATA_FILES);
    for (std::string file; std::getline(list, file, ',');) files.insert(file);
    return files;
}

// An image as the program's DevIL road hands it to GL: RGB rows in the decoder's order.
struct Decoded {
    int width = 0, height = 0, fileFormat = 0;
    std::vector<unsigned char> rgb;
    // What GL samples at (s, t) from rows uploaded in this order (nearest texel).
    glm::vec3 sample(glm::vec2 st) const {
        const int x = std::clamp(static_cast<int>(st.x * width), 0, width - 1);
        const int y = std::clamp(static_cast<int>(st.y * height), 0, height - 1);
        const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return glm::vec3(p[0], p[1], p[2]) / 255.0f;
    }
};

Decoded decodeWithDevil(const std::string& path) {
    static const bool initialised = (ilInit(), true);
    (void)initialised;
    Decoded image;
    const ILuint id = ilGenImage();
    ilBindImage(id);
    if (ilLoadImage(path.c_str())) {
        image.fileFormat = ilGetInteger(IL_IMAGE_FORMAT);
        if (ilGetInteger(IL_IMAGE_TYPE) == IL_UNSIGNED_BYTE &&
            ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
            image.width = ilGetInteger(IL_IMAGE_WIDTH);
            image.height = ilGetInteger(IL_IMAGE_HEIGHT);
            const ILubyte* data = ilGetData();
            image.rgb.assign(data, data + static_cast<std::size_t>(image.width) * image.height * 3);
        }
    }
    ilDeleteImage(id);
    return image;
}

TEST(SceneImages, EveryImageDecodesOnTheProgramsRoadWithPowerOfTwoSidesAndAPattern) {
    int images = 0;
    for (const std::string& name : filesTheBuildWaitsFor()) {
        if (fs::path(name).extension() != ".png")
            continue;
        ++images;
        SCOPED_TRACE(name);
        const Decoded image = decodeWithDevil(modelFile(name));
        ASSERT_FALSE(image.rgb.empty());
        // 8-bit RGB for the textures' road, RGBA for the particles' sprite.
        EXPECT_EQ(image.fileFormat, name == "particle.png" ? IL_RGBA : IL_RGB);
        for (int side : {image.width, image.height}) EXPECT_EQ(side & (side - 1), 0) << side;
        EXPECT_EQ(image.width * 3 % 4, 0);  // rows fit GL's default unpack alignment
        const auto [lo, hi] = std::minmax_element(image.rgb.begin(), image.rgb.end());
        EXPECT_GT(*hi - *lo, 25);  // not a flat colour
    }
    EXPECT_GT(images, 0);
}

// The build takes its list of the models and their textures from the program's table: every
// name the table gives is one the build waits for.
TEST(SceneImages, TheBuildWaitsForEveryModelAndTextureTheTableNames) {
    const std::set<std::string> build = filesTheBuildWaitsFor();
    for (const rtr::scene::ModelRow& row : rtr::scene::sceneModelFiles) {
        for (const char* name : {row.file, row.diffuse, row.displacement}) {
            if (*name != '\0') {
                EXPECT_EQ(build.count(name), 1u) << name;
            }
        }
    }
    EXPECT_EQ(build.count(rtr::scene::iloWinkFace), 1u);
}

// The face plate's uvs pass through Assimp's uv flip and DevIL's row order before GL samples
// them; together they must show the eyes above the mouth.
TEST(SceneImages, FaceTexturesShowEyesAboveTheMouthOnTheFacePlate) {
    Assimp::Importer importer;
    const rtr::scene::ModelRow& face = rtr::scene::modelRow(rtr::scene::ModelId::iloFace);
    const aiScene* scene = importer.ReadFile(modelFile(face.file), 0x80204B);
    ASSERT_NE(scene, nullptr);
    const aiMesh* mesh = scene->mMeshes[0];
    // The plate is flat and its uvs linear in x and y: find them at the plate's corners.
    glm::vec2 lo(1e9f), hi(-1e9f), uvLo, uvHi;
    for (unsigned i = 0; i < mesh->mNumVertices; ++i) {
        const glm::vec2 p(mesh->mVertices[i].x, mesh->mVertices[i].y);
        const glm::vec2 uv(mesh->mTextureCoords[0][i].x, mesh->mTextureCoords[0][i].y);
        if (p.x <= lo.x && p.y <= lo.y)
            std::tie(lo, uvLo) = std::pair{p, uv};
        if (p.x >= hi.x && p.y >= hi.y)
            std::tie(hi, uvHi) = std::pair{p, uv};
    }
    auto st = [&](float x, float y) { return uvLo + (uvHi - uvLo) * glm::vec2(x, y); };
    auto glowing = [](glm::vec3 c) { return c.b > 0.7f && c.g > 0.5f && c.r < 0.6f; };
    const Decoded awake = decodeWithDevil(modelFile(face.diffuse));
    const Decoded wink = decodeWithDevil(modelFile(rtr::scene::iloWinkFace));
    for (float side : {0.325f, 0.675f}) {
        // Eyes a little above the middle, nothing glowing as far below it.
        EXPECT_TRUE(glowing(awake.sample(st(side, 0.66f)))) << side;
        EXPECT_FALSE(glowing(awake.sample(st(side, 0.34f)))) << side;
    }
    // The winking face keeps one eye open and shuts the other.
    EXPECT_TRUE(glowing(wink.sample(st(0.675f, 0.56f))));
    EXPECT_FALSE(glowing(wink.sample(st(0.325f, 0.56f))));
    // The plate's edge shows the head's white paint, not the dark screen.
    EXPECT_GT(awake.sample(st(0.5f, 0.01f)).r, 0.7f);
}

// ---- music ----------------------------------------------------------------------------------

// Interleaved float samples; asserts the stream is 44.1 kHz stereo.
std::vector<float> decodeMp3(const std::string& path) {
    mpg123_init();
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_FORCE_FLOAT, 0.0);
    std::vector<float> samples;
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_open(handle, path.c_str()) == MPG123_OK &&
        mpg123_getformat(handle, &rate, &channels, &encoding) == MPG123_OK) {
        EXPECT_EQ(rate, 44100);
        EXPECT_EQ(channels, 2);
        std::vector<float> buffer(1 << 14);
        std::size_t done = 0;
        int status = MPG123_OK;
        while (status == MPG123_OK) {
            status = mpg123_read(handle, buffer.data(), buffer.size() * sizeof(float), &done);
            samples.insert(samples.end(), buffer.begin(), buffer.begin() + done / sizeof(float));
        }
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return samples;
}

double rms(const std::vector<float>& s, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(to - from));
}

TEST(SceneMusic, DecodesToAboutAMinuteThatStartsAtOnceHasNoGapsAndNeverClips) {
    const auto s =
        decodeMp3(modelFile("Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3"));
    const std::size_t second = 2 * 44100;
    ASSERT_GT(s.size(), second);
    EXPECT_NEAR(double(s.size()) / second, 57.6, 0.05);  // 24 bars at 100 beats per minute
    // Sound from the first few milliseconds on: the program unpauses it mid-show.
    EXPECT_GT(rms(s, 0, second / 100), 0.02);
    for (std::size_t from = 0; from + second <= s.size(); from += second) {
        EXPECT_GT(rms(s, from, from + second), 0.03) << from / second << " s";
    }
    float peak = 0.0f;
    for (float v : s) peak = std::max(peak, std::fabs(v));
    EXPECT_LT(peak, 0.99f);
    EXPECT_GT(peak, 0.5f);
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
    std::set<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(a)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), a);
        EXPECT_EQ(readAll(entry.path()), readAll(b / relative)) << relative;
        // The build's own data set is the same too.
        EXPECT_EQ(readAll(entry.path()), readAll(testsupport::repoPath("Models") / relative))
            << relative;
        written.insert(relative.generic_string());
    }
    // Exactly the files the build waits for: it notices any of them missing.
    EXPECT_EQ(written, filesTheBuildWaitsFor());
}

}  // namespace
