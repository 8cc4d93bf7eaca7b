#include "render/render_passes.h"

#include <GL/glew.h>

namespace rtr {

void render() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}  // namespace rtr
