#include "app/setting_keys.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

namespace rtr {

namespace {

using Settings = RenderSettingsRecord;

ReleasedKeyLatches releasedKeyLatches;

}  // namespace

// The labels are the words the keys have always reported; the names are what a command line
// types, short where a label is not.
constexpr std::array<SettingSwitch, 7> settingSwitches = {{
    {"shadows", "Shadows", &Settings::shadows},
    {"culling", "Culling", &Settings::culling},
    {"wireframe", "Wireframemode", &Settings::wireframe},
    {"tessellation", "Tessellation", &Settings::tessellation},
    {"hdr", "HDR", &Settings::hdr},
    {"ssao", "SSAO", &Settings::ssao},
    {"debug", "Debug", &Settings::debug},
}};

// Ranges wide enough to take a number well past where it looks right, yet short of values that
// only break the picture: the frame is raised to 1/gamma, so below 0.1 it is all but black and
// above 10 all but white; a kernel holds 64 samples; the exposure multiplies light that is
// counted in tens to hundreds.
constexpr std::array<SettingNumber, 7> settingNumbers = {{
    {"ssao-radius", "radius", &Settings::ssaoRadius, 0.05f, 5.0f, "ssao"},
    {"ssao-kernel-size", "kernel size", &Settings::ssaoKernelSize, 1.0f, 64.0f, "ssao", true},
    {"ssao-power", "power", &Settings::ssaoPower, 0.25f, 8.0f, "ssao"},
    {"vessel-displacement", "vessel relief", &Settings::vesselDisplacement, 0.0f, 0.5f,
     "tessellation"},
    {"wall-displacement", "wall relief", &Settings::wallDisplacement, 0.0f, 0.5f, "tessellation"},
    {"exposure", "exposure", &Settings::heldExposure, 0.1f, 1000.0f, nullptr, false,
     &Settings::exposureHeld, &Settings::exposure},
    {"gamma", "gamma", &Settings::gamma, 0.1f, 10.0f},
}};

namespace {

// The entry of `table` called `name`; a name missing from the table is a build error where the
// lookup is evaluated at compile time.
template <typename Entry, std::size_t count>
constexpr const Entry* entryNamed(const std::array<Entry, count>& table, std::string_view name) {
    for (const Entry& entry : table) {
        if (entry.name == name)
            return &entry;
    }
    throw "no such setting";
}

}  // namespace

const SettingNumber& gammaSetting = *entryNamed(settingNumbers, "gamma");

float numberValue(const SettingNumber& number, const RenderSettingsRecord& settings) {
    if (number.holds != nullptr && !(settings.*number.holds))
        return settings.*number.showsValue;
    return settings.*number.value;
}

void setNumber(const SettingNumber& number, float value, RenderSettingsRecord& settings) {
    settings.*number.value = number.wholeNumbers ? std::round(value) : value;
    if (number.holds != nullptr)
        settings.*number.holds = true;
}

void resetToShowValues(RenderSettingsRecord& settings) {
    RenderSettingsRecord showValues;
    for (const SettingNumber& number : settingNumbers) {
        if (number.showsValue != nullptr)
            showValues.*number.showsValue = settings.*number.showsValue;
    }
    settings = showValues;
}

namespace {

// The switch a key flips, by its name.
constexpr const SettingSwitch* switchNamed(std::string_view name) {
    return entryNamed(settingSwitches, name);
}

}  // namespace

constexpr std::array<SettingKey, 9> settingKeys = {{
    {GLFW_KEY_G, KeyMoment::press, switchNamed("shadows"), 0.0f},
    {GLFW_KEY_L, KeyMoment::press, switchNamed("culling"), 0.0f},
    {GLFW_KEY_P, KeyMoment::press, switchNamed("wireframe"), 0.0f},
    {GLFW_KEY_T, KeyMoment::press, switchNamed("tessellation"), 0.0f},
    {GLFW_KEY_H, KeyMoment::release, switchNamed("hdr"), 0.0f},
    {GLFW_KEY_O, KeyMoment::release, switchNamed("ssao"), 0.0f},
    {GLFW_KEY_E, KeyMoment::release, nullptr, 0.1f},
    {GLFW_KEY_R, KeyMoment::release, nullptr, -0.1f},
    {GLFW_KEY_M, KeyMoment::release, switchNamed("debug"), 0.0f},
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
        bool& setting = settings.*key.toggles->flag;
        setting = !setting;
        return switchMessage(key.toggles->label, setting);
    }
    float& gamma = settings.*gammaSetting.value;
    gamma += key.gammaStep;
    std::ostringstream text;
    text << gammaSetting.name << " = " << gamma;
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

namespace {

std::string inQuotes(const std::string& text) {
    return "'" + text + "'";
}

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Names or lower-case labels: "wireframemode" is as good as "wireframe".
const SettingSwitch* findSwitch(const std::string& name) {
    for (const SettingSwitch& entry : settingSwitches) {
        if (name == entry.name || name == lowerCase(entry.label))
            return &entry;
    }
    return nullptr;
}

std::optional<bool> switchValue(const std::string& text) {
    if (text == "on" || text == "true" || text == "1")
        return true;
    if (text == "off" || text == "false" || text == "0")
        return false;
    return std::nullopt;
}

}  // namespace

// to_chars writes the shortest text that reads back as the same float, so "0.5" stays "0.5".
std::string numberText(float value) {
    char digits[32];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

namespace {

std::string rangeOf(const SettingNumber& number) {
    std::ostringstream range;
    range << "[" << number.lowest << ", " << number.highest << "]";
    return range.str();
}

// The whole text must be a number: strtod alone would take "2abc" and make "1e999" infinite.
std::optional<float> numberIn(const std::string& text, const SettingNumber& number) {
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    // Compared as the float it becomes: "0.05" must reach a range that starts at 0.05f.
    const float single = static_cast<float>(value);
    if (single < number.lowest || single > number.highest ||
        (number.wholeNumbers && single != std::floor(single)))
        return std::nullopt;
    return single;
}

std::string switchNames() {
    std::string names;
    for (const SettingSwitch& entry : settingSwitches)
        names += std::string(names.empty() ? "" : ", ") + entry.name;
    return names;
}

const SettingNumber* findNumber(const std::string& name) {
    for (const SettingNumber& entry : settingNumbers) {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

std::string settingNames() {
    std::string names = switchNames();
    for (const SettingNumber& entry : settingNumbers) names += std::string(", ") + entry.name;
    return names;
}

// Sets the switch or number `name` to `value`, or says why not.
std::optional<std::string> assign(const std::string& name, const std::string& value,
                                  RenderSettingsRecord& settings) {
    if (const SettingNumber* number = findNumber(name)) {
        const std::optional<float> parsed = numberIn(value, *number);
        if (!parsed)
            return name + ": " + inQuotes(value) + " is not " +
                   (number->wholeNumbers ? "a whole number" : "a number") + " in " +
                   rangeOf(*number);
        setNumber(*number, *parsed, settings);
        return std::nullopt;
    }
    const SettingSwitch* setting = findSwitch(name);
    if (setting == nullptr)
        return inQuotes(name) + " is not a setting (" + settingNames() + ")";
    const std::optional<bool> on = switchValue(value);
    if (!on)
        return name + ": " + inQuotes(value) + " is not on/off, true/false or 1/0";
    settings.*setting->flag = *on;
    return std::nullopt;
}

// The setting an item names, whichever of its names it uses, so that one setting given
// twice is noticed.
std::string settingOf(const std::string& name) {
    const SettingSwitch* setting = findSwitch(name);
    return setting != nullptr ? setting->name : name;
}

// getline would drop a trailing empty item without a word.
bool hasEmptyItem(const std::string& list) {
    return list.empty() || list.front() == ',' || list.back() == ',' ||
           list.find(",,") != std::string::npos;
}

}  // namespace

std::optional<std::string> applySettingAssignments(const std::string& list,
                                                   RenderSettingsRecord& settings) {
    if (hasEmptyItem(list))
        return inQuotes(list) + " is not a list of NAME=VALUE items";
    RenderSettingsRecord changed = settings;
    std::vector<std::string> seen;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        const std::size_t equals = item.find('=');
        if (equals == std::string::npos)
            return inQuotes(item) + " is not NAME=VALUE";
        const std::string name = item.substr(0, equals);
        const std::string setting = settingOf(name);
        if (std::find(seen.begin(), seen.end(), setting) != seen.end())
            return setting + " is given twice";
        seen.push_back(setting);
        if (std::optional<std::string> error = assign(name, item.substr(equals + 1), changed))
            return error;
    }
    settings = changed;
    return std::nullopt;
}

std::string settingAssignmentHelp() {
    std::string help = "NAME=on|off for " + switchNames();
    for (const SettingNumber& entry : settingNumbers)
        help += std::string("; ") + entry.name + "=X in " + rangeOf(entry) +
                (entry.wholeNumbers ? ", whole" : "") +
                (entry.holds != nullptr ? " (default: the show's)"
                                        : " (default " + numberText(numberValue(entry)) + ")");
    return help;
}

std::vector<std::string> settingDifferences(const RenderSettingsRecord& settings,
                                            const RenderSettingsRecord& defaults) {
    std::vector<std::string> items;
    for (const SettingSwitch& entry : settingSwitches) {
        if (settings.*entry.flag != defaults.*entry.flag)
            items.push_back(std::string(entry.name) + "=" + (settings.*entry.flag ? "on" : "off"));
    }
    for (const SettingNumber& entry : settingNumbers) {
        // A number the show drives differs from its default only when set by hand.
        const bool differs = entry.holds != nullptr
                                 ? settings.*entry.holds
                                 : numberValue(entry, settings) != numberValue(entry, defaults);
        if (differs)
            items.push_back(std::string(entry.name) + "=" +
                            numberText(numberValue(entry, settings)));
    }
    return items;
}

}  // namespace rtr
