// Writes the set's debugging pictures (plan and camera views) into the folder named on the
// command line; the program never reads them.

#include <exception>
#include <iostream>

#include "plan.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: scenegen_plan <output folder>\n";
        return 2;
    }
    try {
        scenegen::writeDebugPictures(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "scenegen_plan: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
