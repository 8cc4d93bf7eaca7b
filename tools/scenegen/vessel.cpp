#include "vessel.h"

#include "shapes.h"

namespace scenegen {

std::vector<glm::vec2> vesselProfile() {
    constexpr float halfPi = 1.5707963f;
    std::vector<glm::vec2> p = {{0.0f, 0.16f}, {0.30f, 0.16f}};
    const auto bottom = arcProfile({0.30f, 0.24f}, 0.08f, -halfPi, 0.0f, 4);
    p.insert(p.end(), bottom.begin() + 1, bottom.end());
    // The wall itself: several rings so the relief follows the straight part closely.
    for (int i = 1; i <= 6; ++i) {
        p.push_back({0.38f, 0.24f + 0.76f * i / 6.0f});
    }
    const auto shoulder = arcProfile({0.30f, 1.0f}, 0.08f, 0.0f, halfPi, 4);
    p.insert(p.end(), shoulder.begin() + 1, shoulder.end());
    p.insert(p.end(), {{0.22f, 1.12f},
                       {0.14f, 1.19f},
                       {0.10f, 1.22f},
                       {0.10f, 1.29f},
                       {0.145f, 1.29f},
                       {0.145f, 1.33f},
                       {0.06f, 1.355f},
                       {0.0f, 1.36f}});
    return p;
}

float vesselHeightAt(float fraction) {
    const auto p = vesselProfile();
    std::vector<float> along(p.size(), 0.0f);
    for (std::size_t i = 1; i < p.size(); ++i) {
        along[i] = along[i - 1] + glm::length(p[i] - p[i - 1]);
    }
    const float target = fraction * along.back();
    for (std::size_t i = 1; i < p.size(); ++i) {
        if (target <= along[i]) {
            const float span = along[i] - along[i - 1];
            const float t = span > 0.0f ? (target - along[i - 1]) / span : 0.0f;
            return glm::mix(p[i - 1].y, p[i].y, t);
        }
    }
    return p.back().y;
}

}  // namespace scenegen
