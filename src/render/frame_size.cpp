#include "render/frame_size.h"

#include <algorithm>
#include <cmath>

namespace rtr {

PixelRect fitRect(PixelSize content, PixelSize target) {
    if (content.empty() || target.empty())
        return {};
    // Compare the aspect ratios in integers, so an exact fit stays exact.
    const long long wide = static_cast<long long>(target.width) * content.height;
    const long long tall = static_cast<long long>(target.height) * content.width;
    PixelRect rect;
    if (wide >= tall) {
        // The target is wider: full height, bars left and right.
        rect.height = target.height;
        rect.width = static_cast<int>(
            std::lround(static_cast<double>(tall) / static_cast<double>(content.height)));
    } else {
        rect.width = target.width;
        rect.height = static_cast<int>(
            std::lround(static_cast<double>(wide) / static_cast<double>(content.width)));
    }
    rect.width = std::clamp(rect.width, 1, target.width);
    rect.height = std::clamp(rect.height, 1, target.height);
    rect.x = (target.width - rect.width) / 2;
    rect.y = (target.height - rect.height) / 2;
    return rect;
}

}  // namespace rtr
