#include "game/data/settings_file.h"
#include "game/shell/game_clock.h"
#include "game/shell/main_loop.h"

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
    const platform::Point position = ClampWindowPosition({shell.savedX, shell.savedY});
    shell.windowX = position.x;
    shell.windowY = position.y;
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
        default: break;
    }
}

}  // namespace glyphora
