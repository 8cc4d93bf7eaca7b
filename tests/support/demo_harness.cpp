#include "support/demo_harness.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "app/globals.h"
#include "common/show_runner.h"
#include "app/startup.h"
#include "support/gl_context.h"

namespace testsupport {

DemoStartUp::DemoStartUp() : sandbox(std::make_unique<ProgramSandbox>()) {
    char cwd[4096] = {};
    if (getcwd(cwd, sizeof cwd))
        previousDirectory = cwd;
    if (chdir(sandbox->runDir().c_str()) != 0)
        return;
    // Start-up's own glfwInit then finds GLFW ready instead of failing on a busy server.
    if (initGlfw())
        rtr::startDemo(true);
}

DemoStartUp::~DemoStartUp() {
    rtr::shutDown();
    if (!previousDirectory.empty() && chdir(previousDirectory.c_str()) != 0) {
        previousDirectory.clear();
    }
}

std::vector<float> readTextureFloats(GLuint texture, GLenum format, int components, int width,
                                     int height) {
    std::vector<float> data(static_cast<size_t>(width) * height * components);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_FLOAT, data.data());
    return data;
}

std::vector<unsigned char> readWindowRgb(int width, int height) {
    return rtr::readBackBufferRgb(0, 0, width, height);
}

std::string writeObjModel(const TempDir& dir, const std::string& name,
                          const std::vector<Triangle>& triangles) {
    std::ostringstream obj;
    int vertex = 1;
    for (const Triangle& t : triangles) {
        const glm::vec3 n = glm::normalize(glm::cross(t.b - t.a, t.c - t.a));
        for (const glm::vec3& p : {t.a, t.b, t.c}) {
            obj << "v " << p.x << " " << p.y << " " << p.z << "\n";
        }
        obj << "vn " << n.x << " " << n.y << " " << n.z << "\n";
        obj << "vt 0 0\nvt 1 0\nvt 0 1\n";
        const int face = vertex / 3 + 1;
        obj << "f";
        for (int k = 0; k < 3; ++k) {
            obj << " " << vertex + k << "/" << 3 * (face - 1) + k + 1 << "/" << face;
        }
        obj << "\n";
        vertex += 3;
    }
    return dir.write(name, obj.str()).string();
}

std::vector<Triangle> boxTriangles(glm::vec3 lo, glm::vec3 hi) {
    const glm::vec3 c[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z},
                            {lo.x, hi.y, lo.z}, {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z},
                            {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    const int quads[6][4] = {{4, 5, 6, 7}, {1, 0, 3, 2}, {5, 1, 2, 6},
                             {0, 4, 7, 3}, {7, 6, 2, 3}, {0, 1, 5, 4}};
    std::vector<Triangle> triangles;
    for (const auto& q : quads) {
        triangles.push_back({c[q[0]], c[q[1]], c[q[2]]});
        triangles.push_back({c[q[0]], c[q[2]], c[q[3]]});
    }
    return triangles;
}

std::vector<Triangle> floorTriangles(float h, float y) {
    const glm::vec3 a(-h, y, h), b(h, y, h), c(h, y, -h), d(-h, y, -h);
    return {{a, b, c}, {a, c, d}};
}

}  // namespace testsupport
