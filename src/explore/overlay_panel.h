#pragma once

#include <GLFW/glfw3.h>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/globals.h"

struct ImGuiContext;

namespace rtr {

// The last frame times, for the panel's history graph: a ring that is full after 120 frames.
struct FrameTimeHistory {
    std::array<float, 120> milliseconds{};
    int next = 0;   // the slot the next time goes into
    int count = 0;  // times held so far

    void add(double frameMilliseconds) {
        const int size = static_cast<int>(milliseconds.size());
        milliseconds[next] = static_cast<float>(frameMilliseconds);
        next = (next + 1) % size;
        count = count < size ? count + 1 : size;
    }
    int oldest() const { return count < static_cast<int>(milliseconds.size()) ? 0 : next; }
};

// What the panel shows; the frame loop fills it each frame.
struct PanelModel {
    double showTime = 0.0;     // seconds of show time
    double showLength = 70.0;  // the timeline bar's length in seconds
    bool paused = false;
    double frameMilliseconds = 0.0;  // wall time of the last frame
    // GPU milliseconds per render stage, in frame order; a value below 0: not measured yet.
    std::vector<std::pair<const char*, double>> stageMilliseconds;
    std::vector<const char*> stageViewNames;  // index = view number; 0 = the final picture
    int stageView = 0;
    // Each shader program whose latest rebuild failed, with its log.
    std::vector<std::string> shaderFailures;
};

// What the user asked for in this frame; the caller carries it out.
struct PanelRequests {
    std::optional<double> seekTo;  // clicked or dragged on the timeline bar
    bool togglePause = false;
    bool step = false;  // one frame forward (offered while paused)
    bool restart = false;
    std::optional<int> stageView;  // a stage view picked
    bool tellViewCommand = false;
    bool reloadShaders = false;
};

// The on-screen panel: show clock and timeline, stage timings, render switches and stage
// views, drawn with Dear ImGui over the finished frame. It owns its ImGui context and the GL
// objects ImGui's renderer makes.
class OverlayPanel {
  public:
    // Sets up ImGui with its GLFW and OpenGL 3 backends. Call after the program has installed
    // its own GLFW callbacks: the backend calls them before its own. Needs the context current.
    explicit OverlayPanel(GLFWwindow* window);
    // Shuts the backends down (the window's callbacks go back to the program's own); needs the
    // GL context current.
    ~OverlayPanel();
    OverlayPanel(const OverlayPanel&) = delete;
    OverlayPanel& operator=(const OverlayPanel&) = delete;

    // Hidden until first toggled.
    bool visible() const { return shown; }
    void toggle();

    // Draws the panel over what the window's framebuffer 0 holds, at the window's framebuffer
    // size, and returns what the user asked for. While hidden it makes no ImGui or GL call at
    // all, so frames stay as they would be without a panel. Settings changed here are not
    // reported on the console. Every GL state it changes is put back.
    PanelRequests draw(const PanelModel& model, RenderSettingsRecord& settings);

    // The pointer is over the panel (or dragging on it): the click is not the program's.
    bool wantsMouse() const;

  private:
    void beginImGuiFrame();
    void renderIntoWindow();

    GLFWwindow* window;
    ImGuiContext* context;
    bool shown = false;
    // ImGui sizes a window in a frame it does not draw; the first frame after being shown is
    // laid out once unseen first, so every frame drawn shows the whole panel.
    bool needsLayout = true;
    FrameTimeHistory history;
};

}  // namespace rtr
