#pragma once

// The timed show as pure functions of the show clock t (seconds since the frame loop started).
// Every time window is open: a frame exactly on a bound belongs to neither neighbour, and the
// functions answer std::nullopt where the script writes nothing, so callers keep what they had.
// Trigonometry runs in double precision on arguments rounded to float first; results are float.

#include <glm/glm.hpp>

#include <cstddef>
#include <optional>
#include <vector>

namespace rtr::show {

struct IloPose {
    glm::vec3 position;
    float heading;  // radians about the world y axis
};

struct CameraPose {
    glm::vec3 position;
    float yaw;    // degrees
    float pitch;  // degrees
};

// The show's length in seconds: its last scene has settled by then.
inline constexpr double showLength = 70.0;

// Where Ilo stands before the first frame writes a pose.
inline constexpr float initialIloHeading = -1.5707964f;

// Main light hanging under its pivot and swinging about x; written every frame.
glm::vec3 mainLightPosition(double t);

// Door offset while it waits, opens, closes and finally steps back into the frame.
std::optional<glm::vec3> doorTranslation(double t);

// The light script for one frame. Apply the removal first, then the writes: indices of the
// writes refer to the list after the removal.
struct LightWrite {
    std::size_t index;
    float intensity;
};
struct LightScript {
    std::optional<std::size_t> removeIndex;
    std::vector<LightWrite> writes;
};
LightScript lightScript(double t, std::size_t lightCount);

// Tone-mapping exposure ramp from 600 down to 14 between 8 s and 12 s (12 itself included).
std::optional<float> exposureAt(double t);

// Calls on the music channel for one frame, to be made in field order.
struct MusicCommands {
    bool unpause = false;
    std::optional<float> volume;
    bool pause = false;
};
MusicCommands musicCommands(double t);

// Where the music stands at t when the show has played to t without a break: whether it is
// heard, how loud, and how far into the stream (it starts with the show's 8th second).
struct MusicState {
    bool playing;
    float volume;
    double position;  // seconds
};
MusicState musicStateAt(double t);

std::optional<IloPose> iloPose(double t);

enum class FaceTexture { awake, wink };
std::optional<FaceTexture> faceTexture(double t);

std::optional<CameraPose> scriptedCameraPose(double t);

// Conveyor roll number `index` (0-based) turning half a revolution per second.
glm::mat4 rollMatrix(std::size_t index, double t);
glm::mat4 cageLampMatrix(double t);

// The granite block rides the belt from 0 to 7 and jumps back once it reaches 7.
float nextGraniteOffset(float offset, double deltaT);
glm::mat4 graniteBlockMatrix(float offset);

// Ilo's hover height above his pose, between about 0.2833 and 0.4167.
float iloBob(double t);

struct IloPartMatrices {
    glm::mat4 armLeft;
    glm::mat4 armRight;
    glm::mat4 core;  // body, head and face move as one
};
IloPartMatrices iloPartMatrices(const IloPose& pose, double t);

}  // namespace rtr::show
