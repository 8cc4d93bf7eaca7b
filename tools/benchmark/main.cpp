// Measures the six render stages and the whole frame at fixed moments of the show.
//
//   lumavex_benchmark [--frames N] [--at t1,t2,...] [--csv FILE] [--plot FILE.png]
//   (--help lists the defaults)
//
// Each stage is wrapped in a GL_TIME_ELAPSED query; the frame time is the wall time of the
// six stages plus glFinish. Run it from the build directory, like the demo.
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <array>
#include <iomanip>
#include <iostream>
#include <optional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "common/show_runner.h"
#include "app/startup.h"
#include "camera/show_script.h"
#include "common/command_line.h"
#include "common/output_file.h"
#include "common/progress.h"
#include "common/stage_timing.h"
#include "plot.h"
#include "calibration.h"
#include "render/render_passes.h"
#include "util/window.h"

namespace {

using tools::kStageCount;
constexpr int kCalibrationPasses = 15;

constexpr double kLongestShow = 3600.0;

struct Options {
    int frames = 40;
    std::vector<double> moments = {2, 12, 20, 30, 38, 48, 57};
    std::string csvPath = "benchmark.csv";
    std::string plotPath;                       // empty: no chart
    rtr::PixelSize size = rtr::kShowFrameSize;  // --size
};

// The chart's default timeline: one moment per second of the show, a few frames each.
constexpr double kShowLength = rtr::show::showLength;
constexpr int kFramesPerPlottedMoment = 5;

std::optional<int> parseOptions(int argc, char** argv, Options& options) {
    CLI::App app{
        "Renders fixed moments of the show and reports the GPU time of each render "
        "stage and the whole-frame time as min/median/max, as a table and as CSV.",
        "lumavex_benchmark"};
    app.add_option("--frames", options.frames, "frames measured at each moment")
        ->type_name("N")
        ->check(tools::countIn(1, 100000))
        ->capture_default_str();
    std::string momentList;
    app.add_option("--at", momentList,
                   "show times in seconds to measure at (default 2,12,20,30,38,48,57)")
        ->type_name("T1,T2,...")
        ->check(tools::timeList(kLongestShow));
    app.add_option("--csv", options.csvPath, "CSV file for the summaries")
        ->type_name("FILE")
        ->capture_default_str();
    app.add_option("--plot", options.plotPath,
                   "also draw each stage's median time as a stacked chart (PNG, by gnuplot); "
                   "without --at every second of the show, " +
                       std::to_string(kFramesPerPlottedMoment) + " frames each unless --frames")
        ->type_name("FILE.png");
    tools::addFrameSizeOption(app, options.size);
    if (std::optional<int> status = tools::parseCommandLine(app, argc, argv))
        return status;
    if (!momentList.empty()) {
        options.moments = *tools::parseTimes(momentList, kLongestShow);
    } else if (!options.plotPath.empty()) {
        options.moments.clear();
        for (double t = 1.0; t <= kShowLength; t += 1.0) options.moments.push_back(t);
    }
    if (!options.plotPath.empty() && app.count("--frames") == 0)
        options.frames = kFramesPerPlottedMoment;
    return std::nullopt;
}

// Milliseconds per stage, in the order of rtr::renderStages, and last for the whole frame; one
// entry per measured frame.
using Samples = std::array<std::vector<double>, kStageCount + 1>;
constexpr std::size_t kFrame = kStageCount;

const char* sampleName(std::size_t s) {
    return s == kFrame ? "frame" : rtr::renderStages[s].name;
}

void measureFrame(tools::StageTimer& timer, Samples& samples) {
    const tools::FrameTimes times = timer.timeFrame();
    for (std::size_t s = 0; s < kStageCount; ++s) samples[s].push_back(times.stages[s]);
    samples[kFrame].push_back(times.frame);
    glfwSwapBuffers(rtr::mainWindow->window);
}

void report(double moment, const Samples& samples, std::ostream& csv) {
    std::cout << "t = " << std::fixed << std::setprecision(1) << std::setw(5) << moment << " s";
    for (std::size_t s = 0; s < samples.size(); ++s) {
        const tools::Summary sum = tools::summarise(samples[s]);
        std::cout << (s == 0 ? "  " : " | ") << sampleName(s) << " " << std::fixed
                  << std::setprecision(1) << sum.min << "/" << sum.median << "/" << sum.max;
        csv << moment << "," << sampleName(s) << "," << sum.min << "," << sum.median << ","
            << sum.max << "\n";
    }
    std::cout << std::endl;
}

tools::TimelineSample medians(double moment, const Samples& samples) {
    tools::TimelineSample sample{moment, {}};
    for (std::size_t s = 0; s < kStageCount; ++s)
        sample.milliseconds.push_back(tools::summarise(samples[s]).median);
    return sample;
}

bool drawChart(const std::string& path, const std::vector<tools::TimelineSample>& timeline) {
    std::string reason;
    std::vector<std::string> names;
    for (const rtr::RenderStage& stage : rtr::renderStages) names.push_back(stage.name);
    if (!tools::plotStageTimeline(path, names, timeline, reason)) {
        std::cerr << "lumavex_benchmark: " << reason << std::endl;
        return false;
    }
    std::cout << "Chart written to " << path << std::endl;
    return true;
}

bool writeCsv(const std::string& path, const std::string& text) {
    std::string reason;
    if (tools::writeFile(path, text, reason))
        return true;
    std::cerr << "lumavex_benchmark: " << reason << std::endl;
    return false;
}

// A missing or read-only folder is found before the run, not after a minute of measuring.
bool outputsWritable(const Options& options) {
    std::string reason;
    for (const std::string& path : {options.csvPath, options.plotPath}) {
        if (!path.empty() && !tools::checkWritable(path, reason)) {
            std::cerr << "lumavex_benchmark: " << reason << std::endl;
            return false;
        }
    }
    return true;
}

// Steps the show to each moment and measures it there; the summaries go to standard output
// and, as CSV rows, to `csv`.
std::vector<tools::TimelineSample> measureMoments(const Options& options, std::ostream& csv) {
    auto calibration = std::make_unique<FullScreenPassCalibration>();
    tools::StageTimer timer;
    rtr::ShowRunner runner(1.0 / 30.0);
    Samples all;
    std::vector<tools::TimelineSample> timeline;
    tools::Progress progress("benchmark",
                             static_cast<long>(options.moments.size()) * options.frames);
    long measured = 0;
    for (double moment : options.moments) {
        while (runner.time() + runner.frameTime() <= moment) runner.step(false);
        Samples samples;
        for (int f = 0; f < options.frames; ++f) {
            measureFrame(timer, samples);
            progress.update(++measured);
        }
        progress.clear();
        report(moment, samples, csv);
        timeline.push_back(medians(moment, samples));
        calibration->measure(kCalibrationPasses);
        calibration->report(moment, tools::summarise(samples[kFrame]).median, false, std::cout,
                            csv);
        for (std::size_t s = 0; s < all.size(); ++s) {
            all[s].insert(all[s].end(), samples[s].begin(), samples[s].end());
        }
    }
    progress.finish();
    std::cout << "all moments:" << std::endl;
    report(-1, all, csv);
    calibration->report(-1, tools::summarise(all[kFrame]).median, true, std::cout, csv);
    return timeline;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (std::optional<int> status = parseOptions(argc, argv, options))
        return *status;
    if (!outputsWritable(options))
        return 1;
    std::sort(options.moments.begin(), options.moments.end());
    rtr::startDemo(true, options.size);
    glfwSwapInterval(0);
    std::cout << "stage times in ms as min/median/max over " << options.frames << " frames"
              << std::endl;
    std::ostringstream csv;
    csv << "time_s,stage,min_ms,median_ms,max_ms\n";
    const std::vector<tools::TimelineSample> timeline = measureMoments(options, csv);
    rtr::shutDown();
    const bool csvWritten = writeCsv(options.csvPath, csv.str());
    const bool chartDrawn = options.plotPath.empty() || drawChart(options.plotPath, timeline);
    return csvWritten && chartDrawn ? 0 : 1;
}
