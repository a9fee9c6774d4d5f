#pragma once
// Reading the settings into the game's one record at start-up, and the record
// as the file takes it. The widgets edit the record's values in place; the
// window's position lives with the window and joins the record when it is
// written.
#include "game/data/settings.h"

namespace glyphora {

struct Game;

// The first pass at start-up: the first-run flag and the window position;
// the window is moved there (centred on a first run, the stored position
// kept within range otherwise).
void ReadWindowSettings(Game& game);
// The full pass: every other value into the record. The window stays where
// the first pass put it.
void ReadAllSettings(Game& game);

// The record as the file takes it, with the window's position.
Settings CollectSettings(const Game& game);

}  // namespace glyphora
