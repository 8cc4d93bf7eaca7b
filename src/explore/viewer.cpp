#include "explore/viewer.h"

#include <vector>

#include "app/globals.h"
#include "camera/show_script.h"
#include "explore/shader_reload.h"
#include "explore/stage_viewer.h"
#include "explore/timeline.h"
#include "explore/viewer_keys.h"
#include "render/render_passes.h"
#include "render/stage_pictures.h"
#include "util/window.h"

namespace rtr {

PanelModel panelModelNow(double frameSeconds, const StageTimes& stageTimes) {
    static const std::vector<const char*> viewNames = [] {
        std::vector<const char*> names = {"finished frame"};
        for (const StagePicture& picture : stagePictures) names.push_back(picture.caption);
        return names;
    }();
    PanelModel model;
    model.showTime = totalTime;
    model.showLength = show::showLength;
    model.paused = showTimeline.paused();
    model.frameMilliseconds = frameSeconds * 1000.0;
    for (std::size_t s = 0; s < renderStages.size(); ++s)
        model.stageMilliseconds.emplace_back(renderStages[s].name, stageTimes[s]);
    model.stageViewNames = viewNames;
    model.stageView = stageView;
    model.shaderFailures = shaderReloader.failures();
    return model;
}

void carryOut(const PanelRequests& requests) {
    if (requests.seekTo)
        showTimeline.seek(*requests.seekTo);
    if (requests.togglePause)
        showTimeline.togglePause();
    if (requests.step)
        showTimeline.stepForward();
    if (requests.restart)
        showTimeline.restart();
    if (requests.stageView)
        stageView = *requests.stageView;
    if (requests.tellViewCommand && mainWindow != nullptr)
        tellViewCommand(mainWindow->window);
    if (requests.reloadShaders)
        shaderReloader.reloadAll();
}

void showPickedStage(PixelSize window) {
    if (stageView > 0)
        stageViewer->show(stagePictures[stageView - 1].make(), window);
}

}  // namespace rtr
