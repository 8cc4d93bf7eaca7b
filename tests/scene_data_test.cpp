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
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "camera/show_script.h"
#include "scene/scene_layout.h"
#include "scene/scene_lights.h"
#include "scene/scene_models.h"
#include "support/sandbox.h"

namespace {

using glm::vec3;
using glm::vec4;

namespace layout = rtr::scene::layout;
using rtr::scene::ModelId;
using rtr::scene::ModelKind;
using rtr::scene::ModelRow;

// The tessellated models, with the height their displacement maps raise relief to.
const std::map<std::string, float> reliefHeight = [] {
    std::map<std::string, float> heights;
    for (const ModelRow& row : rtr::scene::sceneModelFiles) {
        if (row.kind == ModelKind::listedAndRelief)
            heights[row.file] = layout::vesselDisplacementScale;
        if (row.kind == ModelKind::reliefWall)
            heights[row.file] = layout::wallDisplacementScale;
    }
    return heights;
}();

struct Triangle {
    vec3 a, b, c;
};

struct Box {
    vec3 min{1e30f}, max{-1e30f};
    void include(const vec3& p) {
        min = glm::min(min, p);
        max = glm::max(max, p);
    }
};

vec3 toVec(const aiVector3D& v) {
    return {v.x, v.y, v.z};
}

glm::mat4 translate(vec3 v) {
    return glm::translate(glm::mat4(1.0f), v);
}

// One model as the program holds it after import: mesh 0 and the loader's texture list.
struct Model {
    unsigned meshCount = 0;
    bool hasNormals = false, hasUvs = false;
    std::vector<vec3> positions, normals;
    std::vector<unsigned> indices;
    std::vector<std::string> textures;  // in the order the loader appends them
    Box bounds;

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

void readTextures(const aiScene& scene, Model& model) {
    // The loader's rule: materials from index 1 on, diffuse then emissive (displacement).
    for (unsigned m = 1; m < scene.mNumMaterials; ++m) {
        for (aiTextureType type : {aiTextureType_DIFFUSE, aiTextureType_EMISSIVE}) {
            aiString name;
            if (aiGetMaterialTextureCount(scene.mMaterials[m], type) != 0 &&
                aiGetMaterialTexture(scene.mMaterials[m], type, 0, &name) == aiReturn_SUCCESS) {
                model.textures.push_back(name.C_Str());
            }
        }
    }
}

Model importModel(const std::string& file) {
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(testsupport::repoPath("Models/" + file).string(),
                                             reliefHeight.count(file) ? 0x80004B : 0x80204B);
    Model model;
    if (scene == nullptr || scene->mNumMeshes == 0) {
        ADD_FAILURE() << file << ": " << importer.GetErrorString();
        return model;
    }
    model.meshCount = scene->mNumMeshes;
    const aiMesh* mesh = scene->mMeshes[0];
    model.hasNormals = mesh->HasNormals();
    model.hasUvs = mesh->HasTextureCoords(0);
    for (unsigned i = 0; i < mesh->mNumVertices; ++i) {
        model.positions.push_back(toVec(mesh->mVertices[i]));
        model.bounds.include(model.positions.back());
        model.normals.push_back(model.hasNormals ? toVec(mesh->mNormals[i]) : vec3(0.0f));
    }
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
        const aiFace& face = mesh->mFaces[f];
        model.indices.insert(model.indices.end(), face.mIndices, face.mIndices + face.mNumIndices);
    }
    readTextures(*scene, model);
    return model;
}

const Model& model(const std::string& file) {
    static std::map<std::string, Model> cache;
    auto found = cache.find(file);
    if (found == cache.end())
        found = cache.emplace(file, importModel(file)).first;
    return found->second;
}

const Model& model(ModelId id) {
    return model(rtr::scene::modelRow(id).file);
}

// ---- geometry helpers ------------------------------------------------------------------------

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

bool touchesAny(const std::vector<Triangle>& tris, const Box& box) {
    return std::any_of(tris.begin(), tris.end(),
                       [&](const Triangle& t) { return overlaps(t, box); });
}

// Distance along the ray to the nearest triangle hit within maxDistance.
std::optional<float> firstHit(const std::vector<Triangle>& tris, vec3 origin, vec3 direction,
                              float maxDistance) {
    std::optional<float> best;
    for (const Triangle& t : tris) {
        const vec3 e1 = t.b - t.a, e2 = t.c - t.a, p = glm::cross(direction, e2);
        const float det = glm::dot(e1, p);
        if (std::fabs(det) < 1e-10f)
            continue;
        const vec3 s = origin - t.a, q = glm::cross(s, e1);
        const float u = glm::dot(s, p) / det, v = glm::dot(direction, q) / det;
        const float d = glm::dot(e2, q) / det;
        if (u >= 0 && v >= 0 && u + v <= 1 && d >= 0 && d <= maxDistance && (!best || d < *best))
            best = d;
    }
    return best;
}

// ---- the show, replayed ---------------------------------------------------------------------

struct ShowFrame {
    double t;
    rtr::show::IloPose ilo;
    vec3 door;
};

// Every 0.1 s over the show, with the values the update keeps when a window writes nothing.
const std::vector<ShowFrame>& showFrames() {
    static const std::vector<ShowFrame> frames = [] {
        std::vector<ShowFrame> out;
        rtr::show::IloPose ilo{{0, 0, 0}, rtr::show::initialIloHeading};
        vec3 door(0.0f);
        for (int i = 1; i < 600; ++i) {
            const double t = 0.1 * i + 0.05;
            ilo = rtr::show::iloPose(t).value_or(ilo);
            door = rtr::show::doorTranslation(t).value_or(door);
            out.push_back({t, ilo, door});
        }
        return out;
    }();
    return frames;
}

// World boxes of Ilo's five parts at one frame.
std::vector<Box> iloBoxes(const ShowFrame& frame) {
    const auto m = rtr::show::iloPartMatrices(frame.ilo, frame.t);
    const std::pair<ModelId, glm::mat4> parts[] = {{ModelId::iloBody, m.core},
                                                   {ModelId::iloHead, m.core},
                                                   {ModelId::iloFace, m.core},
                                                   {ModelId::iloArmLeft, m.armLeft},
                                                   {ModelId::iloArmRight, m.armRight}};
    std::vector<Box> boxes;
    for (const auto& [id, matrix] : parts) {
        Box box;
        for (const vec3& p : model(id).positions) box.include(vec3(matrix * vec4(p, 1.0f)));
        boxes.push_back(box);
    }
    return boxes;
}

// ---- the files as the loaders see them ---------------------------------------------------------

TEST(SceneModels, ImportAsOneMeshWithNormalsUvsAndTheTexturesTheLoaderLoadsInItsOrder) {
    for (const ModelRow& row : rtr::scene::sceneModelFiles) {
        SCOPED_TRACE(row.file);
        // The table's textures, diffuse first, each a file beside the model.
        std::vector<std::string> textures;
        for (const char* texture : {row.diffuse, row.displacement}) {
            if (*texture != '\0') {
                textures.push_back(texture);
                EXPECT_TRUE(std::filesystem::is_regular_file(
                    testsupport::repoPath(std::string("Models/") + texture)))
                    << texture;
            }
        }
        const Model& m = model(row.file);
        EXPECT_EQ(m.meshCount, 1u);
        EXPECT_TRUE(m.hasNormals);
        EXPECT_TRUE(m.hasUvs);
        EXPECT_EQ(m.textures, textures);
        // Winding and normals agree: the side a face shows is the side its normals point to.
        int disagreeing = 0;
        for (std::size_t i = 0; i + 2 < m.indices.size(); i += 3) {
            const unsigned* v = &m.indices[i];
            const vec3 face = glm::cross(m.positions[v[1]] - m.positions[v[0]],
                                         m.positions[v[2]] - m.positions[v[0]]);
            const vec3 normal = m.normals[v[0]] + m.normals[v[1]] + m.normals[v[2]];
            disagreeing += glm::length(face) >= 1e-10f && glm::dot(face, normal) <= 0.0f;
        }
        EXPECT_EQ(disagreeing, 0);
    }
}

// The light volumes are drawn with this sphere scaled by the light's radius.
TEST(SceneModels, SphereIsAUnitSphere) {
    const Model& s = model(ModelId::sphere);
    EXPECT_NEAR(s.bounds.max.y, 1.0f, 1e-4f);
    EXPECT_NEAR(s.bounds.min.y, -1.0f, 1e-4f);
    for (const vec3& p : s.positions) EXPECT_NEAR(glm::length(p), 1.0f, 1e-4f);
}

// ---- layout ------------------------------------------------------------------------------------

TEST(SceneLayout, WallLampsHoldTheirLightsAndReachTheWallBehind) {
    const Box lamp = model(ModelId::wallLamp).bounds;
    // The light at the lamp's origin is inside the lamp.
    EXPECT_TRUE(glm::all(glm::lessThan(lamp.min, vec3(-0.04f, -0.04f, -0.03f))));
    EXPECT_TRUE(lamp.max.x > 0.04f && lamp.max.y > 0.04f);
    // The room faces, where the shadow map's solid walls begin.
    const auto walls = model(ModelId::shadowWalls).triangles();
    int lamps = 0;
    for (const rtr::scene::LightRow& light : rtr::scene::sceneLights) {
        if (light.role != rtr::scene::LightRole::wallLamp)
            continue;
        ++lamps;
        SCOPED_TRACE(lamps);
        const vec3 back =
            vec3(rtr::scene::lampModelMatrix(light) * vec4(0, 0, lamp.max.z, 1)) - light.position;
        const auto wallDistance = firstHit(walls, light.position, glm::normalize(back), 0.5f);
        ASSERT_TRUE(wallDistance.has_value());
        // The lamp's back plate reaches into the wall, but not far beyond it.
        EXPECT_GT(glm::length(back), *wallDistance + 0.02f);
        EXPECT_LT(glm::length(back), *wallDistance + 0.12f);
        // And it points away from the room's middle, towards that wall.
        EXPECT_LT(glm::dot(back, vec3(0.0f, 1.65f, -1.2f) - light.position), 0.0f);
    }
    EXPECT_GT(lamps, 0);
}

TEST(SceneLayout, RollsSitOnTheirLineBetweenTheRailsAndCarryTheBlock) {
    const Box roll = model(ModelId::roll).bounds;
    EXPECT_NEAR(roll.min.x, -roll.max.x, 1e-3f);
    EXPECT_LT(roll.max.y, 0.14f);                // neighbours 0.3 apart never touch
    EXPECT_NEAR(roll.max.y, roll.max.z, 1e-3f);  // round about x
    const auto belt = model(ModelId::conveyor).triangles();
    for (int i = 0; i < 10; ++i) {
        for (float side : {-1.0f, 1.0f}) {
            // The roll's end runs into a rail right beside it.
            const auto d = firstHit(belt, {0.0f, 0.475f, 0.3f * i - 0.9f}, {side, 0, 0}, 1.0f);
            ASSERT_TRUE(d.has_value()) << "roll " << i;
            EXPECT_LT(*d, roll.max.x + 0.002f);
            EXPECT_GT(*d, roll.max.x - 0.05f);
        }
    }
    // The block lifted by 0.035 rests on the rolls' tops.
    EXPECT_NEAR(model(ModelId::granite).bounds.min.y + 0.035f, 0.475f + roll.max.y, 0.003f);
}

TEST(SceneLayout, StageTopLiesUnderIlosPathAtHisHoverHeight) {
    const auto stage = model(ModelId::stage).triangles();
    int checked = 0;
    for (const ShowFrame& f : showFrames()) {
        const vec3 p = f.ilo.position;
        if (p.y < 0.31f)
            continue;
        const auto d = firstHit(stage, p + vec3(0, 1.0f, 0), vec3(0, -1, 0), 3.0f);
        ASSERT_TRUE(d.has_value()) << "nothing under Ilo at t = " << f.t;
        // Where his way over the deck cuts the corner of the left ramp's top, the ramp falls
        // away under him by a few centimetres; he hovers, so that is all it changes.
        EXPECT_NEAR(p.y + 1.0f - *d, p.y - 0.3f, 0.04f) << "t = " << f.t;
        ++checked;
    }
    EXPECT_GT(checked, 150);
}

TEST(SceneLayout, LittleRoomDoorFillsTheDoorwayInThePlusXWallAndSlidesClear) {
    const auto wall = model(ModelId::wallDoor).triangles();
    const vec3 across(1, 0, 0);
    EXPECT_TRUE(firstHit(wall, {2.0f, 1.0f, 0.4f}, across, 1.5f).has_value());
    EXPECT_FALSE(firstHit(wall, {2.0f, 1.0f, 1.3f}, across, 1.5f).has_value());
    const Model& door = model(ModelId::door);
    // Held shut on the little room's side before 17 s, and standing in the reveal after.
    EXPECT_GT(door.bounds.min.x, 2.65f);
    EXPECT_LT(door.bounds.max.x + 0.2f, 3.2f);
    for (const auto& [offset, blocks] :
         {std::pair{vec3(0.2f, 0, 0), true}, std::pair{vec3(0.2f, 0, 1.1f), false},
          std::pair{vec3(0.0f), true}}) {
        const auto panel = door.triangles(translate(offset));
        for (float z : {0.8f, 1.05f, 1.3f, 1.55f, 1.8f}) {
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
    auto add = [&](const std::string& file, float lift) {
        const auto surface = model(file).triangles(glm::mat4(1.0f), lift);
        solid.insert(solid.end(), surface.begin(), surface.end());
    };
    for (ModelId id : {ModelId::shadowWalls, ModelId::stage, ModelId::doorFrame, ModelId::conveyor})
        add(rtr::scene::modelRow(id).file, 0.0f);
    // The tessellated surfaces count up to the top of their displaced relief.
    for (const auto& [file, height] : reliefHeight) {
        add(file, 0.0f);
        add(file, height);
    }
    return solid;
}

TEST(SceneLayout, IlosPathNeverPassesThroughWallsStageVesselOrClosedDoor) {
    const std::vector<Triangle> solid = solidSet();
    for (const ShowFrame& f : showFrames()) {
        const auto door = model(ModelId::door).triangles(translate(f.door));
        for (const Box& box : iloBoxes(f)) {
            EXPECT_GT(box.min.y, 0.05f) << "t = " << f.t;
            EXPECT_LT(box.max.y, 2.5f) << "t = " << f.t;
            EXPECT_FALSE(touchesAny(solid, box)) << "t = " << f.t;
            EXPECT_FALSE(touchesAny(door, box)) << "door, t = " << f.t;
        }
    }
    // The same check on a deliberately misplaced Ilo: a route through a wall must be caught.
    ShowFrame misplaced = showFrames().front();
    misplaced.ilo.position = {2.6f, 0.3f, -1.0f};
    const auto boxes = iloBoxes(misplaced);
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(),
                            [&](const Box& box) { return touchesAny(solid, box); }));
}

}  // namespace
