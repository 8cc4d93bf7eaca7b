// Checks the generated scene data the way the program reads it: every model imported with the
// program's own Assimp flags, the textures its loader would pick, and the layout the show's
// numbers rely on (lamps at their lights, rolls on their line, Ilo's route through the set).

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "camera/show_script.h"
#include "support/sandbox.h"

namespace {

using glm::vec3;
using glm::vec4;

constexpr unsigned plainFlags = 0x80204B;
constexpr unsigned tessellatedFlags = 0x80004B;
constexpr float wallRelief = 0.165f;
constexpr float vesselRelief = 0.125f;

const std::vector<std::string> tessellatedFiles = {"vessel_v1.dae",    "wallDoor.dae",
                                                   "wallLaufband.dae", "WallLittleRoom.dae",
                                                   "wallNonDoor.dae",  "wallVessel.dae"};

bool isTessellated(const std::string& file) {
    return std::find(tessellatedFiles.begin(), tessellatedFiles.end(), file) !=
           tessellatedFiles.end();
}

struct Triangle {
    vec3 a, b, c;
};

// One model as the program holds it after import: mesh 0 and the loader's texture list.
struct Model {
    std::vector<vec3> positions;
    std::vector<vec3> normals;
    std::vector<glm::vec2> uvs;
    std::vector<unsigned> indices;
    std::vector<std::string> textures;  // in the order the loader appends them
    unsigned meshCount = 0;
    bool allTriangles = true;

    vec3 min() const {
        vec3 m(1e30f);
        for (const vec3& p : positions) m = glm::min(m, p);
        return m;
    }
    vec3 max() const {
        vec3 m(-1e30f);
        for (const vec3& p : positions) m = glm::max(m, p);
        return m;
    }
    // Triangles moved by `matrix` and then pushed `lift` along their vertex normals.
    std::vector<Triangle> triangles(const glm::mat4& matrix = glm::mat4(1.0f),
                                    float lift = 0.0f) const {
        std::vector<Triangle> out;
        auto at = [&](unsigned i) {
            return vec3(matrix * vec4(positions[i] + normals[i] * lift, 1.0f));
        };
        for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
            out.push_back({at(indices[i]), at(indices[i + 1]), at(indices[i + 2])});
        }
        return out;
    }
};

std::string modelPath(const std::string& file) {
    return testsupport::repoPath("Models/" + file).string();
}

Model importModel(const std::string& file) {
    Assimp::Importer importer;
    const aiScene* scene =
        importer.ReadFile(modelPath(file), isTessellated(file) ? tessellatedFlags : plainFlags);
    Model model;
    if (scene == nullptr || scene->mNumMeshes == 0) {
        ADD_FAILURE() << file << ": " << importer.GetErrorString();
        return model;
    }
    model.meshCount = scene->mNumMeshes;
    const aiMesh* mesh = scene->mMeshes[0];
    for (unsigned i = 0; i < mesh->mNumVertices; ++i) {
        const aiVector3D& p = mesh->mVertices[i];
        model.positions.push_back({p.x, p.y, p.z});
        if (mesh->HasNormals()) {
            model.normals.push_back(
                {mesh->mNormals[i].x, mesh->mNormals[i].y, mesh->mNormals[i].z});
        }
        if (mesh->HasTextureCoords(0)) {
            model.uvs.push_back({mesh->mTextureCoords[0][i].x, mesh->mTextureCoords[0][i].y});
        }
    }
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
        model.allTriangles = model.allTriangles && mesh->mFaces[f].mNumIndices == 3;
        for (unsigned k = 0; k < mesh->mFaces[f].mNumIndices; ++k) {
            model.indices.push_back(mesh->mFaces[f].mIndices[k]);
        }
    }
    // The loader's rule: materials from index 1 on, diffuse then emissive (displacement).
    for (unsigned m = 1; m < scene->mNumMaterials; ++m) {
        for (aiTextureType type : {aiTextureType_DIFFUSE, aiTextureType_EMISSIVE}) {
            aiString name;
            if (aiGetMaterialTextureCount(scene->mMaterials[m], type) != 0 &&
                aiGetMaterialTexture(scene->mMaterials[m], type, 0, &name) == aiReturn_SUCCESS) {
                model.textures.push_back(name.C_Str());
            }
        }
    }
    return model;
}

const Model& model(const std::string& file) {
    static std::map<std::string, Model> cache;
    auto found = cache.find(file);
    if (found == cache.end()) {
        found = cache.emplace(file, importModel(file)).first;
    }
    return found->second;
}

// ---- geometry helpers ------------------------------------------------------------------------

struct Box {
    vec3 min{1e30f}, max{-1e30f};
    void include(const vec3& p) {
        min = glm::min(min, p);
        max = glm::max(max, p);
    }
};

bool separatedOnAxis(const vec3& axis, const vec3 v[3], const vec3& half) {
    if (glm::dot(axis, axis) < 1e-12f)
        return false;
    const float p0 = glm::dot(axis, v[0]), p1 = glm::dot(axis, v[1]), p2 = glm::dot(axis, v[2]);
    const float r =
        half.x * std::fabs(axis.x) + half.y * std::fabs(axis.y) + half.z * std::fabs(axis.z);
    return std::min({p0, p1, p2}) > r || std::max({p0, p1, p2}) < -r;
}

// Separating-axis test of a triangle against an axis-aligned box.
bool overlaps(const Triangle& t, const Box& box) {
    const vec3 centre = 0.5f * (box.min + box.max), half = 0.5f * (box.max - box.min);
    const vec3 v[3] = {t.a - centre, t.b - centre, t.c - centre};
    const vec3 e[3] = {v[1] - v[0], v[2] - v[1], v[0] - v[2]};
    const vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (const vec3& a : axes) {
        if (separatedOnAxis(a, v, half))
            return false;
        for (const vec3& edge : e) {
            if (separatedOnAxis(glm::cross(a, edge), v, half))
                return false;
        }
    }
    return !separatedOnAxis(glm::cross(e[0], e[1]), v, half);
}

// Distance along the ray to the triangle, if it is hit within maxDistance.
std::optional<float> hit(const Triangle& t, vec3 origin, vec3 direction, float maxDistance) {
    const vec3 e1 = t.b - t.a, e2 = t.c - t.a, p = glm::cross(direction, e2);
    const float det = glm::dot(e1, p);
    if (std::fabs(det) < 1e-10f)
        return std::nullopt;
    const vec3 s = origin - t.a;
    const float u = glm::dot(s, p) / det;
    const vec3 q = glm::cross(s, e1);
    const float v = glm::dot(direction, q) / det;
    const float d = glm::dot(e2, q) / det;
    if (u < 0 || v < 0 || u + v > 1 || d < 0 || d > maxDistance)
        return std::nullopt;
    return d;
}

std::optional<float> firstHit(const std::vector<Triangle>& tris, vec3 origin, vec3 direction,
                              float maxDistance) {
    std::optional<float> best;
    for (const Triangle& t : tris) {
        if (auto d = hit(t, origin, direction, maxDistance); d && (!best || *d < *best))
            best = d;
    }
    return best;
}

void append(std::vector<Triangle>& to, const std::vector<Triangle>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

// ---- the show, replayed ---------------------------------------------------------------------

struct ShowFrame {
    double t;
    rtr::show::IloPose ilo;
    vec3 door;
    std::optional<rtr::show::CameraPose> camera;
};

// Every 0.1 s over the show, with the values the update keeps when a window writes nothing.
const std::vector<ShowFrame>& showFrames() {
    static const std::vector<ShowFrame> frames = [] {
        std::vector<ShowFrame> out;
        rtr::show::IloPose ilo{{0, 0, 0}, rtr::show::initialIloHeading};
        vec3 door(0.0f);
        for (int i = 1; i < 600; ++i) {
            const double t = 0.1 * i + 0.05;
            if (auto pose = rtr::show::iloPose(t))
                ilo = *pose;
            if (auto d = rtr::show::doorTranslation(t))
                door = *d;
            out.push_back({t, ilo, door, rtr::show::scriptedCameraPose(t)});
        }
        return out;
    }();
    return frames;
}

// World boxes of Ilo's five parts at one frame.
std::vector<Box> iloBoxes(const ShowFrame& frame) {
    const auto m = rtr::show::iloPartMatrices(frame.ilo, frame.t);
    const std::pair<const char*, glm::mat4> parts[] = {{"iloBody.dae", m.core},
                                                       {"iloHead.dae", m.core},
                                                       {"iloFace.dae", m.core},
                                                       {"iloArmLeft.dae", m.armLeft},
                                                       {"iloArmRight.dae", m.armRight}};
    std::vector<Box> boxes;
    for (const auto& [file, matrix] : parts) {
        Box box;
        for (const vec3& p : model(file).positions) box.include(vec3(matrix * vec4(p, 1.0f)));
        boxes.push_back(box);
    }
    return boxes;
}

glm::mat4 translate(vec3 v) {
    return glm::translate(glm::mat4(1.0f), v);
}

const std::vector<std::string> allModels = {
    "wall_v1.dae",     "cageLight.dae",  "door_v1.dae",      "stage_v1.dae",
    "floor.dae",       "ceiling.dae",    "wallLight_v1.dae", "Doorframe_v1.dae",
    "laufband.dae",    "roll.dae",       "vessel_v1.dae",    "GraniteBlock.dae",
    "iloBody.dae",     "iloArmLeft.dae", "iloArmRight.dae",  "iloHead.dae",
    "iloFace.dae",     "wallDoor.dae",   "wallLaufband.dae", "WallLittleRoom.dae",
    "wallNonDoor.dae", "wallVessel.dae", "sphere18.dae"};

// ---- the files as the loaders see them ---------------------------------------------------------

TEST(SceneModels, ImportWithTheProgramsFlagsAsOneTriangleMeshWithNormalsAndUvs) {
    for (const std::string& file : allModels) {
        SCOPED_TRACE(file);
        const Model& m = model(file);
        EXPECT_EQ(m.meshCount, 1u);
        EXPECT_FALSE(m.positions.empty());
        EXPECT_EQ(m.normals.size(), m.positions.size());
        EXPECT_EQ(m.uvs.size(), m.positions.size());
        EXPECT_TRUE(m.allTriangles);
        EXPECT_EQ(m.indices.size() % 3, 0u);
    }
}

TEST(SceneModels, MaterialsNameTheTexturesTheLoaderLoadsInItsOrder) {
    const std::vector<std::string> walls = {"wall_panels.png", "wall_panels_disp.png"};
    const std::vector<std::string> ilo = {"ilo_paint.png"};
    const std::map<std::string, std::vector<std::string>> expected = {
        {"wall_v1.dae", {"wall_panels.png"}},
        {"cageLight.dae", {"cage_light.png"}},
        {"door_v1.dae", {"door_panel.png"}},
        {"stage_v1.dae", {"stage_metal.png"}},
        {"floor.dae", {"floor_concrete.png"}},
        {"ceiling.dae", {"ceiling_panels.png"}},
        {"wallLight_v1.dae", {"wall_lamp.png"}},
        {"Doorframe_v1.dae", {"door_frame.png"}},
        {"laufband.dae", {"conveyor.png"}},
        {"roll.dae", {"roll_steel.png"}},
        {"vessel_v1.dae", {"vessel_metal.png", "vessel_metal_disp.png"}},
        {"GraniteBlock.dae", {"granite.png"}},
        {"iloBody.dae", ilo},
        {"iloArmLeft.dae", ilo},
        {"iloArmRight.dae", ilo},
        {"iloHead.dae", ilo},
        {"iloFace.dae", {"ilo_eyes_02.png"}},
        {"wallDoor.dae", walls},
        {"wallLaufband.dae", walls},
        {"WallLittleRoom.dae", walls},
        {"wallNonDoor.dae", walls},
        {"wallVessel.dae", walls},
        {"sphere18.dae", {}}};
    for (const auto& [file, textures] : expected) {
        EXPECT_EQ(model(file).textures, textures) << file;
    }
}

// Winding and normals agree: the side a face shows is the side its normals point to.
TEST(SceneModels, FacesAreCounterClockwiseOnTheSideTheirNormalsPointTo) {
    for (const std::string& file : allModels) {
        const Model& m = model(file);
        int disagreeing = 0, faces = 0;
        for (std::size_t i = 0; i + 2 < m.indices.size(); i += 3) {
            const vec3 a = m.positions[m.indices[i]], b = m.positions[m.indices[i + 1]],
                       c = m.positions[m.indices[i + 2]];
            const vec3 face = glm::cross(b - a, c - a);
            if (glm::length(face) < 1e-10f)
                continue;
            const vec3 n =
                m.normals[m.indices[i]] + m.normals[m.indices[i + 1]] + m.normals[m.indices[i + 2]];
            ++faces;
            disagreeing += glm::dot(face, n) <= 0.0f;
        }
        EXPECT_EQ(disagreeing, 0) << file << " (" << faces << " faces)";
    }
}

TEST(SceneModels, RoomSurfacesFaceIntoTheRooms) {
    for (const vec3& n : model("floor.dae").normals) EXPECT_GT(n.y, 0.99f);
    for (const auto& [file, inward] : std::map<std::string, vec3>{{"wallDoor.dae", {-1, 0, 0}},
                                                                  {"wallNonDoor.dae", {1, 0, 0}},
                                                                  {"wallLaufband.dae", {0, 0, -1}},
                                                                  {"wallVessel.dae", {0, 0, 1}}}) {
        for (const vec3& n : model(file).normals) EXPECT_GT(glm::dot(n, inward), 0.99f) << file;
    }
    // The little room's walls all face its middle.
    const Model& little = model("WallLittleRoom.dae");
    for (std::size_t i = 0; i < little.positions.size(); ++i) {
        const vec3 toMiddle = vec3(3.8f, little.positions[i].y, 1.65f) - little.positions[i];
        EXPECT_GT(glm::dot(little.normals[i], toMiddle), 0.0f);
    }
    // The ceiling's plane (not the lamp's mount in its middle) faces down.
    const Model& ceiling = model("ceiling.dae");
    int plane = 0;
    for (std::size_t i = 0; i < ceiling.positions.size(); ++i) {
        const vec3 p = ceiling.positions[i];
        if (std::fabs(p.y - 2.6f) < 1e-4f && (std::fabs(p.x) > 0.1f || std::fabs(p.z) > 0.1f)) {
            EXPECT_LT(ceiling.normals[i].y, -0.99f);
            ++plane;
        }
    }
    EXPECT_GT(plane, 20);
}

TEST(SceneModels, SphereIsAUnitSphereOfAboutEighteenSegments) {
    const Model& s = model("sphere18.dae");
    EXPECT_NEAR(s.min().x, -1.0f, 0.05f);
    EXPECT_NEAR(s.max().x, 1.0f, 0.05f);
    EXPECT_NEAR(s.max().y, 1.0f, 1e-4f);
    EXPECT_NEAR(s.min().y, -1.0f, 1e-4f);
    std::vector<float> angles;  // around the ring nearest the equator
    float ringY = 1.0f;
    for (const vec3& p : s.positions) ringY = std::min(ringY, std::fabs(p.y));
    for (std::size_t i = 0; i < s.positions.size(); ++i) {
        const vec3 p = s.positions[i];
        EXPECT_NEAR(glm::length(p), 1.0f, 1e-4f);
        EXPECT_GT(glm::dot(s.normals[i], p), 0.99f);
        if (std::fabs(std::fabs(p.y) - ringY) < 1e-4f) {
            angles.push_back(std::round(std::atan2(p.x, p.z) * 1000.0f));
        }
    }
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end()), angles.end());
    EXPECT_GE(angles.size(), 16u);
    EXPECT_LE(angles.size(), 20u);
}

// ---- layout ------------------------------------------------------------------------------------

// Room faces (where the relief stands) that the lamps' lights sit in front of.
TEST(SceneLayout, WallLampsHoldTheirLightsAndReachTheWallBehind) {
    const Model& lamp = model("wallLight_v1.dae");
    const vec3 lo = lamp.min(), hi = lamp.max();
    // The light at the lamp's origin is inside the lamp.
    EXPECT_LT(lo.x, -0.04f);
    EXPECT_GT(hi.x, 0.04f);
    EXPECT_LT(lo.y, -0.04f);
    EXPECT_GT(hi.y, 0.04f);
    EXPECT_LT(lo.z, -0.03f);
    struct Placement {
        vec3 light;
        float angle;
        float wallDistance;  // from the light to the room face behind it
    };
    const Placement lamps[] = {
        {{2.6f, 1.65f, -1.9f}, 1.5707964f, 0.05f},  {{-2.65f, 1.65f, -2.0f}, 4.712389f, 0.05f},
        {{-2.65f, 1.65f, 1.42f}, 4.712389f, 0.05f}, {{-1.8f, 1.65f, -5.0f}, 3.1415927f, 0.05f},
        {{1.85f, 1.65f, -5.0f}, 3.1415927f, 0.05f}, {{-0.02f, 1.65f, 2.67f}, 0.0f, 0.03f}};
    for (const Placement& p : lamps) {
        const glm::mat4 m = glm::rotate(translate(p.light), p.angle, vec3(0, 1, 0));
        const vec3 back = vec3(m * vec4(0, 0, hi.z, 1)) - p.light;
        // The lamp's back plate reaches into the wall, but not far beyond it.
        EXPECT_GT(glm::length(back), p.wallDistance + 0.02f);
        EXPECT_LT(glm::length(back), p.wallDistance + 0.12f);
        // And it points away from the room's middle, towards that wall.
        const vec3 toMiddle = vec3(0.0f, 1.65f, -1.2f) - p.light;
        EXPECT_LT(glm::dot(back, toMiddle), 0.0f);
    }
}

TEST(SceneLayout, RollsSitOnTheirLineBetweenTheRailsAndCarryTheBlock) {
    const Model& roll = model("roll.dae");
    const vec3 lo = roll.min(), hi = roll.max();
    EXPECT_NEAR(lo.x, -hi.x, 1e-3f);
    EXPECT_LT(hi.y, 0.14f);  // neighbours 0.3 apart never touch
    EXPECT_LT(hi.z, 0.14f);
    EXPECT_NEAR(hi.y, hi.z, 1e-3f);  // round about x
    const auto belt = model("laufband.dae").triangles();
    for (int i = 0; i < 10; ++i) {
        const vec3 axle(0.0f, 0.475f, 0.3f * i - 0.9f);
        for (float side : {-1.0f, 1.0f}) {
            // The roll's end runs into a rail right beside it.
            const auto d = firstHit(belt, axle, vec3(side, 0, 0), 1.0f);
            ASSERT_TRUE(d.has_value()) << "roll " << i;
            EXPECT_LT(*d, hi.x + 0.002f);
            EXPECT_GT(*d, hi.x - 0.05f);
        }
    }
    // The block lifted by 0.035 rests on the rolls' tops.
    const Model& block = model("GraniteBlock.dae");
    EXPECT_NEAR(block.min().y + 0.035f, 0.475f + hi.y, 0.003f);
    // It starts hidden under the back housing's roof and leaves the room before it jumps back.
    const vec3 centre = 0.5f * (block.min() + block.max());
    EXPECT_TRUE(firstHit(belt, centre, vec3(0, 1, 0), 0.5f).has_value());
    EXPECT_GT(block.min().z + 7.0f, 2.7f);
}

TEST(SceneLayout, StageTopLiesUnderIlosPathAtHisHoverHeight) {
    const auto stage = model("stage_v1.dae").triangles();
    int checked = 0;
    for (const ShowFrame& f : showFrames()) {
        const vec3 p = f.ilo.position;
        if (p.y < 0.31f)
            continue;
        const auto d = firstHit(stage, p + vec3(0, 1.0f, 0), vec3(0, -1, 0), 3.0f);
        ASSERT_TRUE(d.has_value()) << "nothing under Ilo at t = " << f.t;
        const float top = p.y + 1.0f - *d;
        // Where his way over the deck cuts the corner of the left ramp's top, the ramp falls
        // away under him by a few centimetres; he hovers, so that is all it changes.
        EXPECT_NEAR(top, p.y - 0.3f, 0.04f) << "t = " << f.t;
        ++checked;
    }
    EXPECT_GT(checked, 150);
}

TEST(SceneLayout, LittleRoomDoorFillsTheDoorwayInThePlusXWallAndSlidesClear) {
    const auto wall = model("wallDoor.dae").triangles();
    const vec3 across(1, 0, 0);
    EXPECT_TRUE(firstHit(wall, {2.0f, 1.0f, 0.4f}, across, 1.5f).has_value());
    EXPECT_FALSE(firstHit(wall, {2.0f, 1.0f, 1.3f}, across, 1.5f).has_value());
    const Model& door = model("door_v1.dae");
    // Held shut on the little room's side before 17 s, and standing in the reveal after.
    EXPECT_GT(door.min().x + 0.2f, 2.95f);
    EXPECT_LT(door.max().x + 0.2f, 3.2f);
    EXPECT_GT(door.min().x, 2.65f);
    EXPECT_LT(door.max().x, 2.95f);
    const float doorwayZ[] = {0.8f, 1.05f, 1.3f, 1.55f, 1.8f};
    for (const auto& [offset, blocks] :
         {std::pair{vec3(0.2f, 0, 0), true}, std::pair{vec3(0.2f, 0, 1.1f), false},
          std::pair{vec3(0.0f), true}}) {
        const auto panel = door.triangles(translate(offset));
        for (float z : doorwayZ) {
            for (float y : {0.1f, 1.0f, 1.85f}) {
                EXPECT_EQ(firstHit(panel, {2.0f, y, z}, across, 2.0f).has_value(), blocks)
                    << "door at +" << offset.x << ", +" << offset.z << "; z " << z << ", y " << y;
            }
        }
    }
}

// ---- Ilo's route --------------------------------------------------------------------------------

std::vector<Triangle> solidSet() {
    std::vector<Triangle> solid;
    for (const char* wall : {"wallDoor.dae", "wallLaufband.dae", "WallLittleRoom.dae",
                             "wallNonDoor.dae", "wallVessel.dae"}) {
        append(solid, model(wall).triangles());
        append(solid, model(wall).triangles(glm::mat4(1.0f), wallRelief));
    }
    append(solid, model("vessel_v1.dae").triangles());
    append(solid, model("vessel_v1.dae").triangles(glm::mat4(1.0f), vesselRelief));
    for (const char* file : {"wall_v1.dae", "stage_v1.dae", "Doorframe_v1.dae", "laufband.dae"}) {
        append(solid, model(file).triangles());
    }
    return solid;
}

TEST(SceneLayout, IlosPathNeverPassesThroughWallsStageVesselOrClosedDoor) {
    const std::vector<Triangle> solid = solidSet();
    for (const ShowFrame& f : showFrames()) {
        const auto door = model("door_v1.dae").triangles(translate(f.door));
        for (const Box& box : iloBoxes(f)) {
            EXPECT_GT(box.min.y, 0.05f) << "t = " << f.t;
            EXPECT_LT(box.max.y, 2.5f) << "t = " << f.t;
            const auto touches = [&](const Triangle& t) { return overlaps(t, box); };
            EXPECT_FALSE(std::any_of(solid.begin(), solid.end(), touches)) << "t = " << f.t;
            EXPECT_FALSE(std::any_of(door.begin(), door.end(), touches)) << "door, t = " << f.t;
        }
    }
}

// The same test on a deliberately misplaced Ilo: a route through a wall must be caught.
TEST(SceneLayout, CollisionCheckCatchesIloInsideAWall) {
    const std::vector<Triangle> solid = solidSet();
    ShowFrame f = showFrames().front();
    f.ilo.position = {2.6f, 0.3f, -1.0f};
    bool caught = false;
    for (const Box& box : iloBoxes(f)) {
        caught = caught || std::any_of(solid.begin(), solid.end(),
                                       [&](const Triangle& t) { return overlaps(t, box); });
    }
    EXPECT_TRUE(caught);
}

// ---- the camera flight sees Ilo --------------------------------------------------------------

bool cameraSees(const rtr::show::CameraPose& camera, vec3 target,
                const std::vector<Triangle>& occluders) {
    const glm::mat4 view =
        glm::rotate(glm::rotate(glm::mat4(1.0f), glm::radians(camera.pitch), vec3(1, 0, 0)),
                    glm::radians(camera.yaw), vec3(0, 1, 0)) *
        translate(-camera.position);
    const vec4 clip =
        glm::perspective(1.0471976f, 4.0f / 3.0f, 0.01f, 20.0f) * view * vec4(target, 1.0f);
    if (clip.w <= 0.0f || std::fabs(clip.x / clip.w) > 1.0f || std::fabs(clip.y / clip.w) > 1.0f) {
        return false;
    }
    const vec3 ray = target - camera.position;
    return !firstHit(occluders, camera.position, glm::normalize(ray), glm::length(ray) - 0.05f);
}

double visibleShare(double from, double to) {
    std::vector<Triangle> occluders;
    for (const char* file :
         {"wallDoor.dae", "wallLaufband.dae", "WallLittleRoom.dae", "wallNonDoor.dae",
          "wallVessel.dae", "stage_v1.dae", "vessel_v1.dae", "Doorframe_v1.dae", "laufband.dae"}) {
        append(occluders, model(file).triangles());
    }
    int seen = 0, frames = 0;
    for (const ShowFrame& f : showFrames()) {
        if (f.t <= from || f.t >= to || !f.camera)
            continue;
        std::vector<Triangle> all = occluders;
        append(all, model("door_v1.dae").triangles(translate(f.door)));
        const vec3 head = vec3(rtr::show::iloPartMatrices(f.ilo, f.t).core * vec4(0, 0.12f, 0, 1));
        seen += cameraSees(*f.camera, head, all);
        ++frames;
    }
    return frames ? double(seen) / frames : 0.0;
}

TEST(SceneLayout, CameraFlightSeesIloWhereTheShowIsAboutHim) {
    EXPECT_EQ(visibleShare(0.0, 2.9), 0.0);    // behind the closed door
    EXPECT_EQ(visibleShare(5.0, 10.0), 1.0);   // waiting in the little room
    EXPECT_EQ(visibleShare(17.0, 25.0), 1.0);  // coming towards the camera
    // The climb ends looking down at the vessel and the pan sweeps the room, so Ilo is in
    // the picture for most of them, not all.
    const double climb = visibleShare(25.0, 35.0), pan = visibleShare(42.0, 55.0);
    EXPECT_GE(climb, 0.6);
    EXPECT_GE(pan, 0.5);
    std::cout << "Ilo in view: climb " << climb << ", pan " << pan << "\n";
}

}  // namespace
