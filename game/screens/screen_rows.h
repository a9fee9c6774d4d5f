#pragma once
// Every screen's row of the screen table, each defined in its screen's file.
#include "game/shell/screen_definition.h"

namespace glyphora {

extern const ScreenDefinition kPlayScreen;
extern const ScreenDefinition kMainMenuScreen;
extern const ScreenDefinition kGameOverScreen;
extern const ScreenDefinition kHighScoreScreen;
extern const ScreenDefinition kFreeGameScreen;
extern const ScreenDefinition kSettingsScreen;
extern const ScreenDefinition kHelpScreen;
extern const ScreenDefinition kCreditsScreen;
extern const ScreenDefinition kSplashScreen;
extern const ScreenDefinition kIntroScreen;
extern const ScreenDefinition kDifficultyChoiceScreen;

}  // namespace glyphora
