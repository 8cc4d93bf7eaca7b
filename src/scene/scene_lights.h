#pragma once

// The scene's point lights and the lamps they sit in, one row per light in start-up order.
// Start-up builds the lights and the wall-lamp models from it, the light pass takes volume
// sizes and markers from it, the show script finds its lights by role, and the plan pictures
// draw it. Moving or adding a lamp is a change of this table alone.

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <array>
#include <cstddef>

namespace rtr::scene {

enum class LightRole {
    main,            // swings under the ceiling; the only light that casts shadows
    wallLamp,        // sits in a wall-lamp model and gets a small marker sphere
    littleRoomFill,  // the little room's dim light, on while Ilo wakes up
    iloGlow,         // the blue glow on Ilo's charging spot, on while he sleeps
    beacon,          // red lights by the belt that flicker once the show is running
};

struct LightRow {
    LightRole role;
    glm::vec3 position;
    glm::vec3 color;
    float intensity;
    glm::vec3 attenuation;  // constant, linear, quadratic
    // Scale of the unit sphere that bounds the light's pixels in the light pass.
    float volumeScale;
    bool marker;
    // Wall lamps: turn of the lamp model about its own vertical axis before it is moved.
    float lampYaw;
    // Beacons: which flicker curve drives the intensity; -1 for a steady light.
    int flicker;
};

namespace lights {
constexpr glm::vec3 lampColor(1.0f, 0.2f, 0.0f);
constexpr glm::vec3 lampFalloff(1.0f, 1000.0f, 50000.0f);
constexpr glm::vec3 beaconColor(0.8f, 0.1f, 0.0f);
constexpr glm::vec3 beaconFalloff(1.0f, 1000.0f, 20000.0f);

constexpr LightRow wallLamp(glm::vec3 position, float yaw) {
    return {LightRole::wallLamp, position, lampColor, 1.0f, lampFalloff, 1.5f, true, yaw, -1};
}
constexpr LightRow beacon(glm::vec3 position, int flicker) {
    return {
        LightRole::beacon, position, beaconColor, 20.0f, beaconFalloff, 3.5f, false, 0.0f, flicker};
}
}  // namespace lights

inline constexpr std::array<LightRow, 11> sceneLights = {{
    {LightRole::main,
     {0.5f, 0.1f, 0.0f},
     {1.0f, 1.0f, 0.5f},
     1.0f,
     {0.2f, 1.0f, 20.0f},
     15.0f,
     false,
     0.0f,
     -1},
    lights::wallLamp({2.6f, 1.65f, -1.9f}, 1.5707964f),
    lights::wallLamp({-2.65f, 1.65f, -2.0f}, 4.712389f),
    lights::wallLamp({-2.65f, 1.65f, 1.42f}, 4.712389f),
    lights::wallLamp({-1.8f, 1.65f, -5.0f}, 3.1415927f),
    lights::wallLamp({1.85f, 1.65f, -5.0f}, 3.1415927f),
    lights::wallLamp({-0.02f, 1.65f, 2.67f}, 0.0f),
    {LightRole::littleRoomFill,
     {3.8f, 1.0f, 1.5f},
     {0.8f, 0.8f, 1.0f},
     0.01f,
     {1.0f, 10.0f, 5.0f},
     3.5f,
     false,
     0.0f,
     -1},
    {LightRole::iloGlow,
     {3.8f, 0.5f, 1.4f},
     {0.0f, 0.2f, 1.0f},
     1.0f,
     {1.0f, 5000.0f, 50000.0f},
     3.5f,
     false,
     0.0f,
     -1},
    lights::beacon({0.0f, 0.75f, 2.3f}, 0),
    lights::beacon({0.0f, 0.75f, -1.6f}, 1),
}};

// Model matrix of the lamp around a wall-lamp light: the lamp is turned about its own vertical
// axis first, then moved onto the wall.
inline glm::mat4 lampModelMatrix(const LightRow& light) {
    const glm::mat4 moved = glm::translate(glm::mat4(1.0f), light.position);
    return moved * glm::rotate(glm::mat4(1.0f), light.lampYaw, glm::vec3(0.0f, 1.0f, 0.0f));
}

// Start-up index of the first light with `role`.
constexpr std::size_t lightIndex(LightRole role) {
    for (std::size_t i = 0; i < sceneLights.size(); ++i) {
        if (sceneLights[i].role == role)
            return i;
    }
    return sceneLights.size();
}

// The row that describes the light at `position` of the live light list. The show only takes
// lights out from the little room's fill light on, and every row from there has the same volume
// and no marker, so the row at a light's position always describes it where it matters.
constexpr bool rowsAfterFirstRemovableAlike() {
    const LightRow& first = sceneLights[lightIndex(LightRole::littleRoomFill)];
    for (std::size_t i = lightIndex(LightRole::littleRoomFill); i < sceneLights.size(); ++i) {
        if (sceneLights[i].marker || sceneLights[i].volumeScale != first.volumeScale)
            return false;
    }
    return true;
}
static_assert(rowsAfterFirstRemovableAlike(), "the light pass reads rows by list position");

inline const LightRow& lightRowAt(std::size_t position) {
    return sceneLights[position < sceneLights.size() ? position : sceneLights.size() - 1];
}

}  // namespace rtr::scene
