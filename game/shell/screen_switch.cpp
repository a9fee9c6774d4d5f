#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/screens.h"

namespace glyphora {
namespace {

// Only screens that can pause do, and only while they are shown: a pause
// left behind would stop the clock of every screen after it.
void ResumeScreenLeft(Game& game, ScreenKind kind) {
    if (game.shell.paused && kind != game.screen.current) SetPaused(game, false);
}

}  // namespace

void SwitchScreen(Game& game, ScreenKind kind) {
    ScreenState& screen = game.screen;
    const ScreenKind left = screen.current;
    const ScreenDefinition& next = ScreenOf(game, kind);
    ResumeScreenLeft(game, kind);
    if (!next.keepsCursorOnEntry) ResetKeyboardFocus(game);
    ReleaseKeyboardStates(game);
    game.menus.peekState = PeekState::Idle;
    game.menus.lastPeekEnd = GameTime(game);
    screen.previous = left;
    screen.current = kind;
    const ScreenDefinition& leaving = ScreenOf(game, left);
    if (left != kind && leaving.leave) leaving.leave(game, kind);
    if (next.enter) next.enter(game);
    EnableScreenButtons(game);
}

}  // namespace glyphora
