#pragma once

#include <GLFW/glfw3.h>
#include <glm/glm.hpp>

namespace rtr {

// The one viewer: a position and two angles in degrees, from which the matrices are built on
// demand. While freeFly is on, move() and look() steer it from the keyboard and the mouse;
// otherwise the show script writes position, yaw and pitch directly.
class Camera {
  public:
    Camera(GLFWwindow* window, float fov);
    virtual ~Camera() = default;

    glm::mat4 rotationMatrix() const;
    glm::mat4 viewMatrix() const;
    // W A S D along the view, R F straight up and down in world space.
    void move(double deltaT);
    // Turns by the cursor offset since the last call and puts the cursor back at the origin.
    void look();

    // Looking further up or down would turn the view over; the mouse wheel keeps the field of
    // view between a telescope's and a fish-eye's (radians).
    static constexpr float pitchLimit = 85.0f;
    static constexpr float narrowestFov = 0.0698132f;
    static constexpr float widestFov = 2.0944f;

    GLFWwindow* window;
    glm::vec3 position{0.0f, 0.0f, 0.0f};
    float fov;
    float yaw = 0.0f;    // degrees, kept in [0, 360)
    float pitch = 0.0f;  // degrees, kept in [-85, 85]
    float speed = 2.0f;  // world units per second
    bool freeFly = true;

  protected:
    // The input source. A live window by default; tests substitute scripted input because
    // GLFW offers no way to inject key presses into a real window.
    virtual bool isKeyDown(int key) const;
    virtual glm::dvec2 cursorPosition() const;
    virtual void resetCursor();
};

}  // namespace rtr
