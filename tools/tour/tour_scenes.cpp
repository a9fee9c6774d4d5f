#include "tools/tour/tour_scenes.h"

namespace glyphora::tour {
namespace {

bool StartWindow(TourHarness& tour) {
    tour.startUp();
    tour.advance(100);
    return tour.capture("start-window");
}

}  // namespace

const std::vector<Scene>& AllScenes() {
    static const std::vector<Scene> scenes = {
        {"start-window", StartWindow},
    };
    return scenes;
}

}  // namespace glyphora::tour
