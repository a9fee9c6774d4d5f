#pragma once
// The credits as they play: each page while its subheading types and once
// its entries are all in, then the finale.
#include <vector>

#include "tools/tour/tour_scenes.h"

namespace glyphora::tour {

void AddCreditsScenes(std::vector<Scene>& scenes);

}  // namespace glyphora::tour
