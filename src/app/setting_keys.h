#pragma once

#include <GLFW/glfw3.h>

#include <array>
#include <functional>
#include <string>

#include "app/globals.h"

namespace rtr {

// When a setting key acts: as it is pressed, in the key callback, or once the frame's poll has
// seen it pressed and then released.
enum class KeyMoment { press, release };

// A key that changes a render setting: it flips `toggles`, reported as "<name>: activated" or
// "<name>: deactivated", or, without a switch, steps the gamma by `gammaStep`, reported as
// "gamma = <value>".
struct SettingKey {
    int key;  // GLFW_KEY_*
    KeyMoment moment;
    const char* name;
    bool RenderSettingsRecord::*toggles;
    float gammaStep;
};

// Every setting key. Released keys seen in the same frame act in this order.
extern const std::array<SettingKey, 9> settingKeys;

// The entry for `glfwKey` acting at `moment`, or null.
const SettingKey* findSettingKey(int glfwKey, KeyMoment moment);

// Changes `settings` as `key` says and returns the console line that reports it.
std::string applySettingKey(const SettingKey& key, RenderSettingsRecord& settings);

// "<feature>: activated" or "<feature>: deactivated".
std::string switchMessage(const char* feature, bool on);

// One latch per released-moment key: its action fires once, in the frame its key is seen
// released after having been seen pressed. isPressed is asked twice per key and frame, as the
// sticky window keys report a press and a release between two polls in that order.
class ReleasedKeyLatches {
  public:
    using KeyQuery = std::function<bool(int key)>;
    using Action = std::function<void(const SettingKey& key)>;
    void poll(const KeyQuery& isPressed, const Action& fire);

  private:
    std::array<bool, settingKeys.size()> latched{};
};

// Polls the released-moment keys of `window` once, applies them to RenderSettings and reports
// each on the console.
void pollReleasedSettingKeys(GLFWwindow* window);
// Forgets half-seen presses, as at program start.
void resetReleasedSettingKeys();

}  // namespace rtr
