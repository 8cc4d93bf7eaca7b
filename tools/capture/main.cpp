// Renders the show deterministically at a fixed frame rate into numbered PNG frames, and can
// turn them into a video with the music when ffmpeg is installed.
//
//   lumavex_capture [--fps N] [--until SECONDS] [--at t1,t2,...] [--out DIR] [--video]
//                   [--no-images]
//
// Run it from a directory beside Shader/ and Models/ (the build directory), like the demo.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/show_runner.h"
#include "app/startup.h"

namespace {

struct Options {
    double fps = 30.0;
    double until = 70.0;
    std::vector<double> moments;  // empty: every frame
    std::string outDir = "../captures";
    bool video = false;
    bool images = true;
};

std::vector<double> parseMoments(const std::string& list) {
    std::vector<double> moments;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        moments.push_back(std::stod(item));
    }
    return moments;
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--fps" && hasValue) {
            options.fps = std::stod(argv[++i]);
        } else if (arg == "--until" && hasValue) {
            options.until = std::stod(argv[++i]);
        } else if (arg == "--at" && hasValue) {
            options.moments = parseMoments(argv[++i]);
        } else if (arg == "--out" && hasValue) {
            options.outDir = argv[++i];
        } else if (arg == "--video") {
            options.video = true;
        } else if (arg == "--no-images") {
            options.images = false;
        } else {
            std::cerr << "usage: lumavex_capture [--fps N] [--until SECONDS] [--at t1,t2,...] "
                         "[--out DIR] [--video] [--no-images]\n";
            return false;
        }
    }
    return options.fps > 0.0;
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

void encodeVideo(const Options& options) {
    if (std::system("command -v ffmpeg >/dev/null 2>&1") != 0) {
        std::cout << "ffmpeg is not installed: frames written, no video made." << std::endl;
        return;
    }
    // The music starts at 8 s of the show and fades out between 55 and 60 s.
    std::ostringstream command;
    command << "ffmpeg -y -loglevel error -framerate " << options.fps << " -i '" << options.outDir
            << "/frame_%05d.png' -i "
            << "'../Models/Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3' "
            << "-filter_complex '[1:a]aloop=loop=-1:size=2e9,atrim=0:52,"
            << "afade=t=out:st=47:d=5,adelay=8000|8000,apad[a]' -map 0:v -map '[a]' "
            << "-shortest -c:v libx264 -pix_fmt yuv420p -c:a aac '" << options.outDir
            << "/show.mp4'";
    if (std::system(command.str().c_str()) == 0) {
        std::cout << "Video written to " << options.outDir << "/show.mp4" << std::endl;
    } else {
        std::cout << "ffmpeg failed; the frames are in " << options.outDir << std::endl;
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options))
        return 2;
    if (options.images)
        std::filesystem::create_directories(options.outDir);

    rtr::windowWidth = 1024;
    rtr::windowHeight = 768;
    rtr::windowed = true;
    rtr::startUp();

    rtr::ShowRunner runner(1.0 / options.fps);
    const long frameCount = std::lround(options.until * options.fps);
    long errors = 0;
    long written = 0;
    std::vector<unsigned char> pixels;
    for (long i = 0; i < frameCount; ++i) {
        const bool draw = wantFrame(options, i + 1);
        errors += runner.step(draw, (draw && options.images) ? &pixels : nullptr);
        if (draw && options.images) {
            rtr::writePngRgb(framePath(options, i, runner.time()), rtr::windowWidth,
                             rtr::windowHeight, pixels);
            ++written;
        }
    }
    std::cout << "Captured " << frameCount << " frames (" << written << " images), " << errors
              << " GL errors." << std::endl;
    if (options.video && options.moments.empty() && options.images)
        encodeVideo(options);
    rtr::shutDown();
    return errors == 0 ? 0 : 1;
}
