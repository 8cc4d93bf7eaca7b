// Renders the show deterministically at a fixed frame rate into numbered PNG frames, or
// streams the frames straight into ffmpeg for a video with the music. `--help` lists the
// options.
//
// Run it from a directory beside Shader/ and Models/ (the build directory), like the demo.
#include <GL/glew.h>
#include <signal.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/music.h"
#include "app/setting_keys.h"
#include "app/startup.h"
#include "camera/show_script.h"
#include "explore/overlay_panel.h"
#include "explore/view_command.h"
#include "explore/viewer.h"
#include "common/show_runner.h"
#include "common/command_line.h"
#include "common/output_file.h"
#include "common/progress.h"
#include "ffmpeg_pipe.h"
#include "stages.h"
#include "util/window.h"

namespace {

constexpr double kLongestShow = 3600.0;

struct Options {
    double fps = 30.0;
    double until = rtr::show::showLength;
    std::string momentList;       // empty: every frame
    std::vector<double> moments;  // parsed from momentList
    std::string outDir = "../captures";
    bool video = false;
    bool images = false;    // --images: PNG frames also with --video
    bool noImages = false;  // --no-images: no files at all
    bool stages = false;    // --stages: every target of each moment and a sheet of them
    bool panel = false;     // --panel: the overlay panel over every frame
    rtr::PixelSize size = rtr::kShowFrameSize;  // --size
    std::string settingList;  // --set: empty keeps the settings the show starts with
    std::string cameraPose;   // --camera: empty leaves the camera to the show

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
    app.add_option("--set", options.settingList,
                   "render every frame with these settings, e.g. ssao=off,shadows=off: " +
                       rtr::settingAssignmentHelp())
        ->type_name("NAME=VALUE,...")
        ->check(tools::settingList());
    app.add_option("--camera", options.cameraPose,
                   "a free-flying camera at x,y,z looking along yaw and pitch in degrees, with "
                   "an optional vertical field of view in degrees (as the demo's F2 prints it)")
        ->type_name("X,Y,Z,YAW,PITCH[,FOV]")
        ->check(CLI::Validator(
            [](std::string& text) {
                std::string error;
                return rtr::parseCameraPose(text, &error) ? std::string() : error;
            },
            "", "camera pose"));
    app.add_flag("--panel", options.panel,
                 "draw the overlay panel (show clock, timings, switches) over every frame")
        ->excludes("--stages");
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

// A moment this close to a frame's time is that frame's.
constexpr double kOnFrameGrid = 1.0e-6;

// The frame that shows `moment`: the frame at its time, or for a moment between two frames
// the later one, which is shortened to end at the moment.
long frameShowing(double moment, double fps) {
    const double frames = moment * fps;
    if (std::abs(frames - std::round(frames)) < kOnFrameGrid)
        return std::max(1L, std::lround(frames));
    return static_cast<long>(std::floor(frames)) + 1;
}

// The moment frame `frameNumber` is shortened to end at, when a moment lies between it and the
// frame before.
std::optional<double> momentEndingFrame(const Options& options, long frameNumber) {
    for (double moment : options.moments) {
        const double frames = moment * options.fps;
        if (std::abs(frames - std::round(frames)) >= kOnFrameGrid &&
            frameShowing(moment, options.fps) == frameNumber)
            return moment;
    }
    return std::nullopt;
}

// With chosen moments, only the frame showing each moment is drawn; the show still steps
// through every frame in between, since parts of it integrate over time.
bool wantFrame(const Options& options, long frameNumber) {
    if (options.moments.empty())
        return true;
    for (double moment : options.moments) {
        if (frameShowing(moment, options.fps) == frameNumber)
            return true;
    }
    return false;
}

// Shortens the next frame when it must end at a moment between two frames.
void aimAtMoment(const Options& options, rtr::ShowRunner& runner, long frameNumber) {
    if (const std::optional<double> moment = momentEndingFrame(options, frameNumber))
        runner.endNextFrameAt(*moment);
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
// ffmpeg writes `output`, the temporary name the video has until it is complete.
std::vector<std::string> ffmpegArguments(const Options& options, const std::string& output) {
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
            // Over the whole show x264's veryfast preset encodes about 21 s faster than the
            // default and makes a smaller file (7.1 instead of 8.3 MB), at a mean SSIM against
            // the rendered frames of 0.990 instead of 0.992.
            "-preset",
            "veryfast",
            "-pix_fmt",
            "yuv420p",
            "-c:a",
            "aac",
            "file:" + output};
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

// The signal that asked us to stop (Ctrl-C, a closed terminal, kill), or 0.
volatile std::sig_atomic_t interruption = 0;

void noteInterruption(int signalNumber) {
    interruption = signalNumber;
}

// The capture stops between frames instead of dying inside one, so it can take the unfinished
// video away and wait for ffmpeg. A signal the caller set to be ignored (a job started in the
// background by a script) stays ignored.
void catchInterruptions() {
#ifdef _WIN32
    // The console's Ctrl-C arrives as SIGINT; Windows has no other of these signals.
    std::signal(SIGINT, noteInterruption);
#else
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        sigaction(signalNumber, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = noteInterruption;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(signalNumber, &action, nullptr);
    }
#endif
}

// Whoever started us learns that the signal ended the run, as if it had not been caught.
[[noreturn]] void endAsInterrupted(int signalNumber) {
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
    std::_Exit(128 + signalNumber);
}

// What a capture did, frame by frame.
struct CaptureRun {
    long frameCount = 0;   // frames the show is played for
    long framesDone = 0;   // frames stepped so far
    long written = 0;      // image files complete under their names
    long errors = 0;       // GL errors raised
    bool streamed = true;  // every frame reached ffmpeg
    std::string failure;   // why a file could not be written; empty while all went well
};

// Draws the moment with every stage timed and writes its anatomy, counting the GL errors that
// raised; a failure to write is recorded in `run`.
void writeStages(const Options& options, double time, tools::Progress& progress, CaptureRun& run) {
    const tools::FrameAnatomy anatomy = tools::dissectFrame();
    while (glGetError() != GL_NO_ERROR) ++run.errors;
    if (options.noImages)
        return;
    const std::string directory = tools::anatomyDirectory(options.outDir, time);
    if (!tools::writeAnatomy(anatomy, time, directory, run.failure))
        return;
    run.written += static_cast<long>(anatomy.images.size()) + 1;
    progress.clear();  // the result line must not land inside the bar
    std::cout << "Stages written to " << directory << "/sheet.png" << std::endl;
}

void captureFrame(const Options& options, rtr::ShowRunner& runner, tools::ChildPipe& ffmpeg,
                  std::vector<unsigned char>& pixels, CaptureRun& run) {
    const long index = run.framesDone;
    const bool draw = wantFrame(options, index + 1);
    aimAtMoment(options, runner, index + 1);
    const bool readBack = draw && (options.writesImages() || options.video);
    run.errors += runner.step(draw, readBack ? &pixels : nullptr);
    if (readBack && options.writesImages()) {
        if (!tools::writePngRgb(framePath(options, index, runner.time()), rtr::windowWidth,
                                rtr::windowHeight, pixels, run.failure))
            return;
        ++run.written;
    }
    if (options.video)
        run.streamed = sendFrame(ffmpeg, pixels);
}

// What the panel shows over a captured frame: nothing is timed here, so the stages are listed
// as not measured.
rtr::PanelModel capturedPanelModel(const rtr::ShowRunner& runner) {
    rtr::StageTimes notMeasured;
    notMeasured.fill(-1.0);
    return rtr::panelModelNow(runner.frameTime(), notMeasured);
}

// Plays the show until its end, the first file that cannot be written, ffmpeg giving up or an
// interruption; with a panel, it is drawn over every rendered frame.
CaptureRun playShow(const Options& options, tools::ChildPipe& ffmpeg, rtr::OverlayPanel* panel) {
    rtr::ShowRunner runner(1.0 / options.fps);
    if (panel != nullptr)
        runner.setOverlay(
            [panel, &runner] { panel->draw(capturedPanelModel(runner), rtr::RenderSettings); });
    CaptureRun run;
    run.frameCount = std::lround(options.until * options.fps);
    tools::Progress progress("capture", run.frameCount);
    std::vector<unsigned char> pixels;
    while (run.framesDone < run.frameCount && run.streamed && run.failure.empty() &&
           interruption == 0) {
        if (options.stages) {
            aimAtMoment(options, runner, run.framesDone + 1);
            run.errors += runner.step(false);
            if (wantFrame(options, run.framesDone + 1))
                writeStages(options, runner.time(), progress, run);
        } else {
            captureFrame(options, runner, ffmpeg, pixels, run);
        }
        progress.update(++run.framesDone);
    }
    progress.finish();
    return run;
}

void reportInterruption(const Options& options, const CaptureRun& run) {
    std::cerr << "lumavex_capture: interrupted after " << run.framesDone << " of " << run.frameCount
              << " frames";
    if (options.video)
        std::cerr << "; the unfinished video was removed, no " << videoPath(options) << " written";
    if (run.written > 0)
        std::cerr << "; the " << run.written << " images written are complete";
    std::cerr << std::endl;
}

// Waits for ffmpeg and puts the video under its name when ffmpeg made one. False with the
// reason in `failure`.
bool finishVideo(tools::ChildPipe& ffmpeg, tools::PartialFile& video, const CaptureRun& run,
                 std::string& failure) {
    std::string reason;
    const bool exited = ffmpeg.finish(reason);
    if (!run.streamed) {
        failure = "cannot write " + video.targetPath() +
                  ": ffmpeg stopped taking frames at frame " + std::to_string(run.framesDone) +
                  (exited ? "" : " (" + reason + ")");
    } else if (!exited) {
        failure = "cannot write " + video.targetPath() + ": " + reason;
    } else {
        return video.commit(failure);
    }
    video.discard();
    return false;
}

bool startVideo(const Options& options, tools::PartialFile& video, tools::ChildPipe& ffmpeg) {
    std::string reason;
    if (!video.create(reason)) {
        std::cerr << "lumavex_capture: " << reason << std::endl;
        return false;
    }
    if (!ffmpeg.start(ffmpegArguments(options, video.path()), reason)) {
        std::cerr << "lumavex_capture: " << reason
#ifndef _WIN32
                  << " (install it with apt-get install ffmpeg)"
#endif
                  << std::endl;
        return false;
    }
    return true;
}

// Folder ready and writable before the long run, not at its first frame.
bool prepareOutputFolder(const Options& options) {
    if (!options.writesImages() && !options.video)
        return true;
    std::error_code error;
    if (!std::filesystem::create_directories(options.outDir, error) && error) {
        std::cerr << "lumavex_capture: cannot create " << options.outDir << ": " << error.message()
                  << std::endl;
        return false;
    }
    std::string reason;
    if (!tools::checkFolderWritable(options.outDir, reason)) {
        std::cerr << "lumavex_capture: " << reason << std::endl;
        return false;
    }
    return true;
}

int capture(const Options& options) {
    if (!prepareOutputFolder(options))
        return 1;
    // A failed ffmpeg must show up as a failed write, not end this process.
#ifdef SIGPIPE
    signal(SIGPIPE, SIG_IGN);
#endif
    catchInterruptions();
    rtr::startDemo(true, options.size);
    if (!options.settingList.empty())  // checked while parsing: cannot fail here
        rtr::applySettingAssignments(options.settingList, rtr::RenderSettings);
    if (!options.cameraPose.empty())  // checked while parsing
        rtr::placeStillCamera(*rtr::parseCameraPose(options.cameraPose));
    // Made after start-up: a fatal start-up error ends the process without cleaning up.
    tools::PartialFile video(videoPath(options));
    tools::ChildPipe ffmpeg;
    if (options.video && !startVideo(options, video, ffmpeg)) {
        rtr::shutDown();
        return 1;
    }
    std::unique_ptr<rtr::OverlayPanel> panel;
    if (options.panel) {
        panel = std::make_unique<rtr::OverlayPanel>(rtr::mainWindow->window);
        panel->toggle();
    }
    const CaptureRun run = playShow(options, ffmpeg, panel.get());
    panel.reset();  // its GL objects go while the window's context is still there
    std::string failure = run.failure;
    if (interruption != 0) {
        ffmpeg.stop();
        video.discard();
        reportInterruption(options, run);
    } else if (failure.empty() && (!options.video || finishVideo(ffmpeg, video, run, failure))) {
        std::cout << "Captured " << run.frameCount << " frames (" << run.written << " images), "
                  << run.errors << " GL errors." << std::endl;
        if (options.video)
            std::cout << "Video written to " << videoPath(options) << std::endl;
    }
    if (!failure.empty())
        std::cerr << "lumavex_capture: " << failure << std::endl;
    rtr::shutDown();
    return failure.empty() && interruption == 0 && run.errors == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (std::optional<int> status = parseOptions(argc, argv, options))
        return *status;
    const int status = capture(options);
    if (interruption != 0)
        endAsInterrupted(interruption);
    return status;
}
