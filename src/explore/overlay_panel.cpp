#include "explore/overlay_panel.h"

#include <GL/glew.h>
#include <imgui.h>
#include <imgui_impl_glfw.h>
#include <imgui_impl_opengl3.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "app/setting_keys.h"

namespace rtr {

namespace {

// Narrow enough to leave the picture's centre free at 1024 x 768, wide enough for a stage name,
// its bar and its milliseconds on one line.
constexpr float kPanelWidth = 300.0f;
constexpr float kMargin = 8.0f;
constexpr float kBackgroundAlpha = 0.72f;
constexpr float kHistoryHeight = 34.0f;
// Sliders and lists named on their right leave that much room for the name.
constexpr float kNamedItemWidth = kPanelWidth - 110.0f;
constexpr float kNumberNameWidth = 96.0f;
// GLSL 1.50 is core from GL 3.2 on, so every driver that runs the demo compiles ImGui's shaders.
constexpr const char* kShaderVersion = "#version 150";
// ImGui refuses a zero frame time; two panel frames can follow each other within a clock tick.
constexpr float kShortestFrameSeconds = 1.0e-4f;

void styleThePanel() {
    ImGui::StyleColorsDark();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 4.0f;
    style.FrameRounding = 2.0f;
    style.WindowPadding = ImVec2(8.0f, 6.0f);
    style.ItemSpacing = ImVec2(6.0f, 4.0f);
}

void showClock(const PanelModel& model, PanelRequests& requests) {
    ImGui::Text("Show time %5.1f s of %.0f s%s", model.showTime, model.showLength,
                model.paused ? "   paused" : "");
    float time = static_cast<float>(std::clamp(model.showTime, 0.0, model.showLength));
    ImGui::SetNextItemWidth(-FLT_MIN);
    if (ImGui::SliderFloat("##timeline", &time, 0.0f, static_cast<float>(model.showLength),
                           "%.1f s", ImGuiSliderFlags_NoInput))
        requests.seekTo = time;
    // One ID whatever the label says, so a click that flips it still counts.
    if (ImGui::Button(model.paused ? "Play###pause" : "Pause###pause", ImVec2(64.0f, 0.0f)))
        requests.togglePause = true;
    ImGui::SameLine();
    ImGui::BeginDisabled(!model.paused);
    if (ImGui::Button("Step"))
        requests.step = true;
    ImGui::EndDisabled();
    ImGui::SameLine();
    if (ImGui::Button("Restart"))
        requests.restart = true;
}

// A name, then from `column` on a bar as long as `milliseconds` is a share of `scale`, with the
// value on it.
void timingBar(const char* name, double milliseconds, double scale, float column) {
    char value[32];
    if (milliseconds < 0.0)
        std::snprintf(value, sizeof value, "not measured");
    else
        std::snprintf(value, sizeof value, "%.1f ms", milliseconds);
    ImGui::TextUnformatted(name);
    ImGui::SameLine(column);
    const float share = milliseconds > 0.0 ? static_cast<float>(milliseconds / scale) : 0.0f;
    ImGui::ProgressBar(share, ImVec2(-FLT_MIN, ImGui::GetTextLineHeight()), value);
}

// Bars share one scale, the longer of the frame and the stages' sum, so they compare.
double timingScale(const PanelModel& model) {
    double stages = 0.0;
    for (const auto& stage : model.stageMilliseconds) stages += std::max(stage.second, 0.0);
    return std::max({model.frameMilliseconds, stages, 1.0e-3});
}

// The bars line up after the longest name.
float barColumn(const PanelModel& model, const char* frameName) {
    float widest = ImGui::CalcTextSize(frameName).x;
    for (const auto& stage : model.stageMilliseconds)
        widest = std::max(widest, ImGui::CalcTextSize(stage.first).x);
    return ImGui::GetStyle().WindowPadding.x + widest + 2.0f * ImGui::GetStyle().ItemSpacing.x;
}

void showTimings(const PanelModel& model, const FrameTimeHistory& history) {
    ImGui::Separator();
    const double scale = timingScale(model);
    const float column = barColumn(model, "frame");
    ImGui::PushStyleColor(ImGuiCol_PlotHistogram, ImVec4(0.85f, 0.55f, 0.20f, 1.0f));
    timingBar("frame", model.frameMilliseconds, scale, column);
    ImGui::PopStyleColor();
    // The graph takes its width from the item width; a negative size would be taken literally.
    ImGui::SetNextItemWidth(-FLT_MIN);
    ImGui::PlotLines("##history", history.milliseconds.data(), history.count, history.oldest(),
                     "frame time, last 120 frames", 0.0f, FLT_MAX, ImVec2(0.0f, kHistoryHeight));
    if (!model.stageMilliseconds.empty())
        ImGui::TextDisabled("GPU time per stage");
    for (const auto& stage : model.stageMilliseconds)
        timingBar(stage.first, stage.second, scale, column);
}

bool sliderWhole(const SettingNumber& number, float& value, const char* floatFormat) {
    std::string format = floatFormat;
    format.replace(0, 4, "%d");
    int whole = static_cast<int>(std::lround(value));
    if (!ImGui::SliderInt(number.label, &whole, static_cast<int>(number.lowest),
                          static_cast<int>(number.highest), format.c_str()))
        return false;
    value = static_cast<float>(whole);
    return true;
}

// A number's slider, its show value written beside the one set; a kernel size moves in whole
// steps and the exposure, which spans orders of magnitude, on a logarithmic scale.
void numberSlider(const SettingNumber& number, RenderSettingsRecord& settings) {
    const float shown = numberValue(number, settings);
    const bool atDefault =
        number.holds != nullptr ? !(settings.*number.holds) : shown == numberValue(number);
    char format[48];
    if (number.holds != nullptr)
        std::snprintf(format, sizeof format, "%%.4g  %s", atDefault ? "(show)" : "(held)");
    else
        std::snprintf(format, sizeof format, "%%.4g%s%s%s", atDefault ? "" : "  (show ",
                      atDefault ? "" : numberText(numberValue(number)).c_str(),
                      atDefault ? "" : ")");
    float value = shown;
    const ImGuiSliderFlags flags =
        number.holds != nullptr ? ImGuiSliderFlags_Logarithmic : ImGuiSliderFlags_None;
    // Indented sliders under a switch keep the same room for their names.
    ImGui::SetNextItemWidth(ImGui::GetContentRegionAvail().x - kNumberNameWidth);
    const bool moved = number.wholeNumbers ? sliderWhole(number, value, format)
                                           : ImGui::SliderFloat(number.label, &value, number.lowest,
                                                                number.highest, format, flags);
    if (moved)
        setNumber(number, std::clamp(value, number.lowest, number.highest), settings);
}

void numbersOf(const char* switchName, RenderSettingsRecord& settings) {
    for (const SettingNumber& number : settingNumbers) {
        const bool belongs =
            switchName == nullptr
                ? number.switchName == nullptr
                : number.switchName != nullptr && std::strcmp(number.switchName, switchName) == 0;
        if (belongs)
            numberSlider(number, settings);
    }
}

bool hasNumbers(const SettingSwitch& setting) {
    return std::any_of(settingNumbers.begin(), settingNumbers.end(), [&](const SettingNumber& n) {
        return n.switchName != nullptr && std::strcmp(n.switchName, setting.name) == 0;
    });
}

void switchCheckbox(const SettingKey& entry, RenderSettingsRecord& settings) {
    char label[48];
    std::snprintf(label, sizeof label, "%s (%c)", entry.toggles->label,
                  static_cast<char>(entry.key));
    ImGui::Checkbox(label, &(settings.*entry.toggles->flag));
}

// One checkbox per switch, named as the console names it, with the key that flips it; the
// switches that have numbers come last, each with its numbers under it.
void showSwitches(RenderSettingsRecord& settings) {
    ImGui::Separator();
    if (ImGui::BeginTable("switches", 2)) {
        for (const SettingKey& entry : settingKeys) {
            if (entry.toggles == nullptr || hasNumbers(*entry.toggles))
                continue;
            ImGui::TableNextColumn();
            switchCheckbox(entry, settings);
        }
        ImGui::EndTable();
    }
    for (const SettingKey& entry : settingKeys) {
        if (entry.toggles == nullptr || !hasNumbers(*entry.toggles))
            continue;
        switchCheckbox(entry, settings);
        ImGui::Indent();
        numbersOf(entry.toggles->name, settings);
        ImGui::Unindent();
    }
}

// The numbers that belong with no switch (the tone curve's), and one way back to the show.
void showPicture(RenderSettingsRecord& settings) {
    numbersOf(nullptr, settings);
    if (ImGui::Button("Reset"))
        resetToShowValues(settings);
    ImGui::SameLine();
    ImGui::TextDisabled("to the show's values");
}

void showStageViews(const PanelModel& model, PanelRequests& requests) {
    const int count = static_cast<int>(model.stageViewNames.size());
    if (count == 0)
        return;
    ImGui::Separator();
    const int current = std::clamp(model.stageView, 0, count - 1);
    // Named with the keys that pick the views, when there is more than one.
    char label[32] = "view###view";
    if (count > 1)
        std::snprintf(label, sizeof label, "view (0-%d)###view", count - 1);
    ImGui::SetNextItemWidth(kNamedItemWidth);
    if (!ImGui::BeginCombo(label, model.stageViewNames[current]))
        return;
    for (int view = 0; view < count; ++view) {
        char item[64];
        std::snprintf(item, sizeof item, "%d  %s", view, model.stageViewNames[view]);
        if (ImGui::Selectable(item, view == current))
            requests.stageView = view;
    }
    ImGui::EndCombo();
}

void showTools(PanelRequests& requests) {
    ImGui::Separator();
    if (ImGui::Button("View as command (F2)"))
        requests.tellViewCommand = true;
    ImGui::SameLine();
    if (ImGui::Button("Reload shaders (F5)"))
        requests.reloadShaders = true;
}

// A failed rebuild's log stays in view until the program builds again.
void showShaderFailures(const PanelModel& model) {
    if (model.shaderFailures.empty())
        return;
    ImGui::Separator();
    ImGui::PushStyleColor(ImGuiCol_Text, ImVec4(1.0f, 0.45f, 0.35f, 1.0f));
    ImGui::TextUnformatted("Kept the last good build of:");
    for (const std::string& failure : model.shaderFailures)
        ImGui::TextWrapped("%s", failure.c_str());
    ImGui::PopStyleColor();
}

PanelRequests layOutPanel(const PanelModel& model, RenderSettingsRecord& settings,
                          const FrameTimeHistory& history) {
    PanelRequests requests;
    ImGui::SetNextWindowPos(ImVec2(kMargin, kMargin), ImGuiCond_FirstUseEver);
    // Fixed width; a height of 0 fits the contents every frame, up to the window's height, past
    // which the panel scrolls.
    ImGui::SetNextWindowSize(ImVec2(kPanelWidth, 0.0f), ImGuiCond_Always);
    const float tallest = std::max(ImGui::GetIO().DisplaySize.y - 2.0f * kMargin, 64.0f);
    ImGui::SetNextWindowSizeConstraints(ImVec2(kPanelWidth, 0.0f), ImVec2(kPanelWidth, tallest));
    ImGui::SetNextWindowBgAlpha(kBackgroundAlpha);
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse |
                                   ImGuiWindowFlags_NoSavedSettings |
                                   ImGuiWindowFlags_NoFocusOnAppearing;
    if (ImGui::Begin("Lumavex   F1 hides this panel", nullptr, flags)) {
        showClock(model, requests);
        showTimings(model, history);
        showSwitches(settings);
        showPicture(settings);
        showStageViews(model, requests);
        showTools(requests);
        showShaderFailures(model);
    }
    ImGui::End();
    return requests;
}

}  // namespace

OverlayPanel::OverlayPanel(GLFWwindow* target) : window(target), context(ImGui::CreateContext()) {
    ImGui::SetCurrentContext(context);
    ImGuiIO& io = ImGui::GetIO();
    // Running the demo writes no files.
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    // The program decides whether the cursor is shown or captured for mouse look.
    io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
    styleThePanel();
    ImGui_ImplGlfw_InitForOpenGL(window, true);
    ImGui_ImplOpenGL3_Init(kShaderVersion);
}

OverlayPanel::~OverlayPanel() {
    ImGui::SetCurrentContext(context);
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    ImGui::DestroyContext(context);
}

void OverlayPanel::toggle() {
    shown = !shown;
    needsLayout = needsLayout || shown;
}

bool OverlayPanel::wantsMouse() const {
    if (!shown)
        return false;
    ImGui::SetCurrentContext(context);
    return ImGui::GetIO().WantCaptureMouse;
}

void OverlayPanel::beginImGuiFrame() {
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    ImGuiIO& io = ImGui::GetIO();
    // A captured cursor steers the camera; where it is means nothing on the screen.
    if (glfwGetInputMode(window, GLFW_CURSOR) == GLFW_CURSOR_DISABLED) {
        io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
        std::fill(std::begin(io.MouseDown), std::end(io.MouseDown), false);
    }
    io.DeltaTime = std::max(io.DeltaTime, kShortestFrameSeconds);
    ImGui::NewFrame();
}

void OverlayPanel::renderIntoWindow() {
    ImGui::Render();
    GLint drawFramebuffer = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawFramebuffer));
}

PanelRequests OverlayPanel::draw(const PanelModel& model, RenderSettingsRecord& settings) {
    if (!shown)
        return {};
    ImGui::SetCurrentContext(context);
    history.add(model.frameMilliseconds);
    if (needsLayout) {
        // Laid out on a copy: nothing the unseen frame did may reach the program.
        RenderSettingsRecord scratch = settings;
        beginImGuiFrame();
        layOutPanel(model, scratch, history);
        ImGui::EndFrame();
        needsLayout = false;
    }
    beginImGuiFrame();
    const PanelRequests requests = layOutPanel(model, settings, history);
    renderIntoWindow();
    return requests;
}

}  // namespace rtr
