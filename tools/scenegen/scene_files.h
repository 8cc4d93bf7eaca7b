#pragma once

// Writing the whole data set into a folder.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace scenegen {

struct DataFile {
    std::string path;  // relative to the data folder, '/' separated
    std::vector<std::uint8_t> bytes;
};

// Every file the program reads: models, images, the camera curve and the music.
std::vector<DataFile> sceneDataFiles();

// Writes each file through a temporary name and a rename, so a reader (or another build
// writing the same files) never sees half a file. Unchanged files keep their bytes.
void writeDataFiles(const std::vector<DataFile>& files, const std::filesystem::path& folder);

}  // namespace scenegen
