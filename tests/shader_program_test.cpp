#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <memory>
#include <iostream>
#include <string>
#include <vector>

#include "gpu/shader_program.h"
#include "support/gl_context.h"
#include "support/process.h"
#include "support/sandbox.h"

namespace {

using testsupport::escapeRegex;

using rtr::ShaderProgram;
using testsupport::GlContext;
using testsupport::TempDir;

const char* const passVertex = R"(#version 400 core
layout(location = 0) in vec3 position;
void main() { gl_Position = vec4(position, 1.0); }
)";

const char* const twoOutputFragment = R"(#version 400 core
uniform float used;
uniform float unused;
out vec4 other;
out vec4 fragColor;
void main() { fragColor = vec4(used); other = vec4(1.0); }
)";

// Runs in the forked death-test child, which makes its own context so the parent never starts
// driver threads before forking. Fatal messages go to standard output while death tests watch
// standard error, and the pause must find no terminal to wait on.
void buildInFatalCheck(const std::vector<std::pair<GLenum, std::string>>& stages, bool link) {
    testsupport::redirectForFatalCheck();
    GlContext context;
    ShaderProgram program;
    for (const auto& [type, path] : stages) {
        program.addShader(type, path);
    }
    if (link) {
        program.link();
    }
}

TEST(ShaderProgramDeathTest, FatalPathsPrintTheirMessageAndExitWith255) {
    TempDir dir;
    const std::string missing = (dir.path() / "missing.vert").string();
    // The message on standard output, then the path tried and why on standard error.
    EXPECT_EXIT(buildInFatalCheck({{GL_VERTEX_SHADER, missing}}, false),
                testing::ExitedWithCode(255),
                "^Failed to open shader file\n  shader file " + escapeRegex(missing) +
                    " does not exist\n  working directory: ");
    // A directory opens as a stream but cannot be read.
    EXPECT_EXIT(buildInFatalCheck({{GL_FRAGMENT_SHADER, dir.path().string()}}, false),
                testing::ExitedWithCode(255),
                "^Failed to open shader file\n  shader file " + escapeRegex(dir.path().string()) +
                    " is a directory\n");

    const std::string broken =
        dir.write("broken.frag", "#version 400 core\nvoid main() { undeclaredName = 1; }\n")
            .string();
    EXPECT_EXIT(
        buildInFatalCheck({{GL_FRAGMENT_SHADER, broken}}, false), testing::ExitedWithCode(255),
        "^Failed to compile shader: " + escapeRegex(broken) + "\n[^\n]*undeclaredName.*\n$");

    const std::string unresolved = dir.write("unresolved.vert",
                                             "#version 400 core\nvec4 neverDefined();\n"
                                             "void main() { gl_Position = neverDefined(); }\n")
                                       .string();
    const std::string plain = dir.write("plain.frag",
                                        "#version 400 core\nout vec4 fragColor;\n"
                                        "void main() { fragColor = vec4(1.0); }\n")
                                  .string();
    EXPECT_EXIT(
        buildInFatalCheck({{GL_VERTEX_SHADER, unresolved}, {GL_FRAGMENT_SHADER, plain}}, true),
        testing::ExitedWithCode(255), "^Failed to link shader program\n.*neverDefined.*\n$");
}

class ShaderProgramTest : public testing::Test {
  protected:
    GlContext context;
    TempDir dir;
};

TEST_F(ShaderProgramTest, LinkedProgramReleasesItsStagesAndLeavesInactiveSlotsHarmless) {
    auto* program = new ShaderProgram;
    program->addShader(GL_VERTEX_SHADER, dir.write("pass.vert", passVertex).string());
    program->addShader(GL_FRAGMENT_SHADER, dir.write("two.frag", twoOutputFragment).string());
    const std::vector<GLuint> stages(program->shaders.begin(), program->shaders.end());
    program->link();
    program->use();
    EXPECT_TRUE(program->shaders.empty());
    EXPECT_EQ(glGetFragDataLocation(program->program, "fragColor"), 0);
    for (GLuint stage : stages) {
        GLint flagged = 0;
        glGetShaderiv(stage, GL_DELETE_STATUS, &flagged);
        EXPECT_EQ(flagged, GL_TRUE);
    }

    program->gamma = ShaderProgram::uniformLocation(program->program, "used");
    program->exposure = ShaderProgram::uniformLocation(program->program, "unused");
    EXPECT_GE(program->gamma, 0);
    EXPECT_EQ(program->exposure, -1);
    glUniform1f(program->gamma, 2.5f);
    glUniform1f(program->exposure, 7.0f);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
    GLfloat value = 0.0f;
    glGetUniformfv(program->program, program->gamma, &value);
    EXPECT_EQ(value, 2.5f);

    // A program in use outlives its deletion, so it is put down first.
    const GLuint name = program->program;
    glUseProgram(0);
    delete program;
    EXPECT_FALSE(glIsProgram(name));
}

// Draws one full-screen triangle with `program` into a 4 x 4 RGBA8 target and reads one pixel.
std::array<unsigned char, 4> drawnColour(const ShaderProgram& program) {
    testsupport::OffscreenTarget target(4, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE);
    GLuint vertexArray = 0;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    program.use();
    glDrawArrays(GL_TRIANGLES, 0, 3);
    std::array<unsigned char, 4> pixel{};
    glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    glDeleteVertexArrays(1, &vertexArray);
    return pixel;
}

const char* const fullScreenVertex = R"(#version 400 core
void main() {
    vec2 corner = vec2(gl_VertexID == 1 ? 3.0 : -1.0, gl_VertexID == 2 ? 3.0 : -1.0);
    gl_Position = vec4(corner, 0.0, 1.0);
}
)";

std::string tintFragment(const char* tint) {
    return std::string("#version 400 core\nuniform float level;\nout vec4 fragColor;\n"
                       "void main() { fragColor = vec4(") +
           tint + ", 1.0) * level; }\n";
}

// A rebuilt program is looked up and set up again by its own configure step; a broken file
// leaves the last good build drawing, with the file and line in the reason, until it is fixed.
TEST_F(ShaderProgramTest, RebuildTakesASavedFileAndKeepsTheLastGoodBuildWhenBroken) {
    const std::string fragment = dir.write("tint.frag", tintFragment("1.0, 0.0, 0.0")).string();
    auto program = std::make_unique<ShaderProgram>();
    program->addShader(GL_VERTEX_SHADER, dir.write("tint.vert", fullScreenVertex).string());
    program->addShader(GL_FRAGMENT_SHADER, fragment);
    program->link();
    int configured = 0;
    program->configure = [&configured](ShaderProgram& built) {
        ++configured;
        glUniform1f(ShaderProgram::uniformLocation(built.program, "level"), 1.0f);
    };
    program->configureKeepingCurrent(0);
    EXPECT_EQ(rtr::programsBuiltFromFiles().back(), program.get());
    const std::array<unsigned char, 4> red = {255, 0, 0, 255};
    EXPECT_EQ(drawnColour(*program), red);

    dir.write("tint.frag", "#version 400 core\nout vec4 fragColor;\n"
                           "void main() { fragColor = undeclaredColour; }\n");
    const GLuint before = program->program;
    EXPECT_FALSE(program->rebuild());
    EXPECT_EQ(program->program, before);
    EXPECT_NE(program->buildError.find(fragment), std::string::npos) << program->buildError;
    EXPECT_NE(program->buildError.find("0:3"), std::string::npos) << program->buildError;
    EXPECT_EQ(drawnColour(*program), red);
    EXPECT_EQ(configured, 1);

    dir.write("tint.frag", tintFragment("0.0, 1.0, 0.0"));
    EXPECT_TRUE(program->rebuild());
    EXPECT_TRUE(program->buildError.empty());
    EXPECT_FALSE(glIsProgram(before));
    EXPECT_EQ(configured, 2);
    EXPECT_EQ(drawnColour(*program), (std::array<unsigned char, 4>{0, 255, 0, 255}));
    EXPECT_TRUE(testsupport::drainGlErrors().empty());

    const ShaderProgram* gone = program.get();
    program.reset();
    for (const ShaderProgram* alive : rtr::programsBuiltFromFiles()) EXPECT_NE(alive, gone);
}

}  // namespace
