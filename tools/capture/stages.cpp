#include "stages.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "app/globals.h"
#include "common/output_file.h"
#include "common/run_program.h"
#include "render/render_passes.h"
#include "render/shadow_map.h"
#include "render/stage_pictures.h"

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

void readTargets(FrameAnatomy& anatomy) {
    for (const rtr::StagePicture& picture : rtr::stagePictures)
        anatomy.images.push_back({picture.file, picture.caption, picture.stage, picture.make()});
    anatomy.hdrRange = rtr::hdrLuminanceRange();
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

bool labelHdrImage(const std::string& path, rtr::LuminanceRange range, std::string& error) {
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
