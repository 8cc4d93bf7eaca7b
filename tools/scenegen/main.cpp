// Writes the scene's data files (models, images, camera curve, music) into the folder named
// on the command line.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "scene_files.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: scenegen <data folder> [<stamp file>]\n";
        return 2;
    }
    try {
        scenegen::writeDataFiles(scenegen::sceneDataFiles(), argv[1]);
        if (argc == 3) {
            std::ofstream(argv[2]) << "scene data written\n";
        }
    } catch (const std::exception& e) {
        std::cerr << "scenegen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
