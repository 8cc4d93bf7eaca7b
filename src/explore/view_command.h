#pragma once

// The view on screen as a capture command: the moment, the free-flying camera and every setting
// that differs from the show's, so the picture can be rendered again at any size or with its
// stages.

#include <glm/glm.hpp>

#include <optional>
#include <string>

namespace rtr {

class Camera;

// Where a camera stands and looks: its position, yaw and pitch in degrees, and its vertical
// field of view in degrees when it is not the program's own.
struct CameraPose {
    glm::vec3 position{0.0f};
    float yaw = 0.0f;
    float pitch = 0.0f;
    std::optional<double> fovDegrees;
};

// "x,y,z,yaw,pitch" or "x,y,z,yaw,pitch,fov": finite numbers, the pitch within the free-fly
// camera's limits and the field of view within the mouse wheel's; nullopt otherwise, with the
// reason in `error`.
std::optional<CameraPose> parseCameraPose(const std::string& text, std::string* error = nullptr);
// The text parseCameraPose reads back as `camera`'s pose, exactly.
std::string cameraPoseText(const Camera& camera);
// Puts the program's camera at `pose`, flying free so the show's route no longer moves it, and
// deaf to the keyboard and the mouse, so nothing else does: for rendering a view again.
void placeStillCamera(const CameraPose& pose);

// The capture command, run from the build folder, that renders what the window shows now (the
// finished frame, the panel hidden): the show time as it is, the camera when it flies free or
// holds a pose the show left it in, the settings that differ from the show's and the exposure
// in effect.
std::string viewCommand();

}  // namespace rtr
