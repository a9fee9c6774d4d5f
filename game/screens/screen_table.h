#pragma once
// The table of every screen the game has, which the program hands to the
// game when it makes it.
#include "game/shell/screen_definition.h"

namespace glyphora {

const ScreenTable& GameScreens();

}  // namespace glyphora
