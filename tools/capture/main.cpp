// Renders the show deterministically at a fixed frame rate into numbered PNG frames, or
// streams the frames straight into ffmpeg for a video with the music. `--help` lists the
// options.
//
// Run it from a directory beside Shader/ and Models/ (the build directory), like the demo.
#include <GL/glew.h>
#include <signal.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/music.h"
#include "common/show_runner.h"
#include "app/startup.h"
#include "common/command_line.h"
#include "common/progress.h"
#include "ffmpeg_pipe.h"
#include "stages.h"

namespace {

constexpr double kLongestShow = 3600.0;

struct Options {
    double fps = 30.0;
    double until = 70.0;
    std::string momentList;       // empty: every frame
    std::vector<double> moments;  // parsed from momentList
    std::string outDir = "../captures";
    bool video = false;
    bool images = false;    // --images: PNG frames also with --video
    bool noImages = false;  // --no-images: no files at all
    bool stages = false;    // --stages: every target of each moment and a sheet of them
    rtr::PixelSize size = rtr::kShowFrameSize;  // --size

    // Without a video the frames are the product; with one, PNGs only on request.
    bool writesImages() const { return !noImages && (images || !video); }
};

std::optional<int> parseOptions(int argc, char** argv, Options& options) {
    CLI::App app{
        "Plays the show with a fixed clock and writes its frames as PNG images, or "
        "streams them into ffmpeg as a video with the music (--video).",
        "lumavex_capture"};
    app.add_option("--fps", options.fps, "frames per second of show time")
        ->type_name("N")
        ->check(tools::numberAbove(0.0, 1000.0))
        ->capture_default_str();
    app.add_option("--until", options.until,
                   "length of the capture in seconds of show time (with --at: up to the last "
                   "moment)")
        ->type_name("SECONDS")
        ->check(tools::numberAbove(0.0, kLongestShow))
        ->capture_default_str();
    auto* at = app.add_option("--at", options.momentList,
                              "only the frames nearest these show times in seconds, written "
                              "as moment_<time>s.png (default: every frame, frame_<n>.png)")
                   ->type_name("T1,T2,...")
                   ->check(tools::timeList(kLongestShow));
    app.add_option("--out", options.outDir, "directory for the images and show.mp4")
        ->type_name("DIR")
        ->capture_default_str();
    tools::addFrameSizeOption(app, options.size);
    app.add_flag("--video", options.video,
                 "stream the frames into ffmpeg and write show.mp4 with the music; no PNG "
                 "frames unless --images is given too")
        ->excludes(at);
    auto* images = app.add_flag("--images", options.images, "write PNG frames also with --video");
    app.add_flag("--no-images", options.noImages, "write no PNG frames (render only)")
        ->excludes(images);
    app.add_flag("--stages", options.stages,
                 "with --at: write every stage of each moment (G-buffer, occlusion, shadow "
                 "cube, HDR light, final frame) and a labelled sheet into "
                 "stages_<time>s/")
        ->needs(at)
        ->excludes(images);
    if (std::optional<int> status = tools::parseCommandLine(app, argc, argv))
        return status;
    if (!options.momentList.empty()) {
        options.moments = *tools::parseTimes(options.momentList, kLongestShow);
        // Nothing is drawn after the last moment: stop there unless told otherwise.
        if (app.count("--until") == 0)
            options.until = *std::max_element(options.moments.begin(), options.moments.end()) +
                            1.0 / options.fps;
    }
    return std::nullopt;
}

// With chosen moments, only the frame nearest each moment is drawn; the show still steps
// through every frame in between, since parts of it integrate over time.
bool wantFrame(const Options& options, long frameNumber) {
    if (options.moments.empty())
        return true;
    for (double moment : options.moments) {
        if (std::max(1L, std::lround(moment * options.fps)) == frameNumber)
            return true;
    }
    return false;
}

std::string framePath(const Options& options, long index, double time) {
    char name[64];
    if (options.moments.empty()) {
        std::snprintf(name, sizeof name, "frame_%05ld.png", index);
    } else {
        std::snprintf(name, sizeof name, "moment_%06.2fs.png", time);
    }
    return options.outDir + "/" + name;
}

std::string videoPath(const Options& options) {
    return options.outDir + "/show.mp4";
}

// Raw RGB frames on standard input, top row first; the music starts at 8 s of the show and
// fades out between 55 and 60 s. "file:" keeps names starting with '-' or holding ':' plain.
std::vector<std::string> ffmpegArguments(const Options& options) {
    std::ostringstream size, rate;
    size << rtr::windowWidth << "x" << rtr::windowHeight;
    rate.precision(17);
    rate << options.fps;
    return {"ffmpeg",
            "-nostdin",
            "-y",
            "-loglevel",
            "error",
            "-f",
            "rawvideo",
            "-pixel_format",
            "rgb24",
            "-video_size",
            size.str(),
            "-framerate",
            rate.str(),
            "-i",
            "pipe:0",
            "-i",
            std::string("file:") + rtr::musicFile,
            "-filter_complex",
            "[1:a]aloop=loop=-1:size=2e9,atrim=0:52,afade=t=out:st=47:d=5,"
            "adelay=8000|8000,apad[a]",
            "-map",
            "0:v",
            "-map",
            "[a]",
            "-shortest",
            "-c:v",
            "libx264",
            "-pix_fmt",
            "yuv420p",
            "-c:a",
            "aac",
            "file:" + videoPath(options)};
}

// GL reads back the bottom row first; video frames start at the top.
bool sendFrame(tools::ChildPipe& ffmpeg, const std::vector<unsigned char>& rgb) {
    const std::size_t rowBytes = static_cast<std::size_t>(rtr::windowWidth) * 3;
    for (int y = rtr::windowHeight - 1; y >= 0; --y) {
        if (!ffmpeg.write(rgb.data() + y * rowBytes, rowBytes))
            return false;
    }
    return true;
}

bool finishVideo(const Options& options, tools::ChildPipe& ffmpeg, bool complete) {
    const int status = ffmpeg.finish();
    std::error_code error;
    const auto size = std::filesystem::file_size(videoPath(options), error);
    if (complete && status == 0 && !error && size > 0) {
        std::cout << "Video written to " << videoPath(options) << std::endl;
        return true;
    }
    std::cerr << "lumavex_capture: ";
    if (!complete)
        std::cerr << "ffmpeg stopped taking frames (exit status " << status << ")";
    else if (status != 0)
        std::cerr << "ffmpeg failed (exit status " << status << ")";
    else
        std::cerr << "ffmpeg left no " << videoPath(options);
    std::cerr << "; no video written." << std::endl;
    return false;
}

// Draws the moment with every stage timed and writes its anatomy, counting the GL errors that
// raised. False when the images could not be written.
bool writeStages(const Options& options, double time, long& written, long& errors) {
    const tools::FrameAnatomy anatomy = tools::dissectFrame();
    while (glGetError() != GL_NO_ERROR) ++errors;
    if (options.noImages)
        return true;
    const std::string directory = tools::anatomyDirectory(options.outDir, time);
    std::string reason;
    if (!tools::writeAnatomy(anatomy, time, directory, reason)) {
        std::cerr << "lumavex_capture: stages at " << time << " s: " << reason << std::endl;
        return false;
    }
    written += static_cast<long>(anatomy.images.size()) + 1;
    std::cout << "Stages written to " << directory << "/sheet.png" << std::endl;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (std::optional<int> status = parseOptions(argc, argv, options))
        return *status;
    std::error_code error;
    if ((options.writesImages() || options.video) &&
        !std::filesystem::create_directories(options.outDir, error) && error) {
        std::cerr << "lumavex_capture: cannot create " << options.outDir << ": " << error.message()
                  << std::endl;
        return 1;
    }
#ifdef SIGPIPE
    // A failed ffmpeg must show up as a failed write, not end this process.
    signal(SIGPIPE, SIG_IGN);
#endif

    rtr::startDemo(true, options.size);

    tools::ChildPipe ffmpeg;
    std::string reason;
    if (options.video && !ffmpeg.start(ffmpegArguments(options), reason)) {
        std::cerr << "lumavex_capture: cannot start ffmpeg: " << reason
#ifndef _WIN32
                  << " (install it with apt-get install ffmpeg)"
#endif
                  << std::endl;
        rtr::shutDown();
        return 1;
    }

    rtr::ShowRunner runner(1.0 / options.fps);
    const long frameCount = std::lround(options.until * options.fps);
    tools::Progress progress("capture", frameCount);
    long errors = 0;
    long written = 0;
    bool streamed = true;  // every frame reached ffmpeg
    bool stagesFine = true;
    std::vector<unsigned char> pixels;
    for (long i = 0; i < frameCount && streamed; ++i) {
        const bool draw = wantFrame(options, i + 1);
        if (options.stages) {
            errors += runner.step(false);
            if (draw) {
                progress.clear();  // the result line must not land inside the bar
                stagesFine &= writeStages(options, runner.time(), written, errors);
            }
            progress.update(i + 1);
            continue;
        }
        const bool readBack = draw && (options.writesImages() || options.video);
        errors += runner.step(draw, readBack ? &pixels : nullptr);
        if (readBack && options.writesImages()) {
            rtr::writePngRgb(framePath(options, i, runner.time()), rtr::windowWidth,
                             rtr::windowHeight, pixels);
            ++written;
        }
        if (options.video)
            streamed = sendFrame(ffmpeg, pixels);
        progress.update(i + 1);
    }
    progress.finish();
    std::cout << "Captured " << frameCount << " frames (" << written << " images), " << errors
              << " GL errors." << std::endl;
    const bool videoFine = !options.video || finishVideo(options, ffmpeg, streamed);
    rtr::shutDown();
    return errors == 0 && videoFine && stagesFine ? 0 : 1;
}
