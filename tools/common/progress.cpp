#include "progress.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace tools {

namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

std::string minutesAndSeconds(double seconds) {
    const long whole = std::lround(std::max(0.0, seconds));
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    return text;
}

}  // namespace

Progress::Progress(std::string label, long total)
    : label(std::move(label)), total(std::max(1L, total)), terminal(isatty(STDERR_FILENO) != 0) {}

std::string Progress::status(long done) const {
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const double rate = elapsed > 0.0 ? done / elapsed : 0.0;
    char text[128];
    std::snprintf(text, sizeof text, "%ld/%ld frames, %.1f fps, %s left", done, total, rate,
                  rate > 0.0 ? minutesAndSeconds((total - done) / rate).c_str() : "?:??");
    return text;
}

void Progress::update(long done) {
    done = std::clamp(done, 0L, total);
    if (terminal) {
        const Clock::time_point now = Clock::now();
        if (drawn && done < total && now - lastDrawn < kRedrawInterval)
            return;
        lastDrawn = now;
        drawn = true;
        const int filled = static_cast<int>(kBarWidth * done / total);
        std::cerr << "\r" << label << " [" << std::string(filled, '#')
                  << std::string(kBarWidth - filled, '-') << "] " << status(done) << "\033[K"
                  << std::flush;
        return;
    }
    const int tenth = static_cast<int>(10 * done / total);
    if (tenth > lastTenth) {
        lastTenth = tenth;
        std::cerr << label << ": " << tenth * 10 << " % (" << status(done) << ")" << std::endl;
    }
}

void Progress::finish() {
    if (terminal && drawn)
        std::cerr << std::endl;
    drawn = false;
}

void Progress::clear() {
    if (terminal && drawn)
        std::cerr << "\r\033[K" << std::flush;
    drawn = false;
}

}  // namespace tools
