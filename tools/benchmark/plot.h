#pragma once

// The benchmark's timeline as a picture: each stage's median time per moment, stacked, drawn
// by gnuplot (started from an argument vector, no shell).

#include <string>
#include <vector>

namespace tools {

struct TimelineSample {
    double showTime;                  // seconds
    std::vector<double> milliseconds;  // median per stage, in frame order
};

// Writes the stacked area chart as a PNG at `path`. False with the reason in `error`.
bool plotStageTimeline(const std::string& path, const std::vector<std::string>& stageNames,
                       const std::vector<TimelineSample>& samples, std::string& error);

}  // namespace tools
