#include "explore/view_command.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "app/globals.h"
#include "app/setting_keys.h"
#include "camera/camera.h"
#include "camera/show_script.h"

namespace rtr {

namespace {

constexpr double kDegreesPerRadian = 57.295779513082320876798;

// The shortest text that reads back as `value`, in its own precision.
template <typename Number>
std::string exactText(Number value) {
    char digits[40];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

// The comma-separated numbers of `text`, each finite and the whole item a number.
std::optional<std::vector<double>> numbersOf(const std::string& text) {
    std::vector<double> numbers;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        char* end = nullptr;
        const double value = std::strtod(item.c_str(), &end);
        if (item.empty() || *end != '\0' || !std::isfinite(value))
            return std::nullopt;
        numbers.push_back(value);
    }
    if (!text.empty() && text.back() == ',')
        return std::nullopt;
    return numbers;
}

std::optional<CameraPose> refuse(std::string* error, const std::string& why) {
    if (error != nullptr)
        *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<CameraPose> parseCameraPose(const std::string& text, std::string* error) {
    const std::optional<std::vector<double>> numbers = numbersOf(text);
    if (!numbers || (numbers->size() != 5 && numbers->size() != 6))
        return refuse(error, "'" + text + "' is not x,y,z,yaw,pitch[,fov] (finite numbers)");
    const std::vector<double>& n = *numbers;
    if (std::abs(n[4]) > Camera::pitchLimit)
        return refuse(error, "pitch " + exactText(n[4]) + " is not in [-" +
                                 exactText(Camera::pitchLimit) + ", " +
                                 exactText(Camera::pitchLimit) + "]");
    CameraPose pose;
    pose.position = glm::vec3(n[0], n[1], n[2]);
    pose.yaw = static_cast<float>(n[3]);
    pose.pitch = static_cast<float>(n[4]);
    if (n.size() == 6) {
        const double fov = n[5] / kDegreesPerRadian;
        if (fov < Camera::narrowestFov || fov > Camera::widestFov)
            return refuse(error, "field of view " + exactText(n[5]) + " is not in [" +
                                     exactText(Camera::narrowestFov * kDegreesPerRadian) + ", " +
                                     exactText(Camera::widestFov * kDegreesPerRadian) +
                                     "] degrees");
        pose.fovDegrees = n[5];
    }
    return pose;
}

std::string cameraPoseText(const Camera& camera) {
    std::string text = exactText(camera.position.x) + "," + exactText(camera.position.y) + "," +
                       exactText(camera.position.z) + "," + exactText(camera.yaw) + "," +
                       exactText(camera.pitch);
    // Degrees read by people; printed to a double's precision so they turn back into the
    // same float.
    if (camera.fov != fovy)
        text += "," + exactText(static_cast<double>(camera.fov) * kDegreesPerRadian);
    return text;
}

namespace {

// A free-flying camera no key or mouse steers: a window the viewer never touches still reports
// a cursor that moved when the window system placed it.
class StillCamera : public Camera {
  public:
    explicit StillCamera(const Camera& from) : Camera(from) {}

  protected:
    bool isKeyDown(int) const override { return false; }
    glm::dvec2 cursorPosition() const override { return glm::dvec2(0.0); }
    void resetCursor() override {}
};

}  // namespace

void placeStillCamera(const CameraPose& pose) {
    auto* still = new StillCamera(*camera);
    delete camera;
    camera = still;
    camera->freeFly = true;
    camera->position = pose.position;
    camera->yaw = pose.yaw;
    camera->pitch = pose.pitch;
    if (pose.fovDegrees)
        camera->fov = static_cast<float>(*pose.fovDegrees / kDegreesPerRadian);
}

std::string viewCommand() {
    std::string command = "./lumavex_capture --at " + exactText(totalTime);
    // Where the route has no pose for the moment, the camera keeps the last one the show gave
    // it, on whatever frame that fell: the pose itself makes the picture.
    if (camera != nullptr && (camera->freeFly || !show::scriptedCameraPose(totalTime)))
        command += " --camera " + cameraPoseText(*camera);
    std::vector<std::string> items = settingDifferences(RenderSettings);
    // The show's exposure builds on its past frames; the one in effect makes the picture.
    if (!RenderSettings.exposureHeld)
        items.push_back("exposure=" + numberText(RenderSettings.exposureInEffect()));
    std::string list;
    for (const std::string& item : items) list += (list.empty() ? "" : ",") + item;
    return command + " --set " + list;
}

}  // namespace rtr
