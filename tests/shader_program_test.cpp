#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "gpu/shader_program.h"
#include "support/gl_context.h"
#include "support/sandbox.h"

namespace {

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

// The particle update stage: captures exactly the six fields of the particle record.
const char* const particleGeometry = R"(#version 400 core
layout(points) in;
layout(points, max_vertices = 1) out;
out float Type1;
out vec3 Position1;
out vec3 Velocity1;
out float Age1;
out vec4 Color1;
out float Lifetime1;
void main() {
    Type1 = 1.0; Position1 = gl_in[0].gl_Position.xyz; Velocity1 = vec3(0.0);
    Age1 = 0.0; Color1 = vec4(1.0); Lifetime1 = 2.0;
    EmitVertex();
    EndPrimitive();
}
)";

std::string escapeRegex(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// Runs in the forked death-test child: the context is made there, so the parent process never
// starts driver threads before forking. Fatal messages go to standard output while death tests
// watch standard error, and the pause must find no terminal to wait on.
void redirectForFatalCheck() {
    std::cout.flush();
    std::fflush(stdout);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    if (std::freopen("/dev/null", "r", stdin) == nullptr) {
        std::abort();
    }
}

class ShaderProgramDeathTest : public testing::Test {
  protected:
    TempDir dir;
};

TEST_F(ShaderProgramDeathTest, UnreadableShaderFilesEndWithTheOpenMessage) {
    const std::string missing = (dir.path() / "missing.vert").string();
    EXPECT_EXIT(
        {
            redirectForFatalCheck();
            GlContext context;
            ShaderProgram program;
            program.addShader(GL_VERTEX_SHADER, missing);
        },
        testing::ExitedWithCode(255), "^Failed to open shader file\n$");
    // A directory opens as a stream but cannot be read.
    const std::string directory = dir.path().string();
    EXPECT_EXIT(
        {
            redirectForFatalCheck();
            GlContext context;
            ShaderProgram program;
            program.addShader(GL_FRAGMENT_SHADER, directory);
        },
        testing::ExitedWithCode(255), "^Failed to open shader file\n$");
}

TEST_F(ShaderProgramDeathTest, CompileFailurePrintsThePathThenTheDriverLog) {
    const std::string path =
        dir.write("broken.frag", "#version 400 core\nvoid main() { undeclaredName = 1; }\n")
            .string();
    EXPECT_EXIT(
        {
            redirectForFatalCheck();
            GlContext context;
            ShaderProgram program;
            program.addShader(GL_FRAGMENT_SHADER, path);
        },
        testing::ExitedWithCode(255),
        "^Failed to compile shader: " + escapeRegex(path) + "\n[^\n]*undeclaredName.*\n$");
}

TEST_F(ShaderProgramDeathTest, LinkFailurePrintsTheMessageThenTheDriverLog) {
    const std::string vert =
        dir.write("unresolved.vert",
                  "#version 400 core\nvec4 neverDefined();\nvoid main() { gl_Position = "
                  "neverDefined(); }\n")
            .string();
    const std::string frag = dir.write("plain.frag",
                                       "#version 400 core\nout vec4 fragColor;\n"
                                       "void main() { fragColor = vec4(1.0); }\n")
                                 .string();
    EXPECT_EXIT(
        {
            redirectForFatalCheck();
            GlContext context;
            ShaderProgram program;
            program.addShader(GL_VERTEX_SHADER, vert);
            program.addShader(GL_FRAGMENT_SHADER, frag);
            program.link();
        },
        testing::ExitedWithCode(255), "^Failed to link shader program\n.*neverDefined.*\n$");
    // Capturing varyings the stages do not write cannot link either.
    EXPECT_EXIT(
        {
            redirectForFatalCheck();
            GlContext context;
            ShaderProgram program;
            program.addShader(GL_VERTEX_SHADER, vert);
            program.linkTransformFeedback(true);
        },
        testing::ExitedWithCode(255), "^Failed to link shader program\n.+\n$");
}

TEST_F(ShaderProgramDeathTest, EmptyFileIsLeftToTheCompiler) {
    const std::string path = dir.write("empty.vert", "").string();
    // Core profile has no version-less GLSL, so the compiler rejects it; the file itself is
    // not refused on reading.
    EXPECT_EXIT(
        {
            redirectForFatalCheck();
            GlContext context;
            ShaderProgram program;
            program.addShader(GL_VERTEX_SHADER, path);
        },
        testing::ExitedWithCode(255), "^Failed to compile shader: " + escapeRegex(path) + "\n");
}

class ShaderProgramTest : public testing::Test {
  protected:
    GlContext context;
    TempDir dir;

    std::string file(const std::string& name, const char* source) {
        return dir.write(name, source).string();
    }
};

TEST_F(ShaderProgramTest, LinkReleasesStagesAndPutsFragColorOnColourZero) {
    ShaderProgram program;
    EXPECT_NE(program.program, 0u);
    program.addShader(GL_VERTEX_SHADER, file("pass.vert", passVertex));
    program.addShader(GL_FRAGMENT_SHADER, file("two.frag", twoOutputFragment));
    ASSERT_EQ(program.shaders.size(), 2u);
    const std::vector<GLuint> stages = program.shaders;
    for (GLuint stage : stages) {
        GLint compiled = 0;
        glGetShaderiv(stage, GL_COMPILE_STATUS, &compiled);
        EXPECT_EQ(compiled, GL_TRUE);
    }
    program.link();
    EXPECT_TRUE(program.shaders.empty());
    GLint linked = 0;
    glGetProgramiv(program.program, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    EXPECT_EQ(glGetFragDataLocation(program.program, "fragColor"), 0);
    // Released stages stay attached, flagged for deletion with the program.
    GLint attached = 0;
    glGetProgramiv(program.program, GL_ATTACHED_SHADERS, &attached);
    EXPECT_EQ(attached, 2);
    for (GLuint stage : stages) {
        GLint flagged = 0;
        glGetShaderiv(stage, GL_DELETE_STATUS, &flagged);
        EXPECT_EQ(flagged, GL_TRUE);
    }
    // A second link finds nothing left to release.
    program.link();
    EXPECT_TRUE(program.shaders.empty());
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
}

TEST_F(ShaderProgramTest, SlotsStartUnsetAndInactiveUniformsStayHarmless) {
    ShaderProgram program;
    EXPECT_EQ(program.mMatrix, -1);
    EXPECT_EQ(program.far, -1);
    EXPECT_EQ(program.inverseView, -1);
    EXPECT_EQ(program.deltaT, -1);
    for (GLint slot : program.shadowMatrices) {
        EXPECT_EQ(slot, -1);
    }
    program.addShader(GL_VERTEX_SHADER, file("pass.vert", passVertex));
    program.addShader(GL_FRAGMENT_SHADER, file("two.frag", twoOutputFragment));
    program.link();
    program.use();
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), program.program);

    program.gamma = ShaderProgram::uniformLocation(program.program, "used");
    program.exposure = ShaderProgram::uniformLocation(program.program, "unused");
    EXPECT_GE(program.gamma, 0);
    EXPECT_EQ(program.exposure, -1);
    glUniform1f(program.gamma, 2.5f);
    glUniform1f(program.exposure, 7.0f);
    EXPECT_TRUE(testsupport::drainGlErrors().empty());
    GLfloat value = 0.0f;
    glGetUniformfv(program.program, program.gamma, &value);
    EXPECT_EQ(value, 2.5f);
}

TEST_F(ShaderProgramTest, TransformFeedbackLinkCapturesTheParticleRecordInOrder) {
    ShaderProgram capturing;
    capturing.addShader(GL_VERTEX_SHADER, file("pass.vert", passVertex));
    capturing.addShader(GL_GEOMETRY_SHADER, file("particle.geom", particleGeometry));
    capturing.linkTransformFeedback(true);
    GLint mode = 0;
    GLint count = 0;
    glGetProgramiv(capturing.program, GL_TRANSFORM_FEEDBACK_BUFFER_MODE, &mode);
    glGetProgramiv(capturing.program, GL_TRANSFORM_FEEDBACK_VARYINGS, &count);
    EXPECT_EQ(mode, GL_INTERLEAVED_ATTRIBS);
    ASSERT_EQ(count, 6);
    const char* expected[] = {"Type1", "Position1", "Velocity1", "Age1", "Color1", "Lifetime1"};
    for (GLuint i = 0; i < 6; ++i) {
        char name[32] = {};
        GLsizei size = 0;
        GLenum type = 0;
        glGetTransformFeedbackVarying(capturing.program, i, sizeof name, nullptr, &size, &type,
                                      name);
        EXPECT_STREQ(name, expected[i]);
    }

    ShaderProgram plain;
    plain.addShader(GL_VERTEX_SHADER, file("pass2.vert", passVertex));
    plain.addShader(GL_GEOMETRY_SHADER, file("particle2.geom", particleGeometry));
    plain.linkTransformFeedback(false);
    GLint linked = 0;
    glGetProgramiv(plain.program, GL_LINK_STATUS, &linked);
    glGetProgramiv(plain.program, GL_TRANSFORM_FEEDBACK_VARYINGS, &count);
    EXPECT_EQ(linked, GL_TRUE);
    EXPECT_EQ(count, 0);
}

TEST_F(ShaderProgramTest, DestroyingTheObjectDeletesItsProgram) {
    auto* program = new ShaderProgram;
    program->addShader(GL_VERTEX_SHADER, file("pass.vert", passVertex));
    program->addShader(GL_FRAGMENT_SHADER, file("two.frag", twoOutputFragment));
    program->link();
    const GLuint name = program->program;
    ASSERT_TRUE(glIsProgram(name));
    delete program;
    EXPECT_FALSE(glIsProgram(name));
}

}  // namespace
