#include "game/shell/game_clock.h"

#include "game/shell/music.h"
#include "game/shell/screen_buttons.h"

namespace glyphora {

namespace {

bool ScreenCanPause(const Game& game) { return CurrentScreen(game).canPause; }

}  // namespace

int GameTime(const Game& game) {
    const ShellState& shell = game.shell;
    const std::uint32_t tick = shell.paused ? shell.pauseStartTick : game.platform.clock->tickCount();
    return static_cast<int>(tick - static_cast<std::uint32_t>(shell.pausedTotal));
}

void SetPaused(Game& game, bool paused, PauseReason reason) {
    ShellState& shell = game.shell;
    if (paused == shell.paused || !ScreenCanPause(game)) return;
    const std::uint32_t tick = game.platform.clock->tickCount();
    if (paused) {
        shell.pauseStartTick = tick;
        shell.pauseReason = reason;
        PauseMusic(game);
        shell.volumeOverlayTick = 0;
    } else {
        shell.pausedTotal += static_cast<int>(tick - shell.pauseStartTick);
        ResumeMusic(game);
    }
    shell.paused = paused;
}

void AskQuestion(Game& game, PauseReason question) {
    if (game.shell.paused) game.shell.pauseReason = question;
    else SetPaused(game, true, question);
}

bool PausedFor(const Game& game, PauseReason reason) { return game.shell.paused && game.shell.pauseReason == reason; }

}  // namespace glyphora
