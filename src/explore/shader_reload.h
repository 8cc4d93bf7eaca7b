#pragma once

// Shaders edited while the demo runs: a file under the shader folder that is saved again is
// compiled and linked anew into every program built from it, without a platform's file watcher:
// the files' modification times are compared every few frames.

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace rtr {

class ShaderProgram;

class ShaderReloader {
  public:
    // How often the files are looked at: often enough that a saved file shows within a
    // fraction of a second at the software rasteriser's frame rates, seldom enough to cost
    // nothing at a graphics card's.
    static constexpr int framesBetweenLooks = 3;

    // Remembers the files of every program built from files as they are now.
    void rememberFiles();
    // Once every framesBetweenLooks calls, rebuilds the programs whose files changed.
    void poll();
    // Rebuilds every program built from files.
    void reloadAll();

    // For the panel: each program whose latest build failed, with the compiler's log.
    std::vector<std::string> failures() const;

  private:
    // Rebuilds `program` and says on standard error how it went; true when it was rebuilt.
    static bool rebuildAndReport(ShaderProgram& program);
    // The files whose modification time changed since the last look.
    std::set<std::string> changedFiles();

    std::map<std::string, std::filesystem::file_time_type> modified;
    int framesUntilLook = 0;
};

extern ShaderReloader shaderReloader;

}  // namespace rtr
