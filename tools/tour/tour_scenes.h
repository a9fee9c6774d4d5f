#pragma once
// The tour's scenes: each starts a fresh game and captures the states it visits.
#include <vector>

#include "tools/tour/tour_harness.h"

namespace glyphora::tour {

struct Scene {
    const char* name;
    bool (*run)(TourHarness& harness);
};

const std::vector<Scene>& AllScenes();

}  // namespace glyphora::tour
