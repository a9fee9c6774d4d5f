#include "tools/tour/tour_scenes.h"

#include "tools/tour/tour_credits.h"
#include "tools/tour/tour_engine.h"
#include "tools/tour/tour_game_over.h"
#include "tools/tour/tour_menus.h"
#include "tools/tour/tour_play.h"

namespace glyphora::tour {
namespace {

bool StartWindow(TourHarness& tour) {
    tour.startUp();
    tour.advance(100);
    return tour.capture("start-window");
}

}  // namespace

const std::vector<Scene>& AllScenes() {
    static const std::vector<Scene> scenes = [] {
        std::vector<Scene> all = {
            {"start-window", StartWindow},
            {"splash-progress", SplashProgress},
            {"widgets", WidgetStates},
            {"fonts", FontTable},
        };
        AddMenuScenes(all);
        AddCreditsScenes(all);
        AddPlayScenes(all);
        AddPauseAndGameOverScenes(all);
        return all;
    }();
    return scenes;
}

}  // namespace glyphora::tour
