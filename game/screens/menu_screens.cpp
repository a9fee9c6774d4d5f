#include "game/screens/menu_screens.h"

// Placeholders: the menu screens draw nothing until their own files replace
// this one.
namespace glyphora {

void DrawHeaderStrip(Game&) {}
void DrawFooterBand(Game&) {}
void DrawMainMenu(Game&) {}
void DrawHighScoreScreen(Game&) {}
void DrawFreeGameScreen(Game&) {}
void DrawSettingsScreen(Game&) {}
void DrawFirstRunScreen(Game&) {}
void DrawDifficultyChoice(Game&) {}
void DrawHelpScreen(Game&) {}

}  // namespace glyphora
