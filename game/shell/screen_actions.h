#pragma once
// Small actions that several screens give their buttons and keys.
#include "game/shell/screens.h"

namespace glyphora {

// Back to the main menu: the Back buttons and Esc on most screens.
inline void ShowMainMenu(Game& game) { SwitchScreen(game, ScreenKind::MainMenu); }

template <ScreenKind Kind>
void OpenScreen(Game& game) {
    SwitchScreen(game, Kind);
}

}  // namespace glyphora
