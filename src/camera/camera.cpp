#include "camera/camera.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

namespace rtr {

namespace {

constexpr float degreesToRadians = 0.017453292f;
constexpr float mouseSensitivity = 0.1f;  // degrees per cursor unit

glm::vec3 direction(const glm::mat4& inverseRotation, const glm::vec4& cameraSpaceAxis) {
    return glm::vec3(inverseRotation * cameraSpaceAxis);
}

}  // namespace

Camera::Camera(GLFWwindow* window, float fov) : window(window), fov(fov) {}

glm::mat4 Camera::rotationMatrix() const {
    glm::mat4 rotation =
        glm::rotate(glm::mat4(1.0f), pitch * degreesToRadians, glm::vec3(1.0f, 0.0f, 0.0f));
    return glm::rotate(rotation, yaw * degreesToRadians, glm::vec3(0.0f, 1.0f, 0.0f));
}

glm::mat4 Camera::viewMatrix() const {
    return rotationMatrix() * glm::translate(glm::mat4(1.0f), -position);
}

void Camera::move(double deltaT) {
    if (!freeFly) {
        return;
    }
    const float step = static_cast<float>(deltaT) * speed;
    const glm::mat4 inverseRotation = glm::inverse(rotationMatrix());
    const glm::vec3 forward = direction(inverseRotation, glm::vec4(0.0f, 0.0f, -1.0f, 0.0f));
    const glm::vec3 right = direction(inverseRotation, glm::vec4(1.0f, 0.0f, 0.0f, 0.0f));
    const glm::vec3 up(0.0f, 1.0f, 0.0f);
    if (isKeyDown(GLFW_KEY_W)) {
        position += step * forward;
    }
    if (isKeyDown(GLFW_KEY_A)) {
        position -= step * right;
    }
    if (isKeyDown(GLFW_KEY_S)) {
        position -= step * forward;
    }
    if (isKeyDown(GLFW_KEY_D)) {
        position += step * right;
    }
    // Up and down stay vertical whatever the pitch, so climbing never drifts sideways.
    if (isKeyDown(GLFW_KEY_R)) {
        position += step * up;
    }
    if (isKeyDown(GLFW_KEY_F)) {
        position -= step * up;
    }
}

void Camera::look() {
    if (!freeFly) {
        return;
    }
    const glm::vec2 cursor(cursorPosition());
    pitch += mouseSensitivity * cursor.y;
    double wrapped = std::fmod(static_cast<double>(yaw) + 0.1 * cursor.x, 360.0);
    if (wrapped < 0.0) {
        wrapped += 360.0;
    }
    yaw = static_cast<float>(wrapped);
    // A tiny negative angle plus 360 can round up to exactly 360 in single precision.
    if (yaw >= 360.0f) {
        yaw = 0.0f;
    }
    if (pitch > pitchLimit) {
        pitch = pitchLimit;
    } else if (pitch < -pitchLimit) {
        pitch = -pitchLimit;
    }
    resetCursor();
}

bool Camera::isKeyDown(int key) const {
    return glfwGetKey(window, key) == GLFW_PRESS;
}

glm::dvec2 Camera::cursorPosition() const {
    glm::dvec2 cursor(0.0, 0.0);
    glfwGetCursorPos(window, &cursor.x, &cursor.y);
    return cursor;
}

void Camera::resetCursor() {
    glfwSetCursorPos(window, 0.0, 0.0);
}

}  // namespace rtr
