#pragma once

// Debugging pictures of the set, kept out of the program: a top-down plan with Ilo's path, the
// camera route and the lights, and rough views from the scripted camera.

#include <string>

namespace scenegen {

// Writes plan.png and view_<seconds>.png files into `folder`.
void writeDebugPictures(const std::string& folder);

}  // namespace scenegen
