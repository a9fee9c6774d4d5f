#include "game/gameplay/play_keys.h"
#include "game/shell/game_clock.h"
#include "game/shell/main_loop.h"
#include "game/shell/temporary_play_keys.h"

namespace glyphora {
namespace {

void OnDeactivated(Game& game) {
    SetPaused(game, true, PauseReason::Away);
    ShellState& shell = game.shell;
    shell.windowActive = false;
    shell.savedX = shell.windowX;
    shell.savedY = shell.windowY;
}

void OnActivated(Game& game) {
    ShellState& shell = game.shell;
    shell.windowActive = true;
    // A run in play stays paused until the player resumes it.
    if (game.screen.current != ScreenKind::Play) SetPaused(game, false);
    shell.windowX = shell.savedX;
    shell.windowY = shell.savedY;
    ClampWindowPosition(shell.windowX, shell.windowY);
    game.platform.window->move({shell.windowX, shell.windowY});
}

}  // namespace

void WindowProcedure(Game& game, const platform::Message& message) {
    using platform::MessageKind;
    switch (message.kind) {
        case MessageKind::Destroy: game.platform.messages->postQuit(0); break;
        case MessageKind::Activate:
            if (message.wParam == 0) OnDeactivated(game);
            else OnActivated(game);
            break;
        case MessageKind::Paint: DrawFrame(game); break;
        case MessageKind::KeyDown:
            HandlePlayKey(game, static_cast<int>(message.wParam));
            TemporaryPlayKeys(game, static_cast<int>(message.wParam));  // temporary: stands in for the key routing
            break;
        default: break;
    }
}

}  // namespace glyphora
