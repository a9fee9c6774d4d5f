#pragma once
// The main menu's costs: how long a start takes until the main menu answers
// input, and a frame of it beside a frame of the credits and one of the play
// screen.

namespace glyphora::bench {

// Starts the real game headless in a scratch copy of the assembled folder
// (once unmeasured, so that the measured starts are not first runs and end on
// the main menu), then medians over frames of the main menu, of a whole visit
// to the credits and of the play scene.
void MeasureMenu(int frames);

}  // namespace glyphora::bench
