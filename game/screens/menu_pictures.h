#pragma once
// Which sheet picture each menu screen shows in a given state: the pure
// choices behind the drawing, kept apart so that they read as tables.
#include "game/engine/sheet_regions.h"
#include "game/shell/screen_state.h"

namespace glyphora {

// Index 0..6 of a main-menu button (PlayButton .. QuitButton), -1 for none.
inline constexpr int kNoMenuButton = -1;

// The left cap of the header strip: short on the main menu and the
// difficulty choice, long (the fill piece) everywhere else.
const regions::Region& HeaderCap(ScreenKind kind);
// The title tab beside the cap. On the main menu the tab names the button
// under the cursor (hoveredButton), or the menu itself with none.
const regions::Region& HeaderTab(ScreenKind kind, int hoveredButton);
// The 130 × 110 picture over the header's left end; nullptr on the main
// menu and the difficulty choice, which have none.
const regions::Region* CornerPicture(ScreenKind kind);

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
