// Every GLSL file the programs load compiles with the reference compiler and on the real
// driver, with the defines start-up gives it, and each program links from the stages start-up
// gives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "gpu/shader_program.h"
#include "support/gl_context.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

const std::map<std::string, std::pair<const char*, GLenum>> kStages = {
    {".vert", {"vert", GL_VERTEX_SHADER}},
    {".tcs", {"tesc", GL_TESS_CONTROL_SHADER}},
    {".tes", {"tese", GL_TESS_EVALUATION_SHADER}},
    {".geom", {"geom", GL_GEOMETRY_SHADER}},
    {".frag", {"frag", GL_FRAGMENT_SHADER}}};

std::vector<fs::path> shaderFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(testsupport::repoPath("Shader"))) {
        if (kStages.count(entry.path().extension().string()))
            files.push_back(entry.path());
    }
    return files;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The file's text as start-up hands it to the compiler: the light shader with the shadow
// cube's clip planes defined (as for light 0; the other lights' build leaves code out).
std::string sourceAsBuilt(const fs::path& file) {
    const std::string defines =
        file.filename() == "deferredLight.frag" ? rtr::shadowClipDefines() : "";
    return rtr::sourceWithDefines(readFile(file), defines);
}

TEST(ShaderSources, EveryFileCompilesWithTheReferenceCompiler) {
    const auto files = shaderFiles();
    ASSERT_GE(files.size(), 19u);
    testsupport::TempDir dir;
    for (const fs::path& file : files) {
        const char* stage = kStages.at(file.extension().string()).first;
        const fs::path built = dir.write(file.filename().string(), sourceAsBuilt(file));
        const auto result =
            testsupport::runShell(std::string("glslangValidator -S ") + stage + " " +
                                  testsupport::shellQuote(built.string()) + " 2>&1");
        EXPECT_EQ(result.exitStatus, 0) << file << "\n" << result.output;
    }
}

GLuint compileOnDriver(const fs::path& file, std::string& log) {
    const std::string source = sourceAsBuilt(file);
    const char* text = source.c_str();
    GLuint shader = glCreateShader(kStages.at(file.extension().string()).second);
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    char buffer[4096] = {};
    glGetShaderInfoLog(shader, sizeof buffer, nullptr, buffer);
    log = buffer;
    return ok ? shader : 0;
}

// The stage files of each program, as start-up combines them.
const std::map<std::string, std::vector<std::string>> kPrograms = {
    {"deferredGeom", {"deferredGeom.vert", "deferredGeom.frag"}},
    {"displaceShader",
     {"displaceShader.vert", "displaceShader.tcs", "displaceShader.tes", "displaceShader.frag"}},
    {"deferredStencil", {"deferredStencil.vert", "deferredStencil.frag"}},
    {"deferredLight", {"deferredLight.vert", "deferredLight.frag"}},
    {"lightGeom", {"lightGeom.vert", "lightGeom.frag"}},
    {"hdrShader", {"hdrShader.vert", "hdrShader.frag"}},
    {"ssaoShader", {"ssaoShader.vert", "ssaoShader.frag"}},
    {"shadowMap", {"shadowMap.vert", "shadowMap.geom", "shadowMap.frag"}},
    {"gBufferBackground", {"gBufferBackground.vert", "gBufferBackground.frag"}},
    {"presentFrame", {"presentFrame.vert", "presentFrame.frag"}},
};

TEST(ShaderSources, EveryProgramLinksOnTheDriverWithSharedAttributeLocations) {
    testsupport::GlContext context;
    for (const auto& [name, files] : kPrograms) {
        GLuint program = glCreateProgram();
        for (const std::string& file : files) {
            std::string log;
            GLuint shader = compileOnDriver(testsupport::repoPath("Shader/" + file), log);
            ASSERT_NE(shader, 0u) << file << "\n" << log;
            glAttachShader(program, shader);
            glDeleteShader(shader);
        }
        glLinkProgram(program);
        GLint linked = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        char log[4096] = {};
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        EXPECT_TRUE(linked) << name << "\n" << log;
        // Models are drawn with other programs than their own, so the streams must sit at the
        // same locations in every program that reads them.
        const GLint position = glGetAttribLocation(program, "position");
        if (position != -1) {
            EXPECT_EQ(position, 0) << name;
        }
        const GLint normal = glGetAttribLocation(program, "normal");
        if (normal != -1) {
            EXPECT_EQ(normal, 1) << name;
        }
        const GLint uv = glGetAttribLocation(program, "uv");
        if (uv != -1) {
            // The screen quad's uv sits at 1; model streams put it after the normal.
            const bool screenQuad =
                name == "hdrShader" || name == "ssaoShader" || name == "presentFrame";
            EXPECT_EQ(uv, screenQuad ? 1 : 2) << name;
        }
        glDeleteProgram(program);
    }
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

}  // namespace
