#include <gtest/gtest.h>

#include <IL/il.h>

#include <filesystem>
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

// ---- Collada files written by the tests -------------------------------------------------

struct Corner {
    glm::vec3 position;
    glm::vec3 normal = glm::vec3(0, 0, 1);
    glm::vec2 uv = glm::vec2(0);
};

// One <triangles> or <lines> element in a geometry and node of its own, so the file's meshes
// come out in primitive order.
struct Primitive {
    std::vector<Corner> corners;
    std::string material;  // id of the bound material; empty binds none
    bool lines = false;
    bool normals = true;
    bool uvs = true;
};

// Assimp orders a Collada file's materials by id, so tests name them in the order they want.
struct Material {
    std::string id;
    std::string diffuse;  // image file names; empty for none
    std::string emission;
};

template <typename Get>
std::string source(const std::string& id, const std::vector<Corner>& corners, int stride,
                   const char* params, Get get) {
    std::ostringstream out;
    out << "<source id=\"" << id << "\"><float_array id=\"" << id << "-a\" count=\""
        << corners.size() * stride << "\">";
    for (const Corner& c : corners) {
        for (int i = 0; i < stride; ++i) out << get(c, i) << ' ';
    }
    out << "</float_array><technique_common><accessor source=\"#" << id << "-a\" count=\""
        << corners.size() << "\" stride=\"" << stride << "\">";
    for (const char* p = params; *p; ++p) out << "<param name=\"" << *p << "\" type=\"float\"/>";
    out << "</accessor></technique_common></source>";
    return out.str();
}

std::string geometry(const Primitive& primitive, size_t index) {
    const std::string id = "geom" + std::to_string(index);
    std::ostringstream out;
    out << "<geometry id=\"" << id << "\"><mesh>"
        << source(id + "-pos", primitive.corners, 3, "XYZ",
                  [](const Corner& c, int i) { return c.position[i]; });
    if (primitive.normals) {
        out << source(id + "-nrm", primitive.corners, 3, "XYZ",
                      [](const Corner& c, int i) { return c.normal[i]; });
    }
    if (primitive.uvs) {
        out << source(id + "-uv", primitive.corners, 2, "ST",
                      [](const Corner& c, int i) { return c.uv[i]; });
    }
    out << "<vertices id=\"" << id << "-v\"><input semantic=\"POSITION\" source=\"#" << id
        << "-pos\"/></vertices>";
    const char* kind = primitive.lines ? "lines" : "triangles";
    const size_t count = primitive.corners.size() / (primitive.lines ? 2 : 3);
    out << '<' << kind << " count=\"" << count << '"';
    if (!primitive.material.empty())
        out << " material=\"" << primitive.material << '"';
    out << "><input semantic=\"VERTEX\" source=\"#" << id << "-v\" offset=\"0\"/>";
    int inputs = 1;
    if (primitive.normals) {
        out << "<input semantic=\"NORMAL\" source=\"#" << id << "-nrm\" offset=\"" << inputs++
            << "\"/>";
    }
    if (primitive.uvs) {
        out << "<input semantic=\"TEXCOORD\" source=\"#" << id << "-uv\" offset=\"" << inputs++
            << "\" set=\"0\"/>";
    }
    out << "<p>";
    for (size_t k = 0; k < primitive.corners.size(); ++k) {
        for (int i = 0; i < inputs; ++i) out << k << ' ';
    }
    out << "</p></" << kind << "></mesh></geometry>";
    return out.str();
}

std::string textureParams(const std::string& sid, const std::string& image) {
    return "<newparam sid=\"" + sid + "-surface\"><surface type=\"2D\"><init_from>" + image +
           "</init_from></surface></newparam><newparam sid=\"" + sid +
           "-sampler\"><sampler2D><source>" + sid + "-surface</source></sampler2D></newparam>";
}

std::string effect(const Material& m) {
    std::string params;
    std::string shading;
    if (!m.emission.empty()) {
        params += textureParams(m.id + "-e", m.id + "-e-image");
        shading += "<emission><texture texture=\"" + m.id +
                   "-e-sampler\" texcoord=\"UV\"/>"
                   "</emission>";
    }
    if (!m.diffuse.empty()) {
        params += textureParams(m.id + "-d", m.id + "-d-image");
        shading += "<diffuse><texture texture=\"" + m.id +
                   "-d-sampler\" texcoord=\"UV\"/>"
                   "</diffuse>";
    } else {
        shading += "<diffuse><color>0.5 0.5 0.5 1</color></diffuse>";
    }
    return "<effect id=\"" + m.id + "-fx\"><profile_COMMON>" + params +
           "<technique sid=\"common\"><phong>" + shading +
           "</phong></technique></profile_COMMON></effect>";
}

std::string colladaDocument(const std::vector<Material>& materials,
                            const std::vector<Primitive>& primitives) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<COLLADA "
           "xmlns=\"http://www.collada.org/2005/11/COLLADASchema\" version=\"1.4.1\">"
           "<asset><up_axis>Y_UP</up_axis></asset><library_images>";
    for (const Material& m : materials) {
        if (!m.diffuse.empty()) {
            out << "<image id=\"" << m.id << "-d-image\"><init_from>" << m.diffuse
                << "</init_from></image>";
        }
        if (!m.emission.empty()) {
            out << "<image id=\"" << m.id << "-e-image\"><init_from>" << m.emission
                << "</init_from></image>";
        }
    }
    out << "</library_images><library_effects>";
    for (const Material& m : materials) out << effect(m);
    out << "</library_effects><library_materials>";
    for (const Material& m : materials) {
        out << "<material id=\"" << m.id << "\" name=\"" << m.id << "\"><instance_effect url=\"#"
            << m.id << "-fx\"/></material>";
    }
    out << "</library_materials><library_geometries>";
    for (size_t i = 0; i < primitives.size(); ++i) out << geometry(primitives[i], i);
    out << "</library_geometries><library_visual_scenes><visual_scene id=\"scene\">";
    for (size_t i = 0; i < primitives.size(); ++i) {
        out << "<node id=\"node" << i << "\"><instance_geometry url=\"#geom" << i << "\">";
        if (!primitives[i].material.empty()) {
            const std::string& m = primitives[i].material;
            out << "<bind_material><technique_common><instance_material symbol=\"" << m
                << "\" target=\"#" << m << "\"/></technique_common></bind_material>";
        }
        out << "</instance_geometry></node>";
    }
    out << "</visual_scene></library_visual_scenes>"
           "<scene><instance_visual_scene url=\"#scene\"/></scene></COLLADA>\n";
    return out.str();
}

// A triangle covering the whole viewport when drawn with a pass-through vertex stage.
Primitive screenTriangle(const std::string& material = "") {
    return {{{{-1, -1, 0}, {0, 0, 1}, {0, 1}},
             {{3, -1, 0}, {0, 0, 1}, {2, 1}},
             {{-1, 3, 0}, {0, 0, 1}, {0, -1}}},
            material};
}

// ---- Programs ---------------------------------------------------------------------------

const char* const modelVertex = R"(#version 400 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
out vec2 texCoord;
out vec3 viewNormal;
void main() { texCoord = uv; viewNormal = normal; gl_Position = vec4(position, 1.0); }
)";

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

const char* const noNormalVertex = R"(#version 400 core
layout(location = 0) in vec3 position;
layout(location = 2) in vec2 uv;
out vec2 texCoord;
void main() { texCoord = uv; gl_Position = vec4(position, 1.0); }
)";

const char* const noNormalFragment = R"(#version 400 core
in vec2 texCoord;
out vec4 fragColor;
void main() { fragColor = vec4(texCoord, 0.0, 1.0); }
)";

const char* const tessVertex = R"(#version 400 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
out vec3 controlNormal;
void main() { controlNormal = normal + vec3(uv, 0.0); gl_Position = vec4(position, 1.0); }
)";

// Level 1 everywhere: every patch becomes exactly one triangle.
const char* const tessControl = R"(#version 400 core
layout(vertices = 3) out;
in vec3 controlNormal[];
out vec3 evaluationNormal[];
void main() {
    gl_out[gl_InvocationID].gl_Position = gl_in[gl_InvocationID].gl_Position;
    evaluationNormal[gl_InvocationID] = controlNormal[gl_InvocationID];
    gl_TessLevelOuter[0] = 1.0; gl_TessLevelOuter[1] = 1.0; gl_TessLevelOuter[2] = 1.0;
    gl_TessLevelInner[0] = 1.0;
}
)";

const char* const tessEvaluation = R"(#version 400 core
layout(triangles) in;
in vec3 evaluationNormal[];
out vec3 fragmentNormal;
void main() {
    gl_Position = gl_TessCoord.x * gl_in[0].gl_Position + gl_TessCoord.y * gl_in[1].gl_Position
                + gl_TessCoord.z * gl_in[2].gl_Position;
    fragmentNormal = evaluationNormal[0];
}
)";

const char* const tessFragment = R"(#version 400 core
in vec3 fragmentNormal;
uniform sampler2D colorTexture;
uniform sampler2D displacementTexture;
out vec4 fragColor;
void main() {
    fragColor = texture(colorTexture, vec2(0.5)) + texture(displacementTexture, vec2(0.5))
              + vec4(fragmentNormal, 1.0);
}
)";

// ---- GL read-back helpers ---------------------------------------------------------------

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

GLint boundTexture(GLenum unit) {
    glActiveTexture(unit);
    return integer(GL_TEXTURE_BINDING_2D);
}

GLint samplerValue(GLuint program, const char* name) {
    GLint value = -99;
    glGetUniformiv(program, glGetUniformLocation(program, name), &value);
    return value;
}

GLuint primitivesDrawnBy(rtr::scene::SceneObject& object) {
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    object.draw();
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint primitives = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &primitives);
    glDeleteQueries(1, &query);
    return primitives;
}

template <typename Model>
void expectEmpty(const Model& model) {
    EXPECT_EQ(model.buffers.positionBuffer, MeshBuffers::noBuffer);
    EXPECT_EQ(model.buffers.normalBuffer, MeshBuffers::noBuffer);
    EXPECT_EQ(model.buffers.uvBuffer, MeshBuffers::noBuffer);
    EXPECT_EQ(model.buffers.indexBuffer, MeshBuffers::noBuffer);
    EXPECT_EQ(model.buffers.vao, 0u);
    EXPECT_EQ(model.vertexCount, 0u);
    EXPECT_EQ(model.indexCount, 0);
    EXPECT_TRUE(model.textures.empty());
    EXPECT_EQ(model.boundingBoxMin, glm::vec3(0));
    EXPECT_EQ(model.boundingBoxMax, glm::vec3(0));
}

class ModelTest : public testing::Test {
  protected:
    void SetUp() override { ilInit(); }
    void TearDown() override { rtr::displaceShaderProgram = nullptr; }

    std::unique_ptr<ShaderProgram> program(
        const std::vector<std::pair<GLenum, const char*>>& stages) {
        auto built = std::make_unique<ShaderProgram>();
        for (const auto& [type, text] : stages) {
            const std::string name = "stage" + std::to_string(files++) + ".glsl";
            built->addShader(type, dir.write(name, text).string());
        }
        built->link();
        return built;
    }
    std::unique_ptr<ShaderProgram> modelProgram() {
        return program({{GL_VERTEX_SHADER, modelVertex}, {GL_FRAGMENT_SHADER, modelFragment}});
    }
    std::unique_ptr<ShaderProgram> tessProgram() {
        return program({{GL_VERTEX_SHADER, tessVertex},
                        {GL_TESS_CONTROL_SHADER, tessControl},
                        {GL_TESS_EVALUATION_SHADER, tessEvaluation},
                        {GL_FRAGMENT_SHADER, tessFragment}});
    }
    std::string model(const std::string& name, const std::vector<Material>& materials,
                      const std::vector<Primitive>& primitives) {
        return dir.write(name, colladaDocument(materials, primitives)).string();
    }
    // A one-colour image, so any texel read shows which file a unit holds.
    std::string image(const std::string& name, BYTE r, BYTE g, BYTE b) {
        testimages::Image picture(2, 2, 24);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 2; ++x) picture.setPixel(x, y, {r, g, b, 255});
        }
        const std::string path = (dir.path() / name).string();
        EXPECT_TRUE(picture.save(path));
        return path;
    }

    GlContext context{8, 8};
    TempDir dir;
    int files = 0;
};

// ---- Geometry ---------------------------------------------------------------------------

TEST_F(ModelTest, UploadsTheFirstMeshAsTheFileHoldsIt) {
    // Two triangles at positive coordinates sharing an edge, then a second mesh far away.
    const Primitive first{{{{1, 1, 2}, {0, 0, 1}, {0, 0}},
                           {{3, 1, 2}, {0, 0, 1}, {1, 0}},
                           {{3, 4, 2}, {0, 0, 1}, {1, 0.75f}},
                           {{1, 1, 2}, {0, 0, 1}, {0, 0}},
                           {{3, 4, 2}, {0, 0, 1}, {1, 0.75f}},
                           {{1, 4, 2}, {0, 0, 1}, {0, 0.75f}}},
                          ""};
    Primitive second = screenTriangle();
    second.corners[0].position = {-50, -60, -70};
    const std::string path = model("two_meshes.dae", {}, {first, second});
    auto shader = modelProgram();
    testing::internal::CaptureStdout();
    SceneGeometry geometry(glm::mat4(1.0f), shader.get(), path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\n### Reading file/model (" + path + "):\n  Number of materials: 1\n");

    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), static_cast<GLint>(shader->program));
    EXPECT_EQ(geometry.boundingBoxMin, glm::vec3(0, 0, 0));  // the box grows from the origin
    EXPECT_EQ(geometry.boundingBoxMax, glm::vec3(3, 4, 2));
    ASSERT_EQ(geometry.indexCount, 6);
    EXPECT_EQ(geometry.vertexCount, 4u);  // the shared corners are joined

    const auto positions = readBuffer<float>(GL_ARRAY_BUFFER, geometry.buffers.positionBuffer);
    const auto normals = readBuffer<float>(GL_ARRAY_BUFFER, geometry.buffers.normalBuffer);
    const auto uvs = readBuffer<float>(GL_ARRAY_BUFFER, geometry.buffers.uvBuffer);
    const auto indices = readBuffer<GLuint>(GL_ELEMENT_ARRAY_BUFFER, geometry.buffers.indexBuffer);
    ASSERT_EQ(positions.size(), 3 * geometry.vertexCount);
    ASSERT_EQ(normals.size(), 3 * geometry.vertexCount);
    ASSERT_EQ(uvs.size(), 2 * geometry.vertexCount);
    ASSERT_EQ(indices.size(), 6u);
    for (size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const size_t v = indices[k];
        ASSERT_LT(v, geometry.vertexCount);
        const Corner& corner = first.corners[k];
        EXPECT_EQ(glm::vec3(positions[3 * v], positions[3 * v + 1], positions[3 * v + 2]),
                  corner.position);
        EXPECT_EQ(glm::vec3(normals[3 * v], normals[3 * v + 1], normals[3 * v + 2]), corner.normal);
        // Texture rows are stored top-down, so v is flipped on import.
        EXPECT_EQ(uvs[2 * v], corner.uv.x);
        EXPECT_EQ(uvs[2 * v + 1], 1.0f - corner.uv.y);
    }
}

TEST_F(ModelTest, VertexArrayFeedsTheProgramsAttributes) {
    auto shader = modelProgram();
    SceneGeometry geometry(glm::mat4(1.0f), shader.get(), model("m.dae", {}, {screenTriangle()}));
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_BINDING), 0);
    glBindVertexArray(geometry.buffers.vao);
    const GLuint streams[] = {geometry.buffers.positionBuffer, geometry.buffers.normalBuffer,
                              geometry.buffers.uvBuffer};
    const GLint sizes[] = {3, 3, 2};
    for (GLuint location = 0; location < 3; ++location) {
        SCOPED_TRACE(location);
        GLint enabled = 0, size = 0, stride = 0, buffer = 0;
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_SIZE, &size);
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &stride);
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buffer);
        EXPECT_EQ(enabled, GL_TRUE);
        EXPECT_EQ(size, sizes[location]);
        EXPECT_EQ(stride, sizes[location] * 4);
        EXPECT_EQ(static_cast<GLuint>(buffer), streams[location]);
    }
    EXPECT_EQ(integer(GL_ELEMENT_ARRAY_BUFFER_BINDING),
              static_cast<GLint>(geometry.buffers.indexBuffer));
    glBindVertexArray(0);

    EXPECT_EQ(primitivesDrawnBy(geometry), 1u);
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ModelTest, AttributesTheProgramLacksAreSkippedButStillUploaded) {
    auto shader =
        program({{GL_VERTEX_SHADER, noNormalVertex}, {GL_FRAGMENT_SHADER, noNormalFragment}});
    SceneGeometry geometry(glm::mat4(1.0f), shader.get(), model("m.dae", {}, {screenTriangle()}));
    glBindVertexArray(geometry.buffers.vao);
    GLint enabled[3] = {};
    for (GLuint location = 0; location < 3; ++location) {
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled[location]);
    }
    glBindVertexArray(0);
    EXPECT_EQ(enabled[0], GL_TRUE);
    EXPECT_EQ(enabled[1], GL_FALSE);
    EXPECT_EQ(enabled[2], GL_TRUE);
    const auto normals = readBuffer<float>(GL_ARRAY_BUFFER, geometry.buffers.normalBuffer);
    EXPECT_EQ(normals, (std::vector<float>{0, 0, 1, 0, 0, 1, 0, 0, 1}));
}

TEST_F(ModelTest, MeshWithoutUvsGetsZeroUvs) {
    Primitive bare = screenTriangle();
    bare.uvs = false;
    auto shader = modelProgram();
    SceneGeometry geometry(glm::mat4(1.0f), shader.get(), model("bare.dae", {}, {bare}));
    ASSERT_EQ(geometry.vertexCount, 3u);
    EXPECT_EQ(readBuffer<float>(GL_ARRAY_BUFFER, geometry.buffers.uvBuffer),
              std::vector<float>(6, 0.0f));
}

TEST_F(ModelTest, PointsAndLinesAreNotReadAsTriangles) {
    auto shader = modelProgram();
    // Collada lines become a mesh of their own, without normals, ahead of the triangles.
    Primitive lines{{{{0, 0, 0}}, {{1, 0, 0}}, {{1, 1, 0}}, {{0, 1, 0}}}, ""};
    lines.lines = true;
    lines.normals = false;
    lines.uvs = false;
    SceneGeometry lineModel(glm::mat4(1.0f), shader.get(),
                            model("lines.dae", {}, {lines, screenTriangle()}));
    EXPECT_EQ(lineModel.vertexCount, 4u);
    EXPECT_EQ(lineModel.indexCount, 0);
    EXPECT_EQ(readBuffer<float>(GL_ARRAY_BUFFER, lineModel.buffers.normalBuffer),
              std::vector<float>(12, 0.0f));
    EXPECT_EQ(primitivesDrawnBy(lineModel), 0u);

    // Other formats keep lines and triangles in one mesh.
    const std::string mixed =
        dir.write("mixed.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nl 1 2\nf 1 2 3\nl 2 3\n").string();
    SceneGeometry mixedModel(glm::mat4(1.0f), shader.get(), mixed);
    EXPECT_EQ(mixedModel.indexCount, 3);
    EXPECT_EQ(readBuffer<GLuint>(GL_ELEMENT_ARRAY_BUFFER, mixedModel.buffers.indexBuffer).size(),
              3u);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ModelTest, FilesThatYieldNoMeshLeaveAnEmptyModel) {
    auto shader = modelProgram();
    const std::string missing = (dir.path() / "missing.dae").string();
    testing::internal::CaptureStdout();
    SceneGeometry absent(glm::mat4(1.0f), shader.get(), missing);
    const std::string absentOutput = testing::internal::GetCapturedStdout();
    EXPECT_EQ(absentOutput.rfind("  Assimp-Error: parsing file (" + missing + ") failed: ", 0), 0u)
        << absentOutput;
    EXPECT_EQ(absentOutput.back(), '\n');
    expectEmpty(absent);

    // A scene whose only node holds no geometry.
    std::string document = colladaDocument({}, {screenTriangle()});
    const std::string node = "<instance_geometry url=\"#geom0\"></instance_geometry>";
    document.replace(document.find(node), node.size(), "");
    const std::string meshless = dir.write("meshless.dae", document).string();
    testing::internal::CaptureStdout();
    SceneGeometry empty(glm::mat4(1.0f), shader.get(), meshless);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "  Assimp-Error: parsing file (" + meshless + ") failed: the file holds no mesh\n");
    expectEmpty(empty);

    EXPECT_EQ(primitivesDrawnBy(absent), 0u);
    absent.bindTextures();
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

// ---- Textures ---------------------------------------------------------------------------

TEST_F(ModelTest, MaterialZeroNamesNoTextureAndBindingTouchesNothing) {
    image("diffuse.png", 255, 0, 0);
    auto shader = modelProgram();
    testing::internal::CaptureStdout();
    SceneGeometry geometry(
        glm::mat4(1.0f), shader.get(),
        model("single.dae", {{"only", "diffuse.png", ""}}, {screenTriangle("only")}));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("  Number of materials: 1\n"), std::string::npos);
    EXPECT_EQ(output.find("Loaded"), std::string::npos);
    EXPECT_TRUE(geometry.textures.empty());

    GLuint mine[2] = {};
    glGenTextures(2, mine);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, mine[0]);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, mine[1]);
    glActiveTexture(GL_TEXTURE5);
    geometry.bindTextures();
    EXPECT_EQ(integer(GL_ACTIVE_TEXTURE), GL_TEXTURE5);
    EXPECT_EQ(boundTexture(GL_TEXTURE0), static_cast<GLint>(mine[0]));
    EXPECT_EQ(boundTexture(GL_TEXTURE1), static_cast<GLint>(mine[1]));
}

TEST_F(ModelTest, DiffuseAndDisplacementGoToUnitsZeroAndOne) {
    image("red.png", 255, 0, 0);
    image("green.png", 0, 255, 0);
    const std::string path =
        model("textured.dae", {{"a_plain", "", ""}, {"b_textured", "red.png", "green.png"}},
              {screenTriangle("a_plain"), screenTriangle("b_textured")});
    auto shader = modelProgram();
    testing::internal::CaptureStdout();
    SceneGeometry geometry(glm::mat4(1.0f), shader.get(), path);
    const std::string directory = dir.path().string();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n### Reading file/model (" + path +
                                                          "):\n  Number of materials: 2\n"
                                                          "  Loaded diffuse texture '" +
                                                          directory +
                                                          "/red.png'\n"
                                                          "  Loaded displacement texture '" +
                                                          directory + "/green.png'\n");
    ASSERT_EQ(geometry.textures.size(), 2u);

    glUniform1i(glGetUniformLocation(shader->program, "colorTexture"), 7);
    glUniform1i(glGetUniformLocation(shader->program, "displacementTexture"), 7);
    geometry.bindTextures();
    EXPECT_EQ(samplerValue(shader->program, "colorTexture"), 0);
    EXPECT_EQ(samplerValue(shader->program, "displacementTexture"), 1);
    EXPECT_EQ(boundTexture(GL_TEXTURE0), static_cast<GLint>(geometry.textures[0]->id));
    EXPECT_EQ(boundTexture(GL_TEXTURE1), static_cast<GLint>(geometry.textures[1]->id));

    // Drawn, the colour stage reads red from unit 0 and green from unit 1.
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    geometry.draw();
    GLubyte pixel[4] = {};
    glReadPixels(4, 4, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 255);
    EXPECT_EQ(pixel[2], 255);  // the normal's z
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ModelTest, TextureCountDecidesWhatIsBound) {
    image("a.png", 255, 0, 0);
    image("b.png", 0, 255, 0);
    image("c.png", 0, 0, 255);
    auto shader = modelProgram();
    // Two diffuse textures: the second takes the displacement unit, with no sampler to set.
    SceneGeometry twoDiffuse(
        glm::mat4(1.0f), shader.get(),
        model("two.dae", {{"a_plain", "", ""}, {"b_first", "a.png", ""}, {"c_second", "b.png", ""}},
              {screenTriangle("a_plain"), screenTriangle("b_first"), screenTriangle("c_second")}));
    ASSERT_EQ(twoDiffuse.textures.size(), 2u);
    EXPECT_EQ(twoDiffuse.displacementTextureLocation, -1);
    twoDiffuse.bindTextures();
    EXPECT_EQ(boundTexture(GL_TEXTURE1), static_cast<GLint>(twoDiffuse.textures[1]->id));
    EXPECT_TRUE(testsupport::drainGlErrors().empty());

    SceneGeometry three(
        glm::mat4(1.0f), shader.get(),
        model("three.dae",
              {{"a_plain", "", ""}, {"b_first", "a.png", "b.png"}, {"c_second", "c.png", ""}},
              {screenTriangle("a_plain"), screenTriangle("b_first"), screenTriangle("c_second")}));
    ASSERT_EQ(three.textures.size(), 3u);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE4);
    three.bindTextures();
    EXPECT_EQ(integer(GL_ACTIVE_TEXTURE), GL_TEXTURE4);
    EXPECT_EQ(boundTexture(GL_TEXTURE0), 0);
}

TEST_F(ModelTest, TexturesAreFoundBesideTheModelPath) {
    EXPECT_EQ(rtr::scene::modelDirectory("../Models/wall_v1.dae"), "../Models");
    EXPECT_EQ(rtr::scene::modelDirectory("wall_v1.dae"), ".");
    EXPECT_EQ(rtr::scene::modelDirectory("..\\Models\\wall_v1.dae"), ".");
    EXPECT_EQ(rtr::scene::modelDirectory("/wall_v1.dae"), "/");

    image("red.png", 255, 0, 0);
    model("here.dae", {{"a_plain", "", ""}, {"b_red", "red.png", ""}},
          {screenTriangle("a_plain"), screenTriangle("b_red")});
    auto shader = modelProgram();
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    testing::internal::CaptureStdout();
    SceneGeometry geometry(glm::mat4(1.0f), shader.get(), "here.dae");
    const std::string output = testing::internal::GetCapturedStdout();
    std::filesystem::current_path(before);
    EXPECT_NE(output.find("  Loaded diffuse texture './red.png'\n"), std::string::npos) << output;
    EXPECT_EQ(geometry.textures.size(), 1u);
}

TEST_F(ModelTest, DestructionReleasesBuffersArrayAndTextures) {
    image("red.png", 255, 0, 0);
    auto shader = modelProgram();
    auto* geometry =
        new SceneGeometry(glm::mat4(1.0f), shader.get(),
                          model("m.dae", {{"a_plain", "", ""}, {"b_red", "red.png", ""}},
                                {screenTriangle("a_plain"), screenTriangle("b_red")}));
    const MeshBuffers& b = geometry->buffers;
    const GLuint names[] = {b.positionBuffer, b.normalBuffer, b.uvBuffer, b.indexBuffer};
    const GLuint vao = b.vao;
    ASSERT_EQ(geometry->textures.size(), 1u);
    const GLuint texture = geometry->textures[0]->id;
    ASSERT_TRUE(glIsTexture(texture));
    delete geometry;
    for (GLuint name : names) EXPECT_FALSE(glIsBuffer(name));
    EXPECT_FALSE(glIsVertexArray(vao));
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_TRUE(glIsProgram(shader->program));
}

// ---- Tessellated models -----------------------------------------------------------------

TEST_F(ModelTest, TessellatedModelUsesTheDisplacementProgramAndDrawsPatches) {
    image("red.png", 255, 0, 0);
    image("green.png", 0, 255, 0);
    auto displace = tessProgram();
    auto other = modelProgram();
    rtr::displaceShaderProgram = displace.get();
    const std::string path =
        model("vessel.dae", {{"a_plain", "", ""}, {"b_textured", "red.png", "green.png"}},
              {{{{{-1, -1, 0}},
                 {{1, -1, 0}},
                 {{1, 1, 0}},
                 {{-1, -1, 0}},
                 {{1, 1, 0}},
                 {{-1, 1, 0}},
                 {{0, 0, 0}},
                 {{0.5f, 0, 0}},
                 {{0, 0.5f, 0}}},
                "a_plain"},
               screenTriangle("b_textured")});
    other->use();
    SceneGeometryTess withNull(glm::mat4(1.0f), nullptr, path);
    SceneGeometryTess withOther(glm::mat4(1.0f), other.get(), path);
    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), static_cast<GLint>(other->program));
    EXPECT_EQ(withNull.shaderProgram, displace.get());
    EXPECT_EQ(withOther.shaderProgram, displace.get());
    EXPECT_EQ(withOther.indexCount, 9);
    EXPECT_EQ(withOther.colorTextureLocation,
              glGetUniformLocation(displace->program, "colorTexture"));
    EXPECT_NE(withOther.displacementTextureLocation, -1);

    displace->use();
    withOther.bindTextures();
    EXPECT_EQ(samplerValue(displace->program, "displacementTexture"), 1);
    EXPECT_EQ(integer(GL_PATCH_VERTICES), 3);
    EXPECT_EQ(primitivesDrawnBy(withOther), 3u);  // one triangle per three-vertex patch
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ModelTest, OnlyPlainModelsTurnInwardNormalsOutwards) {
    // A tetrahedron whose corner normals all point at its centre.
    const glm::vec3 p[] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const int faces[4][3] = {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}};
    Primitive tetrahedron;
    for (const auto& face : faces) {
        for (int i : face) {
            tetrahedron.corners.push_back({p[i], glm::normalize(glm::vec3(0.25f) - p[i])});
        }
    }
    const std::string path = model("inward.dae", {}, {tetrahedron});
    auto shader = modelProgram();
    auto displace = tessProgram();
    rtr::displaceShaderProgram = displace.get();
    SceneGeometry plain(glm::mat4(1.0f), shader.get(), path);
    SceneGeometryTess tess(glm::mat4(1.0f), nullptr, path);
    // The corner at the origin tells the direction.
    auto originNormal = [](const auto& model) {
        const auto positions = readBuffer<float>(GL_ARRAY_BUFFER, model.buffers.positionBuffer);
        const auto normals = readBuffer<float>(GL_ARRAY_BUFFER, model.buffers.normalBuffer);
        for (size_t v = 0; v < positions.size() / 3; ++v) {
            if (glm::vec3(positions[3 * v], positions[3 * v + 1], positions[3 * v + 2]) ==
                glm::vec3(0)) {
                return glm::vec3(normals[3 * v], normals[3 * v + 1], normals[3 * v + 2]);
            }
        }
        return glm::vec3(0);
    };
    EXPECT_LT(originNormal(plain).x, -0.5f);
    EXPECT_GT(originNormal(tess).x, 0.5f);
}

}  // namespace
