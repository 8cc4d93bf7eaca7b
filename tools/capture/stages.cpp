#include "stages.h"

#include <GL/glew.h>
#include <glm/glm.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "app/globals.h"
#include "common/output_file.h"
#include "common/show_runner.h"
#include "common/run_program.h"
#include "render/gbuffer.h"
#include "render/occlusion_blur.h"
#include "render/render_passes.h"
#include "render/shadow_map.h"
#include "scene/scene_geometry.h"

namespace tools {

namespace {

constexpr const char* kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The median GPU time of each stage over `repeats` draws of the same frame.
std::array<double, kStageCount> timeStages(int repeats) {
    StageTimer timer;
    std::array<std::vector<double>, kStageCount> samples;
    for (int r = 0; r < repeats; ++r) {
        const FrameTimes times = timer.timeFrame();
        for (std::size_t s = 0; s < kStageCount; ++s) samples[s].push_back(times.stages[s]);
    }
    std::array<double, kStageCount> medians{};
    for (std::size_t s = 0; s < kStageCount; ++s) medians[s] = summarise(samples[s]).median;
    return medians;
}

std::vector<float> readTexture(GLenum target, GLuint texture, GLenum image, GLenum format,
                               int components, int width, int height) {
    std::vector<float> values(static_cast<std::size_t>(width) * height * components);
    glBindTexture(target, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(image, 0, format, GL_FLOAT, values.data());
    glBindTexture(target, 0);
    return values;
}

std::vector<float> read2D(GLuint texture, GLenum format, int components) {
    const rtr::PixelSize size = rtr::renderSize;
    return readTexture(GL_TEXTURE_2D, texture, GL_TEXTURE_2D, format, components, size.width,
                       size.height);
}

RgbImage readAlbedo() {
    const rtr::PixelSize size = rtr::renderSize;
    RgbImage image{
        size.width, size.height,
        std::vector<unsigned char>(static_cast<std::size_t>(size.width) * size.height * 3)};
    glBindTexture(GL_TEXTURE_2D, rtr::gBuffer->albedoTexture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, image.rgb.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return image;
}

RgbImage readShadowCross() {
    std::array<std::vector<float>, 6> faces;
    for (int f = 0; f < 6; ++f) {
        faces[f] = readTexture(GL_TEXTURE_CUBE_MAP, rtr::shadowMapFbo->cubeMap,
                               GL_TEXTURE_CUBE_MAP_POSITIVE_X + f, GL_DEPTH_COMPONENT, 1,
                               rtr::shadowMapSize, rtr::shadowMapSize);
    }
    return shadowCross(faces, rtr::shadowMapSize, rtr::shadowMapSize / 2, rtr::nearPlane,
                       rtr::farPlane);
}

// The largest side of the room's walls in world units: positions are coloured over it.
float sceneExtent() {
    const glm::mat4& m = rtr::wallModel->modelMatrix;
    const glm::vec3 a = glm::vec3(m * glm::vec4(rtr::wallModel->boundingBoxMin, 1.0f));
    const glm::vec3 b = glm::vec3(m * glm::vec4(rtr::wallModel->boundingBoxMax, 1.0f));
    const glm::vec3 size = glm::abs(b - a);
    return std::max(1.0f, std::max(size.x, std::max(size.y, size.z)));
}

void readTargets(FrameAnatomy& anatomy) {
    rtr::GBuffer& g = *rtr::gBuffer;
    const int w = rtr::renderSize.width;
    const int h = rtr::renderSize.height;
    const std::vector<float> ssao = read2D(g.ssaoTexture, GL_RED, 1);
    const std::vector<float> hdr = read2D(g.hdrColorTexture, GL_RGB, 3);
    anatomy.hdrRange = luminanceRange(hdr);
    anatomy.images = {
        {"1_shadow_cube.png", "shadow cube of light 0 (near = light)", 0, readShadowCross()},
        {"2_position.png", "view-space position", 2,
         positionImage(read2D(g.positionDepthTexture, GL_RGBA, 4), w, h, sceneExtent())},
        {"3_normal.png", "view-space normal", 2,
         normalImage(read2D(g.normalTexture, GL_RGB, 3), w, h)},
        {"4_albedo.png", "albedo", 2, readAlbedo()},
        {"5_ssao_raw.png", "raw SSAO", 3, greyImage(ssao, w, h)},
        {"6_occlusion_blurred.png", "occlusion as the light pass reads it", 3,
         greyImage(read2D(rtr::occlusionBlur->blurredTexture, GL_RED, 1), w, h)},
        {"7_hdr_light.png", "HDR light, log luminance", 4,
         falseColourImage(hdr, w, h, anatomy.hdrRange)},
        {"8_final.png", "final frame", 5, {w, h, rtr::readFrameRgb()}},
    };
}

std::vector<std::string> fontArguments() {
    if (std::filesystem::exists(kFont))
        return {"-font", kFont};
    return {};
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// ImageMagick writes the picture to its standard output ("png:-"); it reaches `path` only
// complete.
bool writeImageMagickOutput(std::vector<std::string> arguments, const std::string& path,
                            std::string& error) {
    arguments.push_back("png:-");
    std::string png;
    return runProgramForOutput(arguments, png, error) && writeFile(path, png, error);
}

bool labelHdrImage(const std::string& path, LuminanceRange range, std::string& error) {
    const std::string text =
        "luminance, log scale: " + format("%.2g", range.low) + " to " + format("%.3g", range.high);
    std::vector<std::string> arguments = {"convert", path};
    for (const std::string& a : fontArguments()) arguments.push_back(a);
    for (const char* a : {"-pointsize", "18", "-fill", "white", "-undercolor", "#000000a0",
                          "-gravity", "SouthWest", "-annotate", "+10+30"})
        arguments.push_back(a);
    arguments.push_back(text);
    return writeImageMagickOutput(arguments, path, error);
}

bool labelShadowCross(const std::string& path, int faceSize, std::string& error) {
    static const char* const kFaces[6][3] = {{"+Y", "1", "0"}, {"-X", "0", "1"}, {"+Z", "1", "1"},
                                             {"+X", "2", "1"}, {"-Z", "3", "1"}, {"-Y", "1", "2"}};
    std::vector<std::string> arguments = {"convert", path};
    for (const std::string& a : fontArguments()) arguments.push_back(a);
    for (const char* a : {"-pointsize", "20", "-fill", "#ffb000", "-gravity", "NorthWest"})
        arguments.push_back(a);
    for (const auto& face : kFaces) {
        const int x = std::stoi(face[1]) * faceSize + 6;
        const int y = std::stoi(face[2]) * faceSize + 4;
        arguments.push_back("-annotate");
        arguments.push_back("+" + std::to_string(x) + "+" + std::to_string(y));
        arguments.push_back(face[0]);
    }
    return writeImageMagickOutput(arguments, path, error);
}

// Every stage but the camera's has a picture and its time under it; the title has the rest.
std::string sheetTitle(const FrameAnatomy& anatomy, double showTime) {
    double total = 0.0;
    for (double ms : anatomy.milliseconds) total += ms;
    return "t = " + format("%.2f", showTime) + " s: GPU frame time " + format("%.1f", total) +
           " ms (camera matrices " + format("%.1f", anatomy.milliseconds[1]) + " ms)";
}

bool writeSheet(const FrameAnatomy& anatomy, double showTime, const std::string& directory,
                std::string& error) {
    std::vector<std::string> arguments = {"montage"};
    for (const std::string& a : fontArguments()) arguments.push_back(a);
    for (const char* a : {"-fill", "white", "-background", "#1c1c1c"}) arguments.push_back(a);
    for (std::size_t i = 0; i < anatomy.images.size(); ++i) {
        const StageImage& image = anatomy.images[i];
        arguments.push_back("-label");
        arguments.push_back(std::to_string(i + 1) + ". " + image.caption + "\\n" +
                            rtr::renderStages[image.stage].name + " stage " +
                            format("%.1f ms", anatomy.milliseconds[image.stage]));
        arguments.push_back(directory + "/" + image.file);
    }
    // One point size for labels and title; montage draws the title at about twice the size.
    for (const char* a : {"-tile", "4x2", "-geometry", "400x300+6+6", "-pointsize", "14", "-title"})
        arguments.push_back(a);
    arguments.push_back(sheetTitle(anatomy, showTime));
    return writeImageMagickOutput(arguments, directory + "/sheet.png", error);
}

}  // namespace

FrameAnatomy dissectFrame(int repeats) {
    FrameAnatomy anatomy;
    anatomy.milliseconds = timeStages(std::max(1, repeats));
    readTargets(anatomy);
    return anatomy;
}

std::string anatomyDirectory(const std::string& outDir, double showTime) {
    return outDir + "/" + format("stages_%06.2fs", showTime);
}

bool writeAnatomy(const FrameAnatomy& anatomy, double showTime, const std::string& directory,
                  std::string& error) {
    std::error_code code;
    if (!std::filesystem::create_directories(directory, code) && code) {
        error = "cannot create " + directory + ": " + code.message();
        return false;
    }
    for (const StageImage& image : anatomy.images) {
        const std::string path = directory + "/" + image.file;
        if (!writePngRgb(path, image.image.width, image.image.height, image.image.rgb, error))
            return false;
    }
    return labelShadowCross(directory + "/1_shadow_cube.png", rtr::shadowMapSize / 2, error) &&
           labelHdrImage(directory + "/7_hdr_light.png", anatomy.hdrRange, error) &&
           writeSheet(anatomy, showTime, directory, error);
}

}  // namespace tools
