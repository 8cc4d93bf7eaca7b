#pragma once

#include <GL/glew.h>
#include <glm/glm.hpp>

#include <memory>
#include <string>
#include <vector>

#include "support/sandbox.h"

namespace testsupport {

// Runs the program's real start-up once per test process, from a sandbox beside the
// repository's Shader/ and Models/, and shuts it down at the end.
class DemoStartUp {
  public:
    DemoStartUp();
    ~DemoStartUp();

  private:
    std::unique_ptr<ProgramSandbox> sandbox;
    std::string previousDirectory;
};

// Reads a texture level back as floats with `components` channels per texel.
std::vector<float> readTextureFloats(GLuint texture, GLenum format, int components,
                                     int width = 1024, int height = 768);

// Reads the window's back buffer as RGB bytes (bottom row first).
std::vector<unsigned char> readWindowRgb(int width = 1024, int height = 768);

// A model file in Wavefront OBJ form (triangles with per-face normals), written by the tests.
struct Triangle {
    glm::vec3 a, b, c;
};
std::string writeObjModel(const TempDir& dir, const std::string& name,
                          const std::vector<Triangle>& triangles);

// Axis-aligned box as twelve outward-facing, counter-clockwise triangles.
std::vector<Triangle> boxTriangles(glm::vec3 lo, glm::vec3 hi);
// Square in the plane y = height, facing up.
std::vector<Triangle> floorTriangles(float halfSize, float height = 0.0f);

}  // namespace testsupport
