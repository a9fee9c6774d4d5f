#include <ostream>

#include "game/shell/screen_state.h"
#include "game/shell/shell_state.h"

namespace glyphora {

namespace {

// Writes names[value - first], or the number when it is out of the table.
template <typename Enum, std::size_t N>
std::ostream& WriteName(std::ostream& out, Enum value, const char* const (&names)[N], int first) {
    const int index = static_cast<int>(value) - first;
    if (index >= 0 && index < static_cast<int>(N)) return out << names[index];
    return out << static_cast<int>(value);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, ScreenKind screen) {
    static const char* const names[] = {"Play", "MainMenu", "GameOver", "HighScores", "FreeGameSetup",   "Settings",
                                        "Help", "Credits",  "Splash",   "Intro",      "DifficultyChoice"};
    return WriteName(out, screen, names, 1);
}

std::ostream& operator<<(std::ostream& out, PeekState state) {
    static const char* const names[] = {"Idle", "Showing", "Leaving"};
    return WriteName(out, state, names, 0);
}

std::ostream& operator<<(std::ostream& out, PauseReason reason) {
    static const char* const names[] = {"Key", "ConfirmNewGame", "ConfirmQuit", "Away"};
    return WriteName(out, reason, names, 1);
}

}  // namespace glyphora
