#pragma once
// Which screen is shown, and the state the screen state machine keeps for the
// screens. The screens themselves draw and react elsewhere.
#include <iosfwd>
#include <string>

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
    int focus = -1;               // index in the current screen's focus order; -1 for none
    int gameOverEnterTime = 0;    // game clock when the game-over screen was last entered
    int creditsStart = 0;         // game clock when the credits were entered
    int helpPage = 0;             // 0, 1 or 2 (the keys)
    int scoreView = 0;            // high-score screen: 0 the local table, 1 the group names
    int viewedDifficulty = 1;     // high-score screen: the table shown, 0 .. 2
    bool difficultyHint = false;  // settings screen: the note after a difficulty change
    int lastAchievedPlace = 0;    // 1 .. 5: place of the entry made in the last game; 0 none
    std::string enteredName;      // game-over screen: the name being typed for the table
};

// The main menu's peeking picture: none, sliding in or resting, sliding out.
enum class PeekState { Idle, Showing, Leaving };

// Names for logs and test failure messages ("MainMenu", "Showing").
std::ostream& operator<<(std::ostream& out, ScreenKind screen);
std::ostream& operator<<(std::ostream& out, PeekState state);

// State of the menu screens that only they read and write (besides the
// resets that screen switches make).
struct MenuState {
    // Main menu's peeking picture.
    PeekState peekState = PeekState::Idle;
    int peekStart = 0;
    int lastPeekEnd = 0;
    int lastPeekTry = 0;
    int peekPicture = 0;  // 0 .. 5
    // First-run screen.
    int introStart = 0;  // game clock when the intro began
    bool noteShown = false;
    bool stopSoundPlayed = false;
    bool greetingSoundPlayed = false;
    // High-score screen: shown instead of the button row while the online
    // exchange runs; cleared once a non-zero deadline (game clock) has passed.
    std::string connectionMessage;
    bool connectionMessageShown = false;
    int connectionMessageDeadline = 0;
};

}  // namespace glyphora
