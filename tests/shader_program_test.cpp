#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
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

}  // namespace
