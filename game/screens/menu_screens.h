#pragma once
// The screens around the game itself: the menu screens, help and their
// shared decoration. Each draw routine is called once per frame by
// DrawScreen between the frame's clear and present.

namespace glyphora {

struct Game;

// One routine per screen kind.
void DrawMainMenu(Game& game);
void DrawHighScoreScreen(Game& game);
void DrawFreeGameScreen(Game& game);
void DrawSettingsScreen(Game& game);
void DrawFirstRunScreen(Game& game);
void DrawDifficultyChoice(Game& game);
void DrawHelpScreen(Game& game);

}  // namespace glyphora
