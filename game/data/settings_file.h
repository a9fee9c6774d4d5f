#pragma once
#include "common/random.h"
#include "game/data/settings.h"
#include "platform/platform.h"

namespace glyphora {

// The identifier a fresh installation carries until its first start.
inline constexpr const char* kPlaceholderRegcode = "12345678901234567890";

// Reads "Data/Settings.ini".
//
// windowOnly (the first pass at start-up): sets firstRun when [options]
// first_run is exactly 1 and, when it is clear, takes windowX/windowY from
// [windowpos]. Nothing else is read. The caller places the window with
// WindowPositionFromSettings and keeps windowX/windowY in step with it.
//
// Otherwise (the full pass): every other key; x and y again unless firstRun
// is set. Numbers are taken as stored (a missing key gives 0). A missing text
// key counts as empty, a missing check-box character as unchecked, and texts
// longer than their holders keep their first characters. The placeholder
// identifier (compared without regard to case) is replaced by 20 fresh
// characters of 0-9A-Z drawn from random; it is written at the next save.
// A missing file reads as an empty one.
void LoadSettings(Settings& settings, bool windowOnly, Random& random);

// Writes "Data/Settings.ini" in text mode, replacing it in one step, in the
// fixed order and format the game has always used; first_run is written as
// 0. False when it cannot be written (the old file is then untouched).
bool SaveSettings(const Settings& settings);

// The same file for a fresh installation: first_run is written as 1.
bool SaveInstallSettings(const Settings& settings);

// Both coordinates become 100 when either lies outside -100..800 on a
// 1024 x 768 screen; on a larger one the upper limits grow by as much as the
// screen does, so a window on the right or lower part of a large screen
// stays where it is.
platform::Point ClampWindowPosition(platform::Point position, platform::Size screen);

// Where the first pass puts the 700 x 450 window: on a first run centred
// horizontally at one third of the free height of the screen, otherwise at
// the stored position, or at (100, 100) when ClampWindowPosition finds it
// outside.
platform::Point WindowPositionFromSettings(const Settings& settings, platform::Size screen);

}  // namespace glyphora
