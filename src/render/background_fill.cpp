#include "render/background_fill.h"

#include "gpu/shader_program.h"
#include "scene/quad.h"

namespace rtr {

BackgroundFill::BackgroundFill() : program(linkedFileProgram("gBufferBackground")) {}

// Out of line, where ShaderProgram is complete.
BackgroundFill::~BackgroundFill() = default;

void BackgroundFill::apply(scene::Quad& quad) {
    // The quad's depth is exactly 1.0, as cleared; any drawn surface is nearer, since a fragment
    // at 1.0 would have failed the pass's GL_LESS.
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    program->use();
    quad.draw();
    glDepthFunc(GL_LESS);
}

}  // namespace rtr
