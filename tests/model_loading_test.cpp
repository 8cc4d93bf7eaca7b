#include <gtest/gtest.h>

#include <IL/il.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "gpu/shader_program.h"
#include "scene/model_import.h"
#include "scene/scene_geometry.h"
#include "scene/scene_geometry_tess.h"
#include "scene/texture.h"
#include "support/gl_context.h"
#include "support/sandbox.h"
#include "test_images.h"

namespace {

using rtr::ShaderProgram;
using rtr::scene::MeshBuffers;
using rtr::scene::SceneGeometry;
using rtr::scene::SceneGeometryTess;
using testsupport::GlContext;
using testsupport::TempDir;

// Assimp orders a Collada file's materials by id, so tests name them in the order they want.
struct Material {
    std::string id;
    std::string diffuse;  // image file names; empty for none
    std::string emission;
};

std::string withId(std::string text, const std::string& id) {
    for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + id.size())) {
        text.replace(at, 1, id);
    }
    return text;
}

// A triangle covering the viewport when drawn with a pass-through vertex stage. It has no uvs,
// and the import gives it the normal (0, 0, 1).
const char* const colladaMesh = R"(<geometry id="@-mesh"><mesh><source id="@-p">
<float_array id="@-a" count="9">-1 -1 0 3 -1 0 -1 3 0</float_array><technique_common>
<accessor source="#@-a" count="3" stride="3"><param name="X" type="float"/>
<param name="Y" type="float"/><param name="Z" type="float"/></accessor></technique_common>
</source><vertices id="@-v"><input semantic="POSITION" source="#@-p"/></vertices>
<triangles count="1" material="@"><input semantic="VERTEX" source="#@-v" offset="0"/>
<p>0 1 2</p></triangles></mesh></geometry>)";

const char* const colladaNode = R"(<node id="@-node"><instance_geometry url="#@-mesh">
<bind_material><technique_common><instance_material symbol="@" target="#@"/>
</technique_common></bind_material></instance_geometry></node>)";

// One mesh per material, each in a node of its own, so the meshes come out in material order.
std::string colladaDocument(const std::vector<Material>& materials) {
    std::string images, effects, library, geometries, nodes;
    for (const Material& m : materials) {
        std::string shading;
        for (const auto& [channel, file] :
             {std::pair<std::string, std::string>{"emission", m.emission},
              {"diffuse", m.diffuse}}) {
            if (!file.empty()) {
                images += withId(
                    "<image id=\"@-" + channel + "\"><init_from>" + file + "</init_from></image>",
                    m.id);
                shading += withId("<" + channel + "><texture texture=\"@-" + channel +
                                      "\" texcoord=\"UV\"/></" + channel + ">",
                                  m.id);
            }
        }
        effects += withId(R"(<effect id="@-fx"><profile_COMMON><technique sid="c"><phong>)", m.id) +
                   shading + "</phong></technique></profile_COMMON></effect>";
        library += withId(R"(<material id="@"><instance_effect url="#@-fx"/></material>)", m.id);
        geometries += withId(colladaMesh, m.id);
        nodes += withId(colladaNode, m.id);
    }
    return R"(<?xml version="1.0" encoding="utf-8"?>
<COLLADA xmlns="http://www.collada.org/2005/11/COLLADASchema" version="1.4.1">
<asset><up_axis>Y_UP</up_axis></asset><library_images>)" +
           images + "</library_images><library_effects>" + effects +
           "</library_effects><library_materials>" + library +
           "</library_materials><library_geometries>" + geometries +
           "</library_geometries><library_visual_scenes><visual_scene id=\"scene\">" + nodes +
           R"(</visual_scene></library_visual_scenes>
<scene><instance_visual_scene url="#scene"/></scene></COLLADA>
)";
}

const char* const modelVertex = R"(#version 400 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
out vec2 texCoord;
out vec3 viewNormal;
void main() { texCoord = uv; viewNormal = normal; gl_Position = vec4(position, 1.0); }
)";

// Also the last stage of the tessellating program.
const char* const modelFragment = R"(#version 400 core
in vec2 texCoord;
in vec3 viewNormal;
uniform sampler2D colorTexture;
uniform sampler2D displacementTexture;
out vec4 fragColor;
void main() {
    fragColor = vec4(texture(colorTexture, texCoord).r, texture(displacementTexture, texCoord).g,
                     viewNormal.z, 1.0);
}
)";

// Lacks "normal" and "uv".
const char* const positionVertex = R"(#version 400 core
layout(location = 0) in vec3 position;
void main() { gl_Position = vec4(position, 1.0); }
)";

const char* const whiteFragment = R"(#version 400 core
out vec4 fragColor;
void main() { fragColor = vec4(1.0); }
)";

// Level 1 everywhere: every patch becomes exactly one triangle.
const char* const tessControl = R"(#version 400 core
layout(vertices = 3) out;
void main() {
    gl_out[gl_InvocationID].gl_Position = gl_in[gl_InvocationID].gl_Position;
    gl_TessLevelOuter[0] = gl_TessLevelOuter[1] = gl_TessLevelOuter[2] = 1.0;
    gl_TessLevelInner[0] = 1.0;
}
)";

const char* const tessEvaluation = R"(#version 400 core
layout(triangles) in;
out vec2 texCoord;
out vec3 viewNormal;
void main() {
    gl_Position = gl_TessCoord.x * gl_in[0].gl_Position + gl_TessCoord.y * gl_in[1].gl_Position
                + gl_TessCoord.z * gl_in[2].gl_Position;
    texCoord = vec2(0.5);
    viewNormal = vec3(0.0, 0.0, 1.0);
}
)";

template <typename T>
std::vector<T> readBuffer(GLenum target, GLuint buffer) {
    glBindBuffer(target, buffer);
    GLint size = 0;
    glGetBufferParameteriv(target, GL_BUFFER_SIZE, &size);
    std::vector<T> data(static_cast<size_t>(size) / sizeof(T));
    glGetBufferSubData(target, 0, size, data.data());
    glBindBuffer(target, 0);
    return data;
}

GLint integer(GLenum what) {
    GLint value = 0;
    glGetIntegerv(what, &value);
    return value;
}

GLuint boundTexture(GLenum unit) {
    glActiveTexture(unit);
    return static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D));
}

GLint samplerValue(GLuint program, const char* name) {
    GLint value = -99;
    glGetUniformiv(program, glGetUniformLocation(program, name), &value);
    return value;
}

GLuint primitivesDrawnBy(rtr::scene::SceneObject& object) {
    return testsupport::primitivesGeneratedBy([&object] { object.draw(); });
}

class ModelTest : public testing::Test {
  protected:
    void SetUp() override { ilInit(); }
    void TearDown() override { rtr::displaceShaderProgram = nullptr; }

    std::unique_ptr<ShaderProgram> program(
        const std::vector<std::pair<GLenum, const char*>>& stages) {
        auto built = std::make_unique<ShaderProgram>();
        for (const auto& [type, text] : stages) {
            built->addShader(type, file("stage" + std::to_string(files++) + ".glsl", text));
        }
        built->link();
        return built;
    }
    std::unique_ptr<ShaderProgram> modelProgram() {
        return program({{GL_VERTEX_SHADER, modelVertex}, {GL_FRAGMENT_SHADER, modelFragment}});
    }
    // Also installed as the program-wide displacement program.
    std::unique_ptr<ShaderProgram> displaceProgram() {
        auto built = program({{GL_VERTEX_SHADER, positionVertex},
                              {GL_TESS_CONTROL_SHADER, tessControl},
                              {GL_TESS_EVALUATION_SHADER, tessEvaluation},
                              {GL_FRAGMENT_SHADER, modelFragment}});
        rtr::displaceShaderProgram = built.get();
        return built;
    }
    std::string file(const std::string& name, const std::string& text) {
        return dir.write(name, text).string();
    }
    std::string model(const std::string& name, const std::vector<Material>& materials) {
        return file(name, colladaDocument(materials));
    }
    // A one-colour image, so any texel read shows which file a unit holds.
    void image(const std::string& name, BYTE r, BYTE g, BYTE b) {
        testimages::Image picture(2, 2, 24);
        for (int i = 0; i < 4; ++i) picture.setPixel(i % 2, i / 2, {r, g, b, 255});
        EXPECT_TRUE(picture.save((dir.path() / name).string()));
    }

    GlContext context{8, 8};
    TempDir dir;
    int files = 0;
};

TEST_F(ModelTest, UploadsTheFirstMeshAsTheFileHoldsIt) {
    // Two triangles at positive coordinates sharing an edge, then a second mesh far away.
    const std::string path = file("two_meshes.obj",
                                  "o first\nv 1 1 2\nv 3 1 2\nv 3 4 2\n"
                                  "v 1 4 2\nvt 0 0\nvt 1 0\nvt 1 0.75\n"
                                  "vt 0 0.75\nvn 0 0 1\nf 1/1/1 2/2/1 3/3/1\n"
                                  "f 1/1/1 3/3/1 4/4/1\no second\n"
                                  "v -50 -60 -70\nf 5 1 2\n");
    const glm::vec3 corners[] = {{1, 1, 2}, {3, 1, 2}, {3, 4, 2}, {1, 1, 2}, {3, 4, 2}, {1, 4, 2}};
    const glm::vec2 uvs[] = {{0, 0}, {1, 0}, {1, 0.75f}, {0, 0}, {1, 0.75f}, {0, 0.75f}};
    auto shader = modelProgram();
    testing::internal::CaptureStdout();
    SceneGeometry geometry(glm::mat4(1.0f), shader.get(), path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\n### Reading file/model (" + path + "):\n  Number of materials: 1\n");

    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), static_cast<GLint>(shader->program));
    EXPECT_EQ(geometry.boundingBoxMin, glm::vec3(0, 0, 0));  // the box grows from the origin
    EXPECT_EQ(geometry.boundingBoxMax, glm::vec3(3, 4, 2));
    ASSERT_EQ(geometry.indexCount, 6);
    ASSERT_EQ(geometry.vertexCount, 4u);  // the shared corners are joined

    // Every model program finds its streams at the same locations.
    const MeshBuffers& b = geometry.buffers;
    const GLuint streams[] = {b.positionBuffer, b.normalBuffer, b.uvBuffer};
    glBindVertexArray(b.vao);
    for (GLuint location = 0; location < 3; ++location) {
        GLint enabled = 0;
        GLint buffer = 0;
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buffer);
        EXPECT_EQ(enabled, GL_TRUE) << location;
        EXPECT_EQ(static_cast<GLuint>(buffer), streams[location]) << location;
    }
    glBindVertexArray(0);
    const auto positions = readBuffer<float>(GL_ARRAY_BUFFER, b.positionBuffer);
    const auto normals = readBuffer<float>(GL_ARRAY_BUFFER, b.normalBuffer);
    const auto uv = readBuffer<float>(GL_ARRAY_BUFFER, b.uvBuffer);
    const auto indices = readBuffer<GLuint>(GL_ELEMENT_ARRAY_BUFFER, b.indexBuffer);
    ASSERT_EQ(glm::uvec4(positions.size(), normals.size(), uv.size(), indices.size()),
              glm::uvec4(12, 12, 8, 6));
    for (size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const size_t v = indices[k];
        ASSERT_LT(v, geometry.vertexCount);
        EXPECT_EQ(glm::vec3(positions[3 * v], positions[3 * v + 1], positions[3 * v + 2]),
                  corners[k]);
        EXPECT_EQ(glm::vec3(normals[3 * v], normals[3 * v + 1], normals[3 * v + 2]),
                  glm::vec3(0, 0, 1));
        // Texture rows are stored top-down, so v is flipped on import.
        EXPECT_EQ(glm::vec2(uv[2 * v], uv[2 * v + 1]), glm::vec2(uvs[k].x, 1.0f - uvs[k].y));
    }
}

TEST_F(ModelTest, MissingStreamsReadAsZerosAndFacesBelowThreeCornersAreSkipped) {
    // A program without "normal" and "uv" must not get attributes enabled at location -1.
    auto shader =
        program({{GL_VERTEX_SHADER, positionVertex}, {GL_FRAGMENT_SHADER, whiteFragment}});
    SceneGeometry bare(glm::mat4(1.0f), shader.get(),
                       file("bare.obj", "v -1 -1 0\nv 3 -1 0\nv -1 3 0\nf 1 2 3\n"));
    ASSERT_EQ(bare.vertexCount, 3u);
    EXPECT_EQ(readBuffer<float>(GL_ARRAY_BUFFER, bare.buffers.uvBuffer), std::vector<float>(6, 0));
    EXPECT_EQ(primitivesDrawnBy(bare), 1u);

    // Lines in an object of their own make a first mesh without normals or triangles.
    SceneGeometry lines(glm::mat4(1.0f), shader.get(),
                        file("lines.obj",
                             "o lines\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                             "l 1 2\nl 3 4\no triangle\nf 1 2 3\n"));
    EXPECT_EQ(lines.vertexCount, 4u);
    EXPECT_EQ(lines.indexCount, 0);
    EXPECT_EQ(readBuffer<float>(GL_ARRAY_BUFFER, lines.buffers.normalBuffer),
              std::vector<float>(12, 0));
    EXPECT_EQ(primitivesDrawnBy(lines), 0u);

    // Lines and a triangle in one mesh: only the triangle's indices are read.
    SceneGeometry mixed(glm::mat4(1.0f), shader.get(),
                        file("mixed.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nl 1 2\nf 1 2 3\nl 2 3\n"));
    EXPECT_EQ(mixed.indexCount, 3);
    EXPECT_EQ(readBuffer<GLuint>(GL_ELEMENT_ARRAY_BUFFER, mixed.buffers.indexBuffer).size(), 3u);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ModelTest, FilesThatYieldNoMeshLeaveAnEmptyModel) {
    auto shader = modelProgram();
    const std::string missing = (dir.path() / "missing.dae").string();
    const std::string meshless = model("meshless.dae", {});
    const std::pair<std::string, std::string> cases[] = {{missing, ""},
                                                         {meshless, "the file holds no mesh\n"}};
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        testing::internal::CaptureStdout();
        SceneGeometry empty(glm::mat4(1.0f), shader.get(), path);
        const std::string output = testing::internal::GetCapturedStdout();
        const std::string start = "  Assimp-Error: parsing file (" + path + ") failed: ";
        EXPECT_EQ(output.rfind(start, 0), 0u) << output;
        if (!reason.empty()) {
            EXPECT_EQ(output, start + reason);
        }
        EXPECT_EQ(empty.buffers.positionBuffer, MeshBuffers::noBuffer);
        EXPECT_EQ(empty.buffers.vao, 0u);
        EXPECT_EQ(empty.vertexCount + empty.indexCount, 0u);
        EXPECT_EQ(primitivesDrawnBy(empty), 0u);
        empty.bindTextures();
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

// Plain models turn inward normals outwards; tessellated ones keep them for displacement.
TEST_F(ModelTest, OnlyPlainModelsTurnInwardNormalsOutwards) {
    // A tetrahedron whose corner normals all point at its centre; the first corner tells.
    const std::string path = file("inward.obj",
                                  "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 0 0 1\n"
                                  "vn 0.577 0.577 0.577\nvn -0.866 0.289 0.289\n"
                                  "vn 0.289 -0.866 0.289\nvn 0.289 0.289 -0.866\n"
                                  "f 1//1 3//3 2//2\nf 1//1 2//2 4//4\n"
                                  "f 1//1 4//4 3//3\nf 2//2 3//3 4//4\n");
    auto shader = modelProgram();
    auto displace = displaceProgram();
    SceneGeometry plain(glm::mat4(1.0f), shader.get(), path);
    SceneGeometryTess tess(glm::mat4(1.0f), nullptr, path);
    EXPECT_LT(readBuffer<float>(GL_ARRAY_BUFFER, plain.buffers.normalBuffer)[0], 0.0f);
    EXPECT_GT(readBuffer<float>(GL_ARRAY_BUFFER, tess.buffers.normalBuffer)[0], 0.0f);
}

TEST(ModelDirectory, IsThePathUpToTheLastSlash) {
    EXPECT_EQ(rtr::scene::modelDirectory("../Models/wall_v1.dae"), "../Models");
    EXPECT_EQ(rtr::scene::modelDirectory("wall_v1.dae"), ".");
    EXPECT_EQ(rtr::scene::modelDirectory("..\\Models\\wall_v1.dae"), ".");
    EXPECT_EQ(rtr::scene::modelDirectory("/wall_v1.dae"), "/");
}

TEST_F(ModelTest, DiffuseAndDisplacementGoToUnitsZeroAndOneAndDieWithTheModel) {
    image("red.png", 255, 0, 0);
    image("green.png", 0, 255, 0);
    const std::string path =
        model("textured.dae", {{"a_plain", "", ""}, {"b_textured", "red.png", "green.png"}});
    auto shader = modelProgram();
    testing::internal::CaptureStdout();
    auto geometry = std::make_unique<SceneGeometry>(glm::mat4(1.0f), shader.get(), path);
    const std::string directory = dir.path().string();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\n### Reading file/model (" + path + "):\n  Number of materials: 2\n" +
                  "  Loaded diffuse texture '" + directory + "/red.png'\n" +
                  "  Loaded displacement texture '" + directory + "/green.png'\n");
    ASSERT_EQ(geometry->textures.size(), 2u);

    glUniform1i(glGetUniformLocation(shader->program, "colorTexture"), 7);
    glUniform1i(glGetUniformLocation(shader->program, "displacementTexture"), 7);
    geometry->bindTextures();
    EXPECT_EQ(samplerValue(shader->program, "colorTexture"), 0);
    EXPECT_EQ(samplerValue(shader->program, "displacementTexture"), 1);
    EXPECT_EQ(boundTexture(GL_TEXTURE0), geometry->textures[0]->id);
    EXPECT_EQ(boundTexture(GL_TEXTURE1), geometry->textures[1]->id);

    // Drawn, the colour stage reads red from unit 0, green from unit 1 and the normal's z.
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    geometry->draw();
    GLubyte pixel[4] = {};
    glReadPixels(4, 4, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(glm::ivec3(pixel[0], pixel[1], pixel[2]), glm::ivec3(255, 255, 255));
    EXPECT_TRUE(testsupport::drainGlErrors().empty());

    const MeshBuffers& b = geometry->buffers;
    const GLuint buffers[] = {b.positionBuffer, b.normalBuffer, b.uvBuffer, b.indexBuffer};
    const GLuint vao = b.vao;
    const GLuint textures[] = {geometry->textures[0]->id, geometry->textures[1]->id};
    geometry.reset();
    for (GLuint name : buffers) EXPECT_FALSE(glIsBuffer(name));
    for (GLuint name : textures) EXPECT_FALSE(glIsTexture(name));
    EXPECT_FALSE(glIsVertexArray(vao));
    EXPECT_TRUE(glIsProgram(shader->program));
}

TEST_F(ModelTest, TextureCountsOtherThanOneOrTwoBindNothing) {
    image("a.png", 255, 0, 0);
    image("b.png", 0, 255, 0);
    auto shader = modelProgram();
    // Material 0 is never read, so a single-material file loads no texture.
    testing::internal::CaptureStdout();
    SceneGeometry single(glm::mat4(1.0f), shader.get(),
                         model("single.dae", {{"only", "a.png", ""}}));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("  Number of materials: 1\n"), std::string::npos);
    EXPECT_EQ(output.find("Loaded"), std::string::npos);
    EXPECT_TRUE(single.textures.empty());
    SceneGeometry three(
        glm::mat4(1.0f), shader.get(),
        model("three.dae",
              {{"a_plain", "", ""}, {"b_first", "a.png", "b.png"}, {"c_second", "a.png", ""}}));
    ASSERT_EQ(three.textures.size(), 3u);

    GLuint mine[2] = {};
    glGenTextures(2, mine);
    for (SceneGeometry* geometry : {&single, &three}) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, mine[0]);
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, mine[1]);
        glActiveTexture(GL_TEXTURE5);
        geometry->bindTextures();
        EXPECT_EQ(integer(GL_ACTIVE_TEXTURE), GL_TEXTURE5);
        EXPECT_EQ(boundTexture(GL_TEXTURE0), mine[0]);
        EXPECT_EQ(boundTexture(GL_TEXTURE1), mine[1]);
    }
}

// Level 0 texel (0, 0) of a texture.
glm::ivec4 firstTexel(GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<GLubyte> texels(static_cast<size_t>(width) * height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return {texels[0], texels[1], texels[2], texels[3]};
}

TEST_F(ModelTest, TessellatedModelPacksColourAndHeightOnUnitTwoAndRepacksReplacedTextures) {
    image("colour.png", 200, 100, 50);
    image("height.png", 77, 0, 0);
    image("other.png", 160, 0, 0);
    auto displace = displaceProgram();
    SceneGeometryTess tess(
        glm::mat4(1.0f), nullptr,
        model("tess.dae", {{"a_plain", "", ""}, {"b", "colour.png", "height.png"}}));
    ASSERT_EQ(tess.textures.size(), 2u);
    displace->use();
    tess.bindTextures();
    EXPECT_EQ(boundTexture(GL_TEXTURE2), tess.colorHeightTexture.get());
    EXPECT_EQ(boundTexture(GL_TEXTURE1), tess.textures[1]->id);
    EXPECT_EQ(firstTexel(tess.colorHeightTexture), glm::ivec4(200, 100, 50, 77));

    // The show may swap a model's textures; the next bind packs the new height.
    const std::string otherPath = (dir.path() / "other.png").string();
    auto* other = new rtr::scene::Texture();
    other->path = otherPath.c_str();
    other->load();
    delete tess.textures[1];
    tess.textures[1] = other;
    tess.bindTextures();
    EXPECT_EQ(firstTexel(tess.colorHeightTexture), glm::ivec4(200, 100, 50, 160));
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ModelTest, TessellatedModelUsesTheDisplacementProgramAndDrawsPatches) {
    auto displace = displaceProgram();
    auto other = modelProgram();
    const std::string path = file("vessel.obj",
                                  "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\n"
                                  "v 0 0 0\nv 0.5 0 0\nv 0 0.5 0\n"
                                  "f 1 2 3\nf 1 3 4\nf 5 6 7\n");
    other->use();
    SceneGeometryTess withNull(glm::mat4(1.0f), nullptr, path);
    SceneGeometryTess withOther(glm::mat4(1.0f), other.get(), path);
    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), static_cast<GLint>(other->program));
    EXPECT_EQ(withNull.shaderProgram, displace.get());
    EXPECT_EQ(withOther.shaderProgram, displace.get());
    EXPECT_EQ(withOther.indexCount, 9);

    displace->use();
    EXPECT_EQ(primitivesDrawnBy(withOther), 3u);  // one triangle per three-vertex patch
    EXPECT_EQ(integer(GL_PATCH_VERTICES), 3);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

}  // namespace
