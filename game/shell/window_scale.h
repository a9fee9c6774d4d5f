#pragma once
// The window's size: the game's 700 × 450 picture shown at a whole-number
// scale (1×, 2× or 3×), chosen at start-up so that the window takes a
// comfortable share of the display, cycled with F11, and remembered in a file
// of its own beside the settings (Data/WindowScale.txt; the settings file and
// the checked files stay as they are). The game's coordinates never change:
// the window scales the picture and the pointer maps the mouse back.
#include "platform/platform.h"

namespace glyphora {

struct Game;

inline constexpr int kMaxWindowScale = 3;

// The largest scale whose window fits the display; at least 1.
int LargestWindowScale(platform::Size display);
// The largest scale whose window leaves a margin of the display around it
// (at most 85% of either side); at least 1.
int ComfortableWindowScale(platform::Size display);
// The scale a first start opens at: the comfortable one, or on a display
// dense enough that the unscaled window would look small for its pixels
// (density in dots per inch, 0 unknown), the one that shows the game about
// as large as a 96-dpi display does at 1×; never larger than fits.
int StartUpWindowScale(platform::Size display, int density);
// The scale in the file, or 0 when there is none or it is not 1..3.
int StoredWindowScale();
// Writes the scale to the file; false when it cannot be written.
bool StoreWindowScale(int scale);

// Start-up, once the window is open and placed: the stored scale, else the
// start-up one for the display, never larger than the display allows; a first run centres
// the scaled window, otherwise a window that would reach past the display
// comes back inside it.
void ChooseWindowScale(Game& game);
// F11: the next scale that fits the display (after the largest, 1×), kept
// in the file; the window stays on the display.
void CycleWindowScale(Game& game);

}  // namespace glyphora
