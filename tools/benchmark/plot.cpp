#include "plot.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/output_file.h"
#include "common/run_program.h"

namespace tools {

namespace {

// gnuplot's single-quoted strings take everything literally but a doubled quote.
std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

// One row per moment: the time, then the running sum of the stage times, so each column is
// the top edge of its band.
std::string dataBlock(const std::vector<TimelineSample>& samples) {
    std::ostringstream data;
    data << "$stages << EOD\n";
    for (const TimelineSample& sample : samples) {
        double sum = 0.0;
        data << sample.showTime;
        for (double ms : sample.milliseconds) data << " " << (sum += ms);
        data << "\n";
    }
    data << "EOD\n";
    return data.str();
}

// Drawn from the top band down, so each lower band covers the part of the one above it that
// is not its own.
std::string plotCommand(const std::vector<std::string>& stageNames) {
    std::ostringstream plot;
    plot << "plot";
    for (std::size_t s = stageNames.size(); s-- > 0;) {
        plot << (s + 1 == stageNames.size() ? " " : ", ") << "$stages using 1:" << s + 2
             << " with filledcurves x1 title " << quoted(stageNames[s]);
    }
    return plot.str() + "\n";
}

// Without "set output" the picture goes to gnuplot's standard output: the chart's file name never
// enters the script, where a newline in it would end the command and run the rest.
std::string script(const std::vector<std::string>& stageNames,
                   const std::vector<TimelineSample>& samples) {
    std::ostringstream text;
    text << "set terminal pngcairo size 1100,500 font 'DejaVu Sans,11'\n"
         << "set title 'GPU time per render stage across the show (median per moment)'\n"
         << "set xlabel 'show time (s)'\nset ylabel 'GPU time (ms), stacked'\n"
         << "set key outside right top reverse Left\nset grid ytics\n"
         << "set style fill solid 0.85 noborder\nset yrange [0:*]\n"
         << dataBlock(samples) << plotCommand(stageNames);
    return text.str();
}

// gnuplot reads the script from a file of its own in /tmp, the name chosen here. Empty when it
// cannot be written whole.
std::string writeScript(const std::string& text) {
    char scriptPath[] = "/tmp/lumavex_plot_XXXXXX";
    const int fd = mkstemp(scriptPath);
    if (fd < 0)
        return "";
    close(fd);
    std::ofstream file(scriptPath);
    file << text;
    file.close();
    if (!file) {
        unlink(scriptPath);
        return "";
    }
    return scriptPath;
}

}  // namespace

bool plotStageTimeline(const std::string& path, const std::vector<std::string>& stageNames,
                       const std::vector<TimelineSample>& samples, std::string& error) {
    const std::string scriptPath = writeScript(script(stageNames, samples));
    if (scriptPath.empty()) {
        error = "cannot draw " + path + ": cannot write the gnuplot script to /tmp";
        return false;
    }
    std::string png;
    std::string reason;
    const bool drawn = runProgramForOutput({"gnuplot", scriptPath}, png, reason);
    unlink(scriptPath.c_str());
    if (!drawn || png.empty()) {
        error = "cannot draw " + path + ": " + (drawn ? "gnuplot drew nothing" : reason);
        if (reason.rfind("cannot start", 0) == 0)
            error += " (install gnuplot with apt-get install gnuplot-nox)";
        return false;
    }
    return writeFile(path, png, error);
}

}  // namespace tools
