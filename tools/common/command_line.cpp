#include "command_line.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "app/setting_keys.h"

namespace tools {

namespace {

// The whole text must be a number; strtod alone would accept "2abc" and turn "1e999" into inf.
std::optional<double> strictNumber(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string inQuotes(const std::string& text) {
    return "'" + text + "'";
}

}  // namespace

CLI::Validator numberAbove(double lowest, double highest, bool lowestAllowed) {
    std::ostringstream range;
    range << (lowestAllowed ? "[" : "(") << lowest << ", " << highest << "]";
    const std::string description = range.str();
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            const std::optional<double> value = strictNumber(text);
            const bool above = value && (lowestAllowed ? *value >= lowest : *value > lowest);
            if (!above || *value > highest)
                return inQuotes(text) + " is not a number in " + description;
            return {};
        },
        description);
}

CLI::Validator countIn(long lowest, long highest) {
    const std::string description =
        "[" + std::to_string(lowest) + ", " + std::to_string(highest) + "]";
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            char* end = nullptr;
            errno = 0;
            const long value = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || errno == ERANGE || value < lowest ||
                value > highest)
                return inQuotes(text) + " is not a whole number in " + description;
            return {};
        },
        description);
}

std::optional<std::vector<double>> parseTimes(const std::string& list, double highest,
                                              std::string* error) {
    std::vector<double> times;
    std::stringstream in(list);
    std::string item;
    // getline drops a trailing empty item; a list ending in ',' is wrong all the same.
    bool bad = list.empty() || list.back() == ',';
    while (!bad && std::getline(in, item, ',')) {
        const std::optional<double> value = strictNumber(item);
        bad = !value || *value < 0.0 || *value > highest;
        if (!bad)
            times.push_back(*value);
        else if (error != nullptr)
            *error = inQuotes(item) + (item == list ? "" : " in " + inQuotes(list)) +
                     " is not a time in seconds (0 to " +
                     std::to_string(static_cast<long>(highest)) + ")";
    }
    if (!bad)
        return times;
    if (error != nullptr && error->empty())
        *error = inQuotes(list) + " is not a comma-separated list of times in seconds";
    return std::nullopt;
}

CLI::Validator timeList(double highest) {
    return CLI::Validator(
        [highest](std::string& text) -> std::string {
            std::string error;
            return parseTimes(text, highest, &error) ? std::string() : error;
        },
        "");
}

CLI::Validator settingList() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            rtr::RenderSettingsRecord scratch;
            return rtr::applySettingAssignments(text, scratch).value_or(std::string());
        },
        "");
}

std::optional<int> parseCommandLine(CLI::App& app, int argc, char** argv) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        std::cerr << app.get_name() << ": " << error.what() << " (see --help)" << std::endl;
        return 2;
    }
    return std::nullopt;
}

std::optional<rtr::PixelSize> parseFrameSize(const std::string& text) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const CLI::Validator side = countIn(16, 8192);
    std::string width = text.substr(0, x);
    std::string height = text.substr(x + 1);
    if (!side(width).empty() || !side(height).empty())
        return std::nullopt;
    return rtr::PixelSize{std::stoi(width), std::stoi(height)};
}

void addFrameSizeOption(CLI::App& app, rtr::PixelSize& size) {
    const CLI::Validator check(
        [](std::string& text) -> std::string {
            if (!parseFrameSize(text))
                return inQuotes(text) + " is not a size WxH with sides in [16, 8192]";
            return {};
        },
        "");
    const std::string defaultSize = std::to_string(size.width) + "x" + std::to_string(size.height);
    app.add_option_function<std::string>(
           "--size", [&size](const std::string& text) { size = *parseFrameSize(text); },
           "render the frames at this size instead of " + defaultSize +
               " (the projection takes its aspect)")
        ->type_name("WxH")
        ->check(check);
}

}  // namespace tools
