#pragma once

// Argument checks shared by the capture tool and the benchmark: CLI11 parses, these reject
// what it would let through (empty list items, infinities, NaN, values out of range).

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <vector>

#include "render/frame_size.h"

namespace tools {

// A finite number with lowest < value <= highest (or lowest <= value when `lowestAllowed`).
CLI::Validator numberAbove(double lowest, double highest, bool lowestAllowed = false);

// A whole number with lowest <= value <= highest.
CLI::Validator countIn(long lowest, long highest);

// Comma-separated show times in seconds, each finite and in [0, highest]; nullopt on any bad
// item, with `error` naming it.
std::optional<std::vector<double>> parseTimes(const std::string& list, double highest,
                                              std::string* error = nullptr);
CLI::Validator timeList(double highest);

// Render settings such as "ssao=off,gamma=1.8", as rtr::applySettingAssignments takes them.
CLI::Validator settingList();

// "WxH", each side a whole number in [16, 8192]; nullopt otherwise.
std::optional<rtr::PixelSize> parseFrameSize(const std::string& text);
// Adds --size WxH to `app`: the frames are rendered at `size` (left at its default without it).
void addFrameSizeOption(CLI::App& app, rtr::PixelSize& size);

// Parses, prints the help (exit 0) or one line naming the bad value (exit 2). Returns the
// exit status, or nullopt when the program should go on.
std::optional<int> parseCommandLine(CLI::App& app, int argc, char** argv);

}  // namespace tools
