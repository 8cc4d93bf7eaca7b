#include "support/sandbox.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace testsupport {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "lumavex-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    root = made ? fs::path(made) : fs::temp_directory_path();
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

fs::path TempDir::write(const std::string& relative, const std::string& content) const {
    const fs::path file = root / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << content;
    return file;
}

fs::path repoPath(const std::string& relative) {
    return fs::path(LUMAVEX_SOURCE_DIR) / relative;
}

namespace {

void linkTree(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    if (!fs::exists(from)) {
        return;
    }
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        const fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory()) {
            fs::create_directories(target);
        } else {
            fs::create_symlink(entry.path(), target);
        }
    }
}

}  // namespace

ProgramSandbox::ProgramSandbox() {
    linkTree(repoPath("Shader"), dir.path() / "Shader");
    linkTree(repoPath("Models"), dir.path() / "Models");
    run = dir.path() / "run";
    fs::create_directories(run);
}

}  // namespace testsupport
