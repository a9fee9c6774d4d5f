#pragma once
// State of the application shell: the window, the pause and the cursor.
#include <cstdint>
#include <iosfwd>

#include "platform/platform.h"

namespace glyphora {

// Why the game clock stands still; selects the extra line of the pause screen.
enum class PauseReason { Key = 1, ConfirmNewGame = 2, ConfirmQuit = 3, Away = 4 };
std::ostream& operator<<(std::ostream& out, PauseReason reason);

struct ShellState {
    bool windowActive = true;
    platform::Point windowPos{40, 30};      // the window's screen position
    int windowScale = 1;                    // 1..3: window pixels per game pixel each way
    platform::Point savedPosition{40, 30};  // position remembered on deactivation
    bool paused = false;
    PauseReason pauseReason = PauseReason::Key;  // meaningful only while paused
    std::uint32_t pauseStartTick = 0;
    int pausedTotal = 0;  // length of all finished pauses, ms
    int lastCursorX = 0, lastCursorY = 0;
    bool cursorVisible = true;
    std::uint32_t lastMouseMoveTick = 0;
    std::uint32_t volumeOverlayTick = 0;  // 0: no volume key pressed during this pause
    bool saveFailureReported = false;     // a failed save has been told to the player
};

}  // namespace glyphora
