#include "app/gl_error.h"

#include <iostream>

namespace rtr {

namespace {

// The second line of a block; codes without a name text get none.
const char* errorLine(GLenum code) {
    switch (code) {
        case GL_INVALID_ENUM:
            return "--> GL error detected: INVALID_ENUM\n";
        case GL_INVALID_VALUE:
            return "--> GL error detected: INVALID_VALUE\n";
        case GL_INVALID_OPERATION:
            return "--> GL error detected: INVALID_OPERATION\n";
        case GL_OUT_OF_MEMORY:
            return "--> GL error detected: OUT_OF_MEMORY\n";
        case GL_INVALID_FRAMEBUFFER_OPERATION:
            return " GL error detected: INVALID_FRAMEBUFFER_OPERATION\n";
        default:
            return nullptr;
    }
}

}  // namespace

void reportGlErrors(const std::string& label, const std::function<GLenum()>& nextError,
                    std::ostream& out) {
    for (GLenum code = nextError(); code != GL_NO_ERROR; code = nextError()) {
        out << "Error occured (" << label << "): " << static_cast<unsigned>(code) << std::endl;
        if (const char* line = errorLine(code)) {
            out << line << std::endl;
        }
    }
}

void checkGlError(const std::string& label) {
    reportGlErrors(
        label, [] { return glGetError(); }, std::cout);
}

}  // namespace rtr
