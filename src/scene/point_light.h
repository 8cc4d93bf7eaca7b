#pragma once

#include <glm/glm.hpp>

namespace rtr::scene {

// Plain record of one point light; owns nothing on the GPU. An intensity of 0 switches the
// light off without losing its other values.
class PointLight {
  public:
    PointLight(const glm::vec3& position, const glm::vec3& color, float intensity,
               const glm::vec3& attenuation);
    virtual ~PointLight() = default;

    void setPosition(float x, float y, float z);
    // New attenuation factors invalidate any volume size computed for the old ones.
    void setAttenuation(float a, float b, float c);

    glm::vec3 position;
    glm::vec3 color;
    float intensity;
    glm::vec3 attenuation;
    // Uniform scale of the unit light-volume sphere.
    float volumeScale = 1.0f;
    // Transform of the light volume before translation to `position` and scaling.
    glm::mat4 modelMatrix = glm::mat4(1.0f);
};

}  // namespace rtr::scene
