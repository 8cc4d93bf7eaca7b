#include "app/setting_keys.h"

#include <iostream>
#include <sstream>

namespace rtr {

namespace {

using Settings = RenderSettingsRecord;

ReleasedKeyLatches releasedKeyLatches;

}  // namespace

const std::array<SettingKey, 9> settingKeys = {{
    {GLFW_KEY_G, KeyMoment::press, "Shadows", &Settings::shadows, 0.0f},
    {GLFW_KEY_L, KeyMoment::press, "Culling", &Settings::culling, 0.0f},
    {GLFW_KEY_P, KeyMoment::press, "Wireframemode", &Settings::wireframe, 0.0f},
    {GLFW_KEY_T, KeyMoment::press, "Tessellation", &Settings::tessellation, 0.0f},
    {GLFW_KEY_H, KeyMoment::release, "HDR", &Settings::hdr, 0.0f},
    {GLFW_KEY_O, KeyMoment::release, "SSAO", &Settings::ssao, 0.0f},
    {GLFW_KEY_E, KeyMoment::release, "gamma", nullptr, 0.1f},
    {GLFW_KEY_R, KeyMoment::release, "gamma", nullptr, -0.1f},
    {GLFW_KEY_M, KeyMoment::release, "Debug", &Settings::debug, 0.0f},
}};

const SettingKey* findSettingKey(int glfwKey, KeyMoment moment) {
    for (const SettingKey& entry : settingKeys) {
        if (entry.key == glfwKey && entry.moment == moment)
            return &entry;
    }
    return nullptr;
}

std::string switchMessage(const char* feature, bool on) {
    return std::string(feature) + (on ? ": activated" : ": deactivated");
}

std::string applySettingKey(const SettingKey& key, RenderSettingsRecord& settings) {
    if (key.toggles != nullptr) {
        bool& setting = settings.*key.toggles;
        setting = !setting;
        return switchMessage(key.name, setting);
    }
    settings.gamma += key.gammaStep;
    std::ostringstream text;
    text << key.name << " = " << settings.gamma;
    return text.str();
}

void ReleasedKeyLatches::poll(const KeyQuery& isPressed, const Action& fire) {
    for (std::size_t slot = 0; slot < settingKeys.size(); ++slot) {
        const SettingKey& entry = settingKeys[slot];
        if (entry.moment != KeyMoment::release)
            continue;
        if (isPressed(entry.key))
            latched[slot] = true;
        if (!isPressed(entry.key) && latched[slot]) {
            fire(entry);
            latched[slot] = false;
        }
    }
}

void pollReleasedSettingKeys(GLFWwindow* window) {
    releasedKeyLatches.poll([window](int key) { return glfwGetKey(window, key) == GLFW_PRESS; },
                            [](const SettingKey& key) {
                                std::cout << applySettingKey(key, RenderSettings) << std::endl;
                            });
}

void resetReleasedSettingKeys() {
    releasedKeyLatches = ReleasedKeyLatches();
}

}  // namespace rtr
