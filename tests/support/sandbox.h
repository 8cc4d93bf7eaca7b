#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A throw-away directory tree, removed again when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root; }
    // Writes a file below the root (creating folders) and returns its full path.
    std::filesystem::path write(const std::string& relative, const std::string& content) const;

  private:
    std::filesystem::path root;
};

// A copy of the program's surroundings: Shader/ and Models/ as per-file links to the
// repository's, and an empty run/ folder to start the program from. Tests remove or replace
// single links to provoke failures.
class ProgramSandbox {
  public:
    ProgramSandbox();
    const std::filesystem::path& runDir() const { return run; }
    std::filesystem::path shaderDir() const { return dir.path() / "Shader"; }
    std::filesystem::path modelDir() const { return dir.path() / "Models"; }

  private:
    TempDir dir;
    std::filesystem::path run;
};

std::filesystem::path repoPath(const std::string& relative);

}  // namespace testsupport
