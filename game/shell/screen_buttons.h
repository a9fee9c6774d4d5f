#pragma once
// The image buttons each screen shows. Click dispatch walks every button, so
// a screen's buttons must be the only enabled ones, and their hit areas must
// be in place from the moment the screen is entered, before its first frame
// is drawn (screen_layout.h knows where they stand).
#include "game/shell/screen_state.h"

namespace glyphora {

struct Game;

// Disables every image button, then places and enables those of kind:
//   MainMenu          the seven main-menu buttons
//   GameOver          OkButton while a name is to be entered, otherwise
//                     PlayAgainButton and BackButton
//   HighScores        LocalScores, Groups, OnlineScores, Back, the two arrows
//   FreeGameSetup     StartFreeGame, Back
//   Settings          the two arrows, Back
//   Help              Back, HelpPage1, HelpPage2, Manual
//   Credits           DonateUsd, DonateEur, Back
//   Intro             ShowNote, Continue
//   DifficultyChoice  the two arrows, Ok
void EnableScreenButtons(Game& game, ScreenKind kind);

}  // namespace glyphora
