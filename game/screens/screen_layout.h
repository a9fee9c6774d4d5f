#pragma once
// Where each screen's image buttons stand. The one place that knows it: the
// screen switch places a screen's buttons on entering it (so their hit areas
// are right before its first frame), and each screen's draw routine places
// them again before drawing (a screen may move them between its states).
#include <initializer_list>

#include "game/shell/widget_set.h"
#include "game/shell/screen_state.h"

namespace glyphora {

struct Game;

// The y of the button row over the footer band.
inline constexpr int kButtonRowY = 400;
// Tops of the difficulty selector box; its arrows stand kArrowsDown below.
inline constexpr int kHighScoresSelectorTop = 105;
inline constexpr int kChoiceSelectorTop = 205;
inline constexpr int kArrowsDown = 10;
inline constexpr int kDownArrowX = 275, kUpArrowX = 397;
// The settings screen's difficulty line.
inline constexpr int kSettingsDifficultyY = 180;
inline constexpr int kSettingsDownArrowX = 363, kSettingsUpArrowX = 485;

// Places the image buttons that kind shows (its enabled set is the screen
// switch's business). Screens without buttons are left alone.
void PlaceScreenButtons(Game& game, ScreenKind kind);

// Moves a button and its hit area.
void PlaceButton(ImageButton& button, int x, int y);
// Lays the buttons out left to right, gap pixels apart, the row centred in
// the window; each keeps its own y.
void PlaceCentredRow(Game& game, std::initializer_list<ImageButtonName> names, int gap);

}  // namespace glyphora
