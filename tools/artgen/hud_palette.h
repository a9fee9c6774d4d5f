// The sub-level palette of the play screen and the tones derived from it for
// the HUD pieces.
#pragma once

#include "tools/artgen/colour.h"

namespace glyphora::artgen {

struct SubLevelTones {
    Rgb background, panel, message, messageFade, word, typed, score, letterValue, level;
};

SubLevelTones SubLevelPalette(int subLevel);

// Derived tones of a sub-level's HUD.
Rgb PanelEdge(int subLevel);    // outline of the HUD shapes
Rgb PanelInset(int subLevel);   // recessed trays
Rgb WordSlot(int subLevel);     // behind the word: reads both the typed and the untyped colour
Rgb MessageWell(int subLevel);  // behind the HUD message
Rgb BonusFill(int subLevel);    // the filled bonus bar
Rgb HeartColour(int subLevel);  // life icons
Rgb LevelPlate(int subLevel);   // behind the level label: reads the level colour

}  // namespace glyphora::artgen
