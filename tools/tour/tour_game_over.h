#pragma once
// The scenes that interrupt or end a run: the pause screen for each pause
// reason and with the volumes shown, and the game-over screen in each state.
#include <vector>

#include "tools/tour/tour_scenes.h"

namespace glyphora::tour {

void AddPauseAndGameOverScenes(std::vector<Scene>& scenes);

}  // namespace glyphora::tour
