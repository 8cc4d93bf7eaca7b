#pragma once

#include "gpu/gl_name.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rtr {

// A stage read from a file, with the defines it was compiled with: what it takes to compile the
// stage again.
struct ShaderStageFile {
    GLenum type;
    std::string path;
    std::string defines;
};

// One linked GLSL program plus the uniform locations the render passes set. Every slot starts
// at -1, so a slot a program never fills turns later glUniform calls into no-ops.
class ShaderProgram {
  public:
    ShaderProgram();
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    // Reads, compiles and attaches one stage; any failure ends the program. `defines` (lines
    // such as "#define NAME\n") go in right after the source's #version line, so one file
    // can yield variants with parts compiled out.
    void addShader(GLenum type, const std::string& path, const std::string& defines = "");
    // The same for a stage given as text; `name` stands for it in a failure's message.
    void addShaderSource(GLenum type, const std::string& source, const std::string& name,
                         const std::string& defines = "");
    // Binds "fragColor" to colour 0, links, and releases the compiled stages.
    void link();
    // The link of the particle programs; optionally captures the particle record's varyings.
    void linkTransformFeedback(bool captureParticleVaryings);
    void use() const;

    static GLint uniformLocation(GLuint program, const char* name);

    // Builds the program again from its stage files as they read now, with each stage's
    // defines. Built and linked, the new program replaces the old one, which is deleted, and
    // `configure` runs on it; otherwise the old program stays as it was and goes on drawing.
    // Never ends the program; false on failure, with the compiler's or linker's log, naming
    // the file, in `buildError`.
    bool rebuild();

    // Looks up the slots and sets the values that stay for the program's life; run on the
    // program current after every build.
    std::function<void(ShaderProgram&)> configure;
    // Runs `configure` on this program, then makes current again the program that was, unless
    // it is `replaced`, which this one took the place of.
    void configureKeepingCurrent(GLuint replaced);
    // The stages read from files, in the order they were added.
    std::vector<ShaderStageFile> stageFiles;
    // Why the latest rebuild failed; empty while the program is built from its files as they are.
    std::string buildError;

    GlProgram program;

    GLint mMatrix = -1;
    GLint gEyeWorldPos = -1;
    GLint gVP = -1;
    GLint gDispFactor = -1;
    GLint far = -1;
    GLint near = -1;
    GLint debug = -1;
    GLint lightPos = -1;
    GLint projectionMatrix = -1;
    GLint mvpMatrix = -1;
    GLint kernelSamples = -1;
    GLint radius = -1;
    GLint occlusionPower = -1;
    GLint kernelSize = -1;
    GLint screensize = -1;
    GLint gPositionDepth = -1;
    GLint gNormal = -1;
    GLint noise = -1;
    GLint gPosition = -1;
    GLint gAlbedo = -1;
    GLint gSSAO = -1;
    GLint gBlurredSSAO = -1;
    GLint lightPosition = -1;
    GLint lightColor = -1;
    GLint lightIntensity = -1;
    GLint attenuationFactors = -1;
    GLint useSSAO = -1;
    GLint colorTexture = -1;
    GLint gamma = -1;
    GLint exposure = -1;
    GLint useHDR = -1;
    GLint gShadowMap = -1;
    GLint inverseView = -1;
    GLint useShadowMap = -1;
    GLint overrideColor = -1;
    GLint modelViewMatrix = -1;
    GLint LoD = -1;
    GLint frustumPlanes = -1;
    GLint deltaT = -1;
    GLint shadowMatrices[6] = {-1, -1, -1, -1, -1, -1};
    GLint faceCount = -1;
    GLint faces = -1;

    // Compiled stages not yet released; emptied by a successful link.
    std::vector<GlShader> shaders;

  private:
    void linkChecked();
    void releaseShaders();

    bool capturesParticleVaryings = false;
};

// The programs that were built from files and are alive, in the order they were first given
// a file: what a reload goes through.
const std::vector<ShaderProgram*>& programsBuiltFromFiles();

// The text the GL compiles for a stage's `source` given `defines`: the defines right after the
// #version line, then a #line directive that keeps the compiler's line numbers those of the
// file; without defines, the source as it is.
std::string sourceWithDefines(const std::string& source, const std::string& defines);

// The line "#define NAME VALUE\n", VALUE a GLSL float literal that reads as exactly `value`.
std::string floatDefine(const std::string& name, float value);

// A program from "../Shader/" + baseName + ".vert" and ".frag", linked and made current, with
// `configure` run on it; any failure ends the program like addShader's.
std::unique_ptr<ShaderProgram> linkedFileProgram(
    const std::string& baseName, std::function<void(ShaderProgram&)> configure = nullptr);

// Points sampler `name` of `program` at texture unit `unit`; the current program stays current.
void setSamplerUnit(const ShaderProgram& program, const char* name, GLint unit);

}  // namespace rtr
