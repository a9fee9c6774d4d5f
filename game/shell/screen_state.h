#pragma once
// Which screen is shown. The screens themselves draw and react elsewhere.

namespace glyphora {

enum class ScreenKind {
    Play = 1,
    MainMenu = 2,
    GameOver = 3,
    HighScores = 4,
    FreeGameSetup = 5,
    Settings = 6,
    Help = 7,
    Credits = 8,
    Splash = 9,
    Intro = 10,
    DifficultyChoice = 11,
};

struct ScreenState {
    ScreenKind current = ScreenKind::Splash;
    ScreenKind previous = ScreenKind::Splash;
};

}  // namespace glyphora
