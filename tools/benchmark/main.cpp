// Measures the six render stages and the whole frame at fixed moments of the show.
//
//   lumavex_benchmark [--frames N] [--at t1,t2,...] [--csv FILE]
//
// Each stage is wrapped in a GL_TIME_ELAPSED query; the frame time is the wall time of the
// six stages plus glFinish. Run it from the build directory, like the demo.
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/show_runner.h"
#include "app/startup.h"
#include "calibration.h"
#include "render/render_passes.h"
#include "util/window.h"

namespace {

using Stage = void (*)();
const std::array<Stage, 6> kStages = {rtr::renderShadowPass,   rtr::updateCameraMatrices,
                                      rtr::renderGeometryPass, rtr::renderSsaoPass,
                                      rtr::renderLightPass,    rtr::renderFinalPass};
constexpr int kCalibrationPasses = 15;
const std::array<const char*, 7> kNames = {"shadow", "camera", "geometry", "ssao",
                                           "lights", "final",  "frame"};

struct Options {
    int frames = 40;
    std::vector<double> moments = {2, 12, 20, 30, 38, 48, 57};
    std::string csvPath = "benchmark.csv";
};

struct Summary {
    double min, median, max;
};

Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--frames") {
            options.frames = std::max(1, std::stoi(argv[i + 1]));
        } else if (arg == "--csv") {
            options.csvPath = argv[i + 1];
        } else if (arg == "--at") {
            options.moments.clear();
            std::stringstream in(argv[i + 1]);
            std::string item;
            while (std::getline(in, item, ',')) options.moments.push_back(std::stod(item));
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

// Milliseconds per stage (0..5) and for the whole frame (6), one entry per measured frame.
using Samples = std::array<std::vector<double>, 7>;

void measureFrame(const std::array<GLuint, 6>& queries, Samples& samples) {
    const double start = glfwGetTime();
    for (std::size_t s = 0; s < kStages.size(); ++s) {
        glBeginQuery(GL_TIME_ELAPSED, queries[s]);
        kStages[s]();
        glEndQuery(GL_TIME_ELAPSED);
    }
    glFinish();
    samples[6].push_back((glfwGetTime() - start) * 1000.0);
    for (std::size_t s = 0; s < kStages.size(); ++s) {
        GLuint64 nanoseconds = 0;
        glGetQueryObjectui64v(queries[s], GL_QUERY_RESULT, &nanoseconds);
        samples[s].push_back(static_cast<double>(nanoseconds) / 1.0e6);
    }
    glfwSwapBuffers(rtr::mainWindow->window);
}

void report(double moment, const Samples& samples, std::ostream& csv) {
    std::cout << "t = " << std::setw(5) << moment << " s";
    for (std::size_t s = 0; s < samples.size(); ++s) {
        const Summary sum = summarise(samples[s]);
        std::cout << (s == 0 ? "  " : " | ") << kNames[s] << " " << std::fixed
                  << std::setprecision(1) << sum.min << "/" << sum.median << "/" << sum.max;
        csv << moment << "," << kNames[s] << "," << sum.min << "," << sum.median << "," << sum.max
            << "\n";
    }
    std::cout << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << "usage: lumavex_benchmark [--frames N] [--at t1,t2,...] [--csv FILE]\n";
        return 2;
    }
    rtr::windowWidth = 1024;
    rtr::windowHeight = 768;
    rtr::windowed = true;
    rtr::startUp();
    glfwSwapInterval(0);

    auto calibration = std::make_unique<FullScreenPassCalibration>();
    std::array<GLuint, 6> queries{};
    glGenQueries(static_cast<GLsizei>(queries.size()), queries.data());
    std::ofstream csv(options.csvPath);
    csv << "time_s,stage,min_ms,median_ms,max_ms\n";
    std::cout << "stage times in ms as min/median/max over " << options.frames << " frames"
              << std::endl;

    rtr::ShowRunner runner(1.0 / 30.0);
    Samples all;
    std::sort(options.moments.begin(), options.moments.end());
    for (double moment : options.moments) {
        while (runner.time() + runner.frameTime() <= moment) runner.step(false);
        Samples samples;
        for (int f = 0; f < options.frames; ++f) measureFrame(queries, samples);
        report(moment, samples, csv);
        calibration->measure(kCalibrationPasses);
        calibration->report(moment, summarise(samples[6]).median, false, std::cout, csv);
        for (std::size_t s = 0; s < all.size(); ++s) {
            all[s].insert(all[s].end(), samples[s].begin(), samples[s].end());
        }
    }
    std::cout << "all moments:" << std::endl;
    report(-1, all, csv);
    calibration->report(-1, summarise(all[6]).median, true, std::cout, csv);
    calibration.reset();
    glDeleteQueries(static_cast<GLsizei>(queries.size()), queries.data());
    rtr::shutDown();
    return 0;
}
