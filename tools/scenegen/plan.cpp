#include "plan.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>

#include "camera/show_script.h"
#include "scene/scene_lights.h"
#include "image.h"
#include "models.h"
#include "textures.h"

namespace scenegen {

namespace {

using glm::vec2;
using glm::vec3;
using glm::vec4;

struct Placed {
    const Model* model;
    glm::mat4 matrix;
};

// The lamps' model matrices as the program builds them.
std::vector<glm::mat4> lampMatrices() {
    std::vector<glm::mat4> matrices;
    for (const rtr::scene::LightRow& light : rtr::scene::sceneLights) {
        if (light.role == rtr::scene::LightRole::wallLamp)
            matrices.push_back(rtr::scene::lampModelMatrix(light));
    }
    return matrices;
}

// Pose of everything that moves, replaying the show's windows up to t.
struct ShowState {
    rtr::show::IloPose ilo{{0, 0, 0}, rtr::show::initialIloHeading};
    glm::vec3 door{0.2f, 0, 0};
};

ShowState showStateAt(double t) {
    ShowState s;
    for (double u = 0.0; u <= t; u += 0.05) {
        if (auto pose = rtr::show::iloPose(u)) {
            s.ilo = *pose;
        }
        if (auto door = rtr::show::doorTranslation(u)) {
            s.door = *door;
        }
    }
    return s;
}

bool isTessellatedWall(const std::string& file) {
    return file == "wallDoor.dae" || file == "wallLaufband.dae" || file == "WallLittleRoom.dae" ||
           file == "wallNonDoor.dae" || file == "wallVessel.dae";
}

// The set at time t. The plan (no shell) shows the walls as the shadow slabs and leaves the
// ceiling off; the camera views (with shell) show what the renderer draws.
std::vector<Placed> placeSet(const std::vector<Model>& models, double t, bool withShell) {
    const ShowState state = showStateAt(t);
    const auto ilo = rtr::show::iloPartMatrices(state.ilo, t);
    std::vector<Placed> placed;
    for (const Model& m : models) {
        const std::string& f = m.file;
        const bool shellOnly = f == "ceiling.dae" || isTessellatedWall(f);
        if (f == "sphere18.dae" || f == "vessel_v1.dae" || (shellOnly && !withShell) ||
            (f == "wall_v1.dae" && withShell)) {
            continue;
        }
        if (f == "wallLight_v1.dae") {
            for (const glm::mat4& lamp : lampMatrices()) {
                placed.push_back({&m, lamp});
            }
        } else if (f == "roll.dae") {
            for (std::size_t i = 0; i < 10; ++i) {
                placed.push_back({&m, rtr::show::rollMatrix(i, t)});
            }
        } else if (f == "cageLight.dae") {
            placed.push_back({&m, rtr::show::cageLampMatrix(t)});
        } else if (f == "door_v1.dae") {
            placed.push_back({&m, glm::translate(glm::mat4(1.0f), state.door)});
        } else if (f == "GraniteBlock.dae") {
            placed.push_back(
                {&m, rtr::show::graniteBlockMatrix(static_cast<float>(std::fmod(t * 0.2, 7.0)))});
        } else if (f == "iloArmLeft.dae") {
            placed.push_back({&m, ilo.armLeft});
        } else if (f == "iloArmRight.dae") {
            placed.push_back({&m, ilo.armRight});
        } else if (f.rfind("ilo", 0) == 0) {
            placed.push_back({&m, ilo.core});
        } else {
            placed.push_back({&m, glm::mat4(1.0f)});
        }
    }
    // The vessel last, so the plan shows it above the floor markings.
    for (const Model& m : models) {
        if (m.file == "vessel_v1.dae") {
            placed.push_back({&m, glm::mat4(1.0f)});
        }
    }
    return placed;
}

class Canvas {
  public:
    Canvas(int w, int h) : image(w, h), depth(static_cast<std::size_t>(w) * h, -1e30f) {}

    // Screen-space triangle (x, y in pixels, z larger = nearer) with per-corner attributes.
    template <typename Shade>
    void triangle(const vec3 p[3], Shade shade) {
        const float area =
            (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
        if (std::fabs(area) < 1e-3f) {
            return;
        }
        const int x0 =
            std::max(0, static_cast<int>(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
        const int x1 = std::min(image.width - 1,
                                static_cast<int>(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
        const int y0 =
            std::max(0, static_cast<int>(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
        const int y1 = std::min(image.height - 1,
                                static_cast<int>(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const vec2 c(x + 0.5f, y + 0.5f);
                const float w0 =
                    ((p[1].x - c.x) * (p[2].y - c.y) - (p[2].x - c.x) * (p[1].y - c.y)) / area;
                const float w1 =
                    ((p[2].x - c.x) * (p[0].y - c.y) - (p[0].x - c.x) * (p[2].y - c.y)) / area;
                const float w2 = 1.0f - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) {
                    continue;
                }
                const float z = w0 * p[0].z + w1 * p[1].z + w2 * p[2].z;
                float& d = depth[static_cast<std::size_t>(y) * image.width + x];
                if (z > d) {
                    d = z;
                    image.set(x, y, shade(vec3(w0, w1, w2)));
                }
            }
        }
    }

    void dot(vec2 p, float radius, vec3 colour) {
        for (int y = int(p.y - radius) - 1; y <= int(p.y + radius) + 1; ++y) {
            for (int x = int(p.x - radius) - 1; x <= int(p.x + radius) + 1; ++x) {
                if (x >= 0 && y >= 0 && x < image.width && y < image.height &&
                    glm::length(vec2(x + 0.5f, y + 0.5f) - p) <= radius) {
                    image.set(x, y, colour);
                }
            }
        }
    }

    void line(vec2 a, vec2 b, float width, vec3 colour) {
        const int steps = std::max(1, static_cast<int>(glm::length(b - a) * 2.0f));
        for (int i = 0; i <= steps; ++i) {
            dot(glm::mix(a, b, float(i) / steps), width * 0.5f, colour);
        }
    }

    Image image;
    std::vector<float> depth;
};

using TextureMap = std::map<std::string, Image>;

vec3 surfaceColour(const TextureMap& textures, const Model& m, vec2 uv, vec3 normal, vec3 toLight) {
    vec3 albedo(0.7f);
    auto found = textures.find(m.textures.diffuse);
    if (found != textures.end()) {
        albedo = found->second.sample(uv);
    }
    const float light = 0.35f + 0.75f * std::max(0.0f, glm::dot(glm::normalize(normal), toLight));
    return albedo * light;
}

// ---- plan -----------------------------------------------------------------------------------

constexpr float planScale = 120.0f;  // pixels per metre
constexpr float planMinX = -3.3f, planMinZ = -5.7f;

vec2 toPlan(vec3 p) {
    return {(p.x - planMinX) * planScale, (p.z - planMinZ) * planScale};
}

void drawPlanModels(Canvas& canvas, const TextureMap& textures, const std::vector<Placed>& set) {
    const vec3 toLight = glm::normalize(vec3(0.3f, 1.0f, 0.5f));
    for (const Placed& placed : set) {
        const Mesh& mesh = placed.model->mesh;
        const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(placed.matrix)));
        for (std::size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
            vec3 screen[3];
            vec3 world[3];
            const Vertex* v[3];
            for (int k = 0; k < 3; ++k) {
                v[k] = &mesh.vertices[mesh.indices[i + k]];
                world[k] = vec3(placed.matrix * vec4(v[k]->position, 1.0f));
                const vec2 p = toPlan(world[k]);
                screen[k] = {p.x, p.y, world[k].y};
            }
            canvas.triangle(screen, [&](vec3 w) {
                const vec2 uv = w.x * v[0]->uv + w.y * v[1]->uv + w.z * v[2]->uv;
                const vec3 n =
                    normalMatrix * (w.x * v[0]->normal + w.y * v[1]->normal + w.z * v[2]->normal);
                return surfaceColour(textures, *placed.model, uv, n, toLight);
            });
        }
    }
}

vec3 timeColour(double t) {
    const float f = static_cast<float>(std::clamp(t / 60.0, 0.0, 1.0));
    return glm::mix(vec3(0.1f, 0.9f, 1.0f), vec3(1.0f, 0.2f, 0.9f), f);
}

void drawPlanOverlays(Canvas& canvas) {
    // Ilo's path, coloured by time, with a dot every five seconds.
    std::optional<vec3> last;
    for (double t = 0.05; t < 60.0; t += 0.1) {
        if (auto pose = rtr::show::iloPose(t)) {
            if (last) {
                canvas.line(toPlan(*last), toPlan(pose->position), 3.0f, timeColour(t));
            }
            last = pose->position;
        }
    }
    for (double t = 0.5; t < 60.0; t += 5.0) {
        if (auto pose = rtr::show::iloPose(t)) {
            canvas.dot(toPlan(pose->position), 5.0f, vec3(1.0f));
        }
    }
    // The scripted camera: its place every quarter second and its view every second.
    for (double t = 0.05; t < 60.0; t += 0.25) {
        if (auto pose = rtr::show::scriptedCameraPose(t)) {
            const vec2 p = toPlan(pose->position);
            canvas.dot(p, 2.5f, vec3(1.0f, 0.9f, 0.1f));
            if (std::fmod(t, 1.0) < 0.25) {
                const float yaw = glm::radians(pose->yaw);
                const vec3 ahead(std::sin(yaw), 0.0f, -std::cos(yaw));
                canvas.line(p, toPlan(pose->position + 0.35f * ahead), 1.5f,
                            vec3(1.0f, 0.6f, 0.0f));
            }
        }
    }
    for (const rtr::scene::LightRow& light : rtr::scene::sceneLights) {
        canvas.dot(toPlan(light.position), 7.0f, vec3(0.0f));
        canvas.dot(toPlan(light.position), 5.0f, light.color);
    }
    // The main light's swing.
    for (double t = 0.0; t < 6.3; t += 0.05) {
        canvas.dot(toPlan(rtr::show::mainLightPosition(t)), 1.5f, vec3(1.0f, 1.0f, 0.5f));
    }
}

// ---- views from the scripted camera ----------------------------------------------------------

constexpr int viewWidth = 512, viewHeight = 384;

// Clips a triangle in clip space against the near plane (w > small) and rasterises it.
void drawViewTriangle(Canvas& canvas, const vec4 clip[3], const vec3 attr[3][3],
                      const std::function<vec3(const vec3*)>& shade) {
    struct Corner {
        vec4 clip;
        vec3 a[3];
    };
    std::vector<Corner> poly;
    for (int k = 0; k < 3; ++k) {
        poly.push_back({clip[k], {attr[k][0], attr[k][1], attr[k][2]}});
    }
    std::vector<Corner> kept;
    const float nearW = 0.02f;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const Corner& a = poly[i];
        const Corner& b = poly[(i + 1) % poly.size()];
        const bool ina = a.clip.w > nearW, inb = b.clip.w > nearW;
        if (ina) {
            kept.push_back(a);
        }
        if (ina != inb) {
            const float s = (nearW - a.clip.w) / (b.clip.w - a.clip.w);
            Corner c;
            c.clip = glm::mix(a.clip, b.clip, s);
            for (int j = 0; j < 3; ++j) {
                c.a[j] = glm::mix(a.a[j], b.a[j], s);
            }
            kept.push_back(c);
        }
    }
    for (std::size_t i = 1; i + 1 < kept.size(); ++i) {
        const Corner* tri[3] = {&kept[0], &kept[i], &kept[i + 1]};
        vec3 screen[3];
        for (int k = 0; k < 3; ++k) {
            const vec4& c = tri[k]->clip;
            screen[k] = {(c.x / c.w * 0.5f + 0.5f) * viewWidth,
                         (0.5f - c.y / c.w * 0.5f) * viewHeight, 1.0f / c.w};
        }
        canvas.triangle(screen, [&](vec3 w) {
            // Perspective-correct attributes.
            const vec3 pw(w.x * screen[0].z, w.y * screen[1].z, w.z * screen[2].z);
            const vec3 q = pw / (pw.x + pw.y + pw.z);
            vec3 attrs[3];
            for (int j = 0; j < 3; ++j) {
                attrs[j] = q.x * tri[0]->a[j] + q.y * tri[1]->a[j] + q.z * tri[2]->a[j];
            }
            return shade(attrs);
        });
    }
}

void drawView(Canvas& canvas, const TextureMap& textures, const std::vector<Placed>& set,
              const rtr::show::CameraPose& camera) {
    const glm::mat4 view =
        glm::rotate(glm::rotate(glm::mat4(1.0f), glm::radians(camera.pitch), vec3(1, 0, 0)),
                    glm::radians(camera.yaw), vec3(0, 1, 0)) *
        glm::translate(glm::mat4(1.0f), -camera.position);
    const glm::mat4 pv = glm::perspective(1.0471976f, 4.0f / 3.0f, 0.01f, 20.0f) * view;
    for (const Placed& placed : set) {
        const Mesh& mesh = placed.model->mesh;
        const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(placed.matrix)));
        for (std::size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
            vec4 clip[3];
            vec3 attr[3][3];
            vec3 world[3];
            for (int k = 0; k < 3; ++k) {
                const Vertex& v = mesh.vertices[mesh.indices[i + k]];
                world[k] = vec3(placed.matrix * vec4(v.position, 1.0f));
                clip[k] = pv * vec4(world[k], 1.0f);
                attr[k][0] = vec3(v.uv, 0.0f);
                attr[k][1] = normalMatrix * v.normal;
                attr[k][2] = world[k];
            }
            // Back faces are culled as the renderer does.
            const vec3 faceNormal = glm::cross(world[1] - world[0], world[2] - world[0]);
            if (glm::dot(faceNormal, camera.position - world[0]) <= 0.0f) {
                continue;
            }
            drawViewTriangle(canvas, clip, attr, [&](const vec3* a) {
                const vec3 toLight = glm::normalize(vec3(0.0f, 2.3f, 0.0f) - a[2]);
                return surfaceColour(textures, *placed.model, vec2(a[0]), a[1], toLight);
            });
        }
    }
}

void save(const Image& image, const std::string& path) {
    const auto bytes = encodePng(image);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

void writeDebugPictures(const std::string& folder) {
    const std::vector<Model> models = sceneModels();
    TextureMap textures;
    for (NamedImage& image : sceneTextures()) {
        textures[image.name] = std::move(image.image);
    }
    Canvas plan(static_cast<int>(8.8f * planScale), static_cast<int>(9.6f * planScale));
    drawPlanModels(plan, textures, placeSet(models, 20.0, false));
    drawPlanOverlays(plan);
    save(plan.image, folder + "/plan.png");
    for (double t : {1.0, 7.0, 12.0, 19.0, 24.0, 28.0, 32.0, 34.5, 38.0, 45.0, 52.0}) {
        auto camera = rtr::show::scriptedCameraPose(t);
        if (!camera) {
            continue;
        }
        Canvas view(viewWidth, viewHeight);
        drawView(view, textures, placeSet(models, t, true), *camera);
        char name[64];
        std::snprintf(name, sizeof name, "/view_%04.1f.png", t);
        save(view.image, folder + name);
    }
    // Close-ups of Ilo as he waits, awake and winking.
    const double wait = 7.0;
    const auto ilo = showStateAt(wait).ilo;
    const vec3 eye = ilo.position + vec3(-0.45f, rtr::show::iloBob(wait) + 0.19f, 0.0f);
    for (const char* face : {"ilo_eyes_02.png", "ilo_eyes_07.png"}) {
        textures["ilo_eyes_02.png"] = textures[face];
        Canvas view(viewWidth, viewHeight);
        drawView(view, textures, placeSet(models, wait, true), {eye, 90.0f, 0.0f});
        save(view.image, folder + "/ilo_" + face);
    }
}

}  // namespace scenegen
