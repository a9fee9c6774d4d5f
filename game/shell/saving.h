#pragma once
// The game's saves of its data files while it runs and at exit. Each save
// keeps Hashes.txt in step with the files; one that fails is told to the
// player once per session (a message box naming what could not be saved and
// where), and the game goes on.

namespace glyphora {

struct Game;

inline constexpr const char* kSaveFailedCaption = "Error: Could Not Save";

// The settings as the game holds them now (leaving Settings, a name entered).
void SaveGameSettings(Game& game);
// The high-score table (a name entered).
void SaveGameScores(Game& game);
// Shutdown: the settings, then the scores.
void SaveGameAtExit(Game& game);

}  // namespace glyphora
