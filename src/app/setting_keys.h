#pragma once

#include <GLFW/glfw3.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/globals.h"

namespace rtr {

// When a setting key acts: as it is pressed, in the key callback, or once the frame's poll has
// seen it pressed and then released.
enum class KeyMoment { press, release };

// A render setting that is either on or off. `name` is what command lines call it
// (--set ssao=off), `label` what its key's console message and on-screen controls say.
struct SettingSwitch {
    const char* name;
    const char* label;
    bool RenderSettingsRecord::*flag;
};

// Every on/off render setting, each once, in the order people are shown them.
extern const std::array<SettingSwitch, 7> settingSwitches;

// A render setting that is a number, with the range a command line or the panel may give it.
// Where `holds` is set, the show drives the number in `showsValue`; setting it by hand also
// sets that flag, and the number set then overrides the show's.
struct SettingNumber {
    const char* name;
    const char* label;
    float RenderSettingsRecord::*value;
    float lowest;
    float highest;
    // The switch (by name) the number belongs with, if any: the panel shows it there.
    const char* switchName = nullptr;
    bool wholeNumbers = false;
    bool RenderSettingsRecord::*holds = nullptr;
    float RenderSettingsRecord::*showsValue = nullptr;
};

// Every number of the frame a viewer may set, each once, in the order people are shown them.
extern const std::array<SettingNumber, 7> settingNumbers;
// The entry of settingNumbers that the E and R keys step.
extern const SettingNumber& gammaSetting;

// The number's value in `settings`, or its default (the show's own) with no settings given.
float numberValue(const SettingNumber& number,
                  const RenderSettingsRecord& settings = RenderSettingsRecord());
// Sets the number, rounded to a whole number where it must be one and held where it holds.
void setNumber(const SettingNumber& number, float value, RenderSettingsRecord& settings);
// Every switch and number back to the show's values; the show's own exposure stays as the
// show set it.
void resetToShowValues(RenderSettingsRecord& settings);
// The items ("ssao-radius=1.5") that make `defaults` into `settings`, for a command line: each
// switch and number that differs, and the exposure in effect when it is held.
std::vector<std::string> settingDifferences(
    const RenderSettingsRecord& settings,
    const RenderSettingsRecord& defaults = RenderSettingsRecord());

// A key that changes a render setting: it flips `toggles`, reported as "<label>: activated" or
// "<label>: deactivated", or, without a switch, steps the gamma by `gammaStep`, reported as
// "gamma = <value>".
struct SettingKey {
    int key;  // GLFW_KEY_*
    KeyMoment moment;
    const SettingSwitch* toggles;
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

// Sets `settings` from a list such as "ssao=off,ssao-radius=1.5,gamma=1.8": a switch's name (or
// its label in lower case) with on/off, true/false or 1/0, a number's name with a number in its
// range.
// Quiet, and all or nothing: on any bad item `settings` is left as it was and the reason is
// returned.
std::optional<std::string> applySettingAssignments(const std::string& list,
                                                   RenderSettingsRecord& settings);

// `value` as a command line writes it: the shortest text that reads back as the same float.
std::string numberText(float value);

// What applySettingAssignments takes, for a command line's help.
std::string settingAssignmentHelp();

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
