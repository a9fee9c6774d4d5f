#pragma once
// Where the settings live while the game runs: each value in the object that
// holds it (the window position in the shell; the F3 question, the free-game
// check boxes, the six sliders and the default-name field in the widgets; the
// difficulty, identifier, group names and first-run flag in the settings
// slots, the group names in the high-score screen's fields while that screen
// is shown). The file's Settings record is only filled to be written and read
// only to be spread out, so no value is kept in two places.
#include "game/data/settings.h"

namespace glyphora {

struct Game;

// The first pass at start-up: the first-run flag and the window position;
// the window is moved there (centred on a first run, the stored position
// kept within range otherwise).
void ReadWindowSettings(Game& game);
// The full pass, after the widgets exist: every other value into its holder.
// The window stays where the first pass put it.
void ReadAllSettings(Game& game);

// The holders' values as the file's record, and the reverse.
Settings CollectSettings(const Game& game);
void ApplySettings(Game& game, const Settings& settings);

}  // namespace glyphora
