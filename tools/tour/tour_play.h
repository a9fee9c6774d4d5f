#pragma once
// The play screen's scenes: one per sub-level and a TNT blast.
#include <vector>

#include "tools/tour/tour_scenes.h"

namespace glyphora::tour {

void AddPlayScenes(std::vector<Scene>& scenes);

}  // namespace glyphora::tour
