#pragma once
// The game-over screen: the summary of the run, and when its score earns a
// place in the local table of its difficulty, the entry of the player's name.

namespace glyphora {

struct Game;

inline constexpr int kNameEntryDelayMs = 750;

// True while the run's place in the table waits for a name.
bool NameToEnter(const Game& game);

// The summary lines of the run that just ended, composed once for the
// screen: the score (or, in a free game, the survival time as minutes and
// two-digit seconds, "1:05"), the level reached, and the rank waiting for a name.
void ComposeGameOverLines(Game& game);


// Buttons, then "Cheater!" alone after a cheat, otherwise the summary and,
// with a place to fill, the rank line and the name field. The name field
// opens kNameEntryDelayMs after the screen was entered, so keys typed at the
// end of the run do not land in it.
void DrawGameOverScreen(Game& game);

// The OK button and Enter while a name is to be entered. An empty name
// becomes "-- anonymous --" and waits for a second confirmation; otherwise
// the entry goes into the table, the settings are saved, the high-score
// screen shows the table of the run's difficulty and the table is saved.
void ConfirmName(Game& game);

}  // namespace glyphora
