#pragma once

// Progress of a long run on standard error, so standard output keeps only results. On a
// terminal: one bar redrawn in place; otherwise (a log, a pipe) a plain line every 10 %.

#include <chrono>
#include <string>

namespace tools {

class Progress {
  public:
    Progress(std::string label, long total);

    // `done` units of `total` are finished.
    void update(long done);
    // Ends the bar's line; call once after the last update.
    void finish();
    // Removes the bar before the caller prints a line of its own on a terminal.
    void clear();

  private:
    std::string status(long done) const;

    using Clock = std::chrono::steady_clock;
    std::string label;
    long total;
    bool terminal;
    Clock::time_point start = Clock::now();
    Clock::time_point lastDrawn;
    int lastTenth = 0;
    bool drawn = false;
};

}  // namespace tools
