#include "scene_files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

#include "collada.h"
#include "curve.h"
#include "image.h"
#include "models.h"
#include "music.h"
#include "textures.h"

namespace scenegen {

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<DataFile> sceneDataFiles() {
    std::vector<DataFile> files;
    for (const Model& model : sceneModels()) {
        const std::string name = model.file.substr(0, model.file.find('.'));
        files.push_back({model.file, bytesOf(colladaDocument(name, model.mesh, model.textures))});
    }
    for (const NamedImage& image : sceneTextures()) {
        files.push_back({image.name, encodePng(image.image)});
    }
    files.push_back({"maincurve.txt", bytesOf(curveFileText(cameraRoute()))});
    files.push_back({"Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3",
                     encodeMp3(synthesiseMusic())});
    return files;
}

void writeDataFiles(const std::vector<DataFile>& files, const std::filesystem::path& folder) {
    for (const DataFile& file : files) {
        const std::filesystem::path target = folder / file.path;
        std::filesystem::create_directories(target.parent_path());
        if (std::filesystem::exists(target) && readFile(target) == file.bytes) {
            // Still marked as new, so the build sees this run's output as up to date.
            std::filesystem::last_write_time(target, std::filesystem::file_time_type::clock::now());
            continue;
        }
        const std::filesystem::path temporary =
            target.string() + ".tmp" + std::to_string(static_cast<long>(getpid()));
        {
            std::ofstream out(temporary, std::ios::binary);
            out.write(reinterpret_cast<const char*>(file.bytes.data()),
                      static_cast<std::streamsize>(file.bytes.size()));
            if (!out) {
                throw std::runtime_error("cannot write " + temporary.string());
            }
        }
        std::filesystem::rename(temporary, target);
    }
}

}  // namespace scenegen
