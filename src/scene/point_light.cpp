#include "scene/point_light.h"

namespace rtr::scene {

PointLight::PointLight(const glm::vec3& position, const glm::vec3& color, float intensity,
                       const glm::vec3& attenuation)
    : position(position), color(color), intensity(intensity), attenuation(attenuation) {}

void PointLight::setPosition(float x, float y, float z) {
    position = glm::vec3(x, y, z);
}

void PointLight::setAttenuation(float a, float b, float c) {
    attenuation = glm::vec3(a, b, c);
    volumeScale = 1.0f;
}

}  // namespace rtr::scene
