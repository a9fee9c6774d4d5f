#pragma once
// The menu screens' scenes: the main menu (plain, each button pointed at,
// the peeking characters), the high scores in both views and while
// connecting, the free-game and settings screens, each step of the
// first-run intro and its note, the difficulty choice, the help pages and the
// headers of the screens that the others do not show.
#include <vector>

#include "tools/tour/tour_scenes.h"

namespace glyphora::tour {

void AddMenuScenes(std::vector<Scene>& scenes);

}  // namespace glyphora::tour
