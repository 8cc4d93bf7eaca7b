#include "gpu/shader_program.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/console.h"

namespace rtr {

namespace {

// False when the file cannot be opened or read, or is not a plain file: opening a named pipe
// waits for a writer and a device may never end, so start-up would hang.
bool readWholeFile(const std::string& path, std::string& text) {
    std::error_code error;
    if (std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in.good()) {
        return false;
    }
    std::ostringstream contents;
    if (in.peek() != std::ifstream::traits_type::eof()) {
        contents << in.rdbuf();
    }
    if (in.bad()) {
        return false;
    }
    text = contents.str();
    return true;
}

// Info logs may be empty (length 0); the buffer always holds a terminated string.
std::string shaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
    glGetShaderInfoLog(shader, length + 1, nullptr, log.data());
    return log.data();
}

std::string programLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
    glGetProgramInfoLog(program, length + 1, nullptr, log.data());
    return log.data();
}

// The most likely cause is a start from the wrong directory: every path is relative to it.
std::string unreadableShaderDetail(const std::string& path) {
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    const char* why = !exists                                          ? "does not exist"
                      : std::filesystem::is_directory(path, error)     ? "is a directory"
                      : !std::filesystem::is_regular_file(path, error) ? "is not a regular file"
                                                                       : "cannot be read";
    std::string detail = "  shader file " + path + " " + why;
    return detail + "\n" +
           (exists ? platform::workingDirectoryLine() : platform::startFolderHint());
}

// Order and interleaving match the particle record field for field.
void captureParticleRecord(GLuint program) {
    const char* varyings[] = {"Type1", "Position1", "Velocity1", "Age1", "Color1", "Lifetime1"};
    glTransformFeedbackVaryings(program, 6, varyings, GL_INTERLEAVED_ATTRIBS);
}

void setSource(GLuint shader, const std::string& text, const std::string& defines) {
    const std::string full = sourceWithDefines(text, defines);
    const char* source = full.c_str();
    glShaderSource(shader, 1, &source, nullptr);
}

}  // namespace

// The #version line must stay first.
std::string sourceWithDefines(const std::string& source, const std::string& defines) {
    if (defines.empty())
        return source;
    const std::size_t lineEnd = source.find('\n');
    const std::size_t split = lineEnd == std::string::npos ? source.size() : lineEnd + 1;
    return source.substr(0, split) + defines + "#line 2\n" + source.substr(split);
}

// The shortest digits that read back as the value, with a point so GLSL takes a float.
std::string floatDefine(const std::string& name, float value) {
    char digits[32];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::string literal(digits, end);
    if (literal.find_first_of(".e") == std::string::npos)
        literal += ".0";
    return "#define " + name + " " + literal + "\n";
}

std::vector<ShaderProgram*> builtFromFiles;

ShaderProgram::ShaderProgram() {
    program.reset(glCreateProgram());
    if (program == 0) {
        platform::fatalExit("Could not retrieve program handle");
    }
}

ShaderProgram::~ShaderProgram() {
    builtFromFiles.erase(std::remove(builtFromFiles.begin(), builtFromFiles.end(), this),
                         builtFromFiles.end());
}

const std::vector<ShaderProgram*>& programsBuiltFromFiles() {
    return builtFromFiles;
}

void ShaderProgram::addShader(GLenum type, const std::string& path, const std::string& defines) {
    if (stageFiles.empty())
        builtFromFiles.push_back(this);
    stageFiles.push_back({type, path, defines});
    std::string text;
    if (!readWholeFile(path, text)) {
        platform::fatalExit("Failed to open shader file", unreadableShaderDetail(path));
    }
    addShaderSource(type, text, path, defines);
}

void ShaderProgram::addShaderSource(GLenum type, const std::string& text, const std::string& name,
                                    const std::string& defines) {
    const GLuint shader = glCreateShader(type);
    if (shader == 0) {
        platform::fatalExit("Failed to create shader");
    }
    shaders.emplace_back(shader);
    setSource(shader, text, defines);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0) {
        platform::fatalExit("Failed to compile shader: " + name + "\n" + shaderLog(shader));
    }
    glAttachShader(program, shader);
}

void ShaderProgram::link() {
    glBindFragDataLocation(program, 0, "fragColor");
    linkChecked();
    releaseShaders();
}

void ShaderProgram::linkTransformFeedback(bool captureParticleVaryings) {
    capturesParticleVaryings = captureParticleVaryings;
    if (captureParticleVaryings)
        captureParticleRecord(program);
    glBindFragDataLocation(program, 0, "fragColor");
    linkChecked();
    releaseShaders();
}

void ShaderProgram::use() const {
    glUseProgram(program);
}

GLint ShaderProgram::uniformLocation(GLuint program, const char* name) {
    return glGetUniformLocation(program, name);
}

void ShaderProgram::linkChecked() {
    glLinkProgram(program);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        platform::fatalExit("Failed to link shader program\n" + programLog(program));
    }
}

std::unique_ptr<ShaderProgram> linkedFileProgram(const std::string& baseName,
                                                 std::function<void(ShaderProgram&)> configure) {
    auto program = std::make_unique<ShaderProgram>();
    program->addShader(GL_VERTEX_SHADER, "../Shader/" + baseName + ".vert");
    program->addShader(GL_FRAGMENT_SHADER, "../Shader/" + baseName + ".frag");
    program->link();
    program->configure = std::move(configure);
    program->configureKeepingCurrent(0);
    return program;
}

void setSamplerUnit(const ShaderProgram& program, const char* name, GLint unit) {
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    program.use();
    glUniform1i(ShaderProgram::uniformLocation(program.program, name), unit);
    glUseProgram(static_cast<GLuint>(current));
}

namespace {

// One stage compiled from its file as it reads now, or the reason it cannot be.
GlShader compiledStage(const ShaderStageFile& stage, std::string& error) {
    std::string text;
    if (!readWholeFile(stage.path, text)) {
        error = "cannot read " + stage.path;
        return GlShader();
    }
    GlShader shader(glCreateShader(stage.type));
    setSource(shader, text, stage.defines);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0) {
        error = "Failed to compile shader: " + stage.path + "\n" + shaderLog(shader);
        return GlShader();
    }
    return shader;
}

}  // namespace

bool ShaderProgram::rebuild() {
    GlProgram built(glCreateProgram());
    std::vector<GlShader> compiled;
    for (const ShaderStageFile& stage : stageFiles) {
        compiled.push_back(compiledStage(stage, buildError));
        if (compiled.back() == 0)
            return false;
        glAttachShader(built, compiled.back());
    }
    if (capturesParticleVaryings)
        captureParticleRecord(built);
    glBindFragDataLocation(built, 0, "fragColor");
    glLinkProgram(built);
    GLint linked = 0;
    glGetProgramiv(built, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        buildError =
            "Failed to link shader program " + stageFiles.front().path + "\n" + programLog(built);
        return false;
    }
    const GLuint replaced = program;
    program = std::move(built);
    buildError.clear();
    configureKeepingCurrent(replaced);
    return true;
}

// A program deleted while current stays usable until another is made current, so the program
// that replaced it takes its place.
void ShaderProgram::configureKeepingCurrent(GLuint replaced) {
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    use();
    if (configure)
        configure(*this);
    if (static_cast<GLuint>(current) != replaced)
        glUseProgram(static_cast<GLuint>(current));
}

// Attached stages stay alive inside the program; GL frees them with it.
void ShaderProgram::releaseShaders() {
    shaders.clear();
}

}  // namespace rtr
