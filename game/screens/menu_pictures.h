#pragma once
// Which sheet picture each menu screen shows in a given state: the pure
// choices behind the drawing, kept apart so that they read as tables.
#include "game/engine/sheet_regions.h"
#include "game/shell/screen_state.h"

namespace glyphora {

// Index 0..6 of a main-menu button (PlayButton .. QuitButton), -1 for none.
inline constexpr int kNoMenuButton = -1;

// The main menu's header tab that names the button under the cursor; null
// with none.
const regions::Region* HoveredMenuTab(int hoveredButton);

// The main menu's preview: the idle picture, or the picture of the button
// under the cursor or selected with the keyboard. When the two differ, the
// later button of the row wins.
const regions::Region& MenuPreview(int hoveredButton, int keyboardSelection);

// A peeking picture 0..5 as a region and the frame to draw of it.
struct RegionFrame {
    const regions::Region* region;
    int u, v;
};
RegionFrame PeekPicture(int picture);

}  // namespace glyphora
