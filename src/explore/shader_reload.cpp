#include "explore/shader_reload.h"

#include <iostream>
#include <optional>
#include <set>
#include <system_error>

#include "gpu/shader_program.h"

namespace rtr {

ShaderReloader shaderReloader;

namespace {

// A file that cannot be looked at just now (an editor may be replacing it) counts as unchanged.
std::optional<std::filesystem::file_time_type> modificationTime(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_time_type time = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return time;
}

// A program is known by its first file's base name, as its files are named.
std::string programName(const ShaderProgram& program) {
    return std::filesystem::path(program.stageFiles.front().path).stem().string();
}

}  // namespace

void ShaderReloader::rememberFiles() {
    modified.clear();
    for (const ShaderProgram* program : programsBuiltFromFiles()) {
        for (const ShaderStageFile& stage : program->stageFiles) {
            if (const auto time = modificationTime(stage.path))
                modified[stage.path] = *time;
        }
    }
}

std::set<std::string> ShaderReloader::changedFiles() {
    std::set<std::string> changed;
    for (const ShaderProgram* program : programsBuiltFromFiles()) {
        for (const ShaderStageFile& stage : program->stageFiles) {
            const auto time = modificationTime(stage.path);
            if (!time || modified[stage.path] == *time)
                continue;
            modified[stage.path] = *time;
            changed.insert(stage.path);
        }
    }
    return changed;
}

void ShaderReloader::poll() {
    if (--framesUntilLook > 0)
        return;
    framesUntilLook = framesBetweenLooks;
    const std::set<std::string> changed = changedFiles();
    if (changed.empty())
        return;
    // A file may serve several programs (variants built with other defines): each is rebuilt.
    for (ShaderProgram* program : programsBuiltFromFiles()) {
        for (const ShaderStageFile& stage : program->stageFiles) {
            if (changed.count(stage.path) != 0) {
                rebuildAndReport(*program);
                break;
            }
        }
    }
}

void ShaderReloader::reloadAll() {
    int rebuilt = 0;
    const std::size_t programs = programsBuiltFromFiles().size();
    for (ShaderProgram* program : programsBuiltFromFiles()) rebuilt += rebuildAndReport(*program);
    rememberFiles();
    std::cerr << "Reloaded " << rebuilt << " of " << programs << " shader programs." << std::endl;
}

bool ShaderReloader::rebuildAndReport(ShaderProgram& program) {
    if (program.rebuild()) {
        std::cerr << "Shader program " << programName(program) << " rebuilt." << std::endl;
        return true;
    }
    std::cerr << "Shader program " << programName(program)
              << " kept as it was: " << program.buildError << std::endl;
    return false;
}

std::vector<std::string> ShaderReloader::failures() const {
    std::vector<std::string> failed;
    for (const ShaderProgram* program : programsBuiltFromFiles()) {
        if (!program->buildError.empty())
            failed.push_back(programName(*program) + ": " + program->buildError);
    }
    return failed;
}

}  // namespace rtr
