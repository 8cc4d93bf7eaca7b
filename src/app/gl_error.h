#pragma once

#include <GL/glew.h>

#include <functional>
#include <ostream>
#include <string>

namespace rtr {

// Drains GL's error queue and prints each pending error, tagged with the place of the check.
void checkGlError(const std::string& label);

// Seam for tests: drains errors from any source into any stream, so codes a core context
// cannot raise (stack overflow and the like) can be exercised too.
void reportGlErrors(const std::string& label, const std::function<GLenum()>& nextError,
                    std::ostream& out);

}  // namespace rtr
