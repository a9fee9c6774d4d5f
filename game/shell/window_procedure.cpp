#include "game/data/settings_file.h"
#include "game/shell/game_clock.h"
#include "game/shell/key_routing.h"
#include "game/shell/main_loop.h"
#include "game/shell/mouse_input.h"
#include "game/shell/run_control.h"
#include "game/shell/window_position.h"

namespace glyphora {
namespace {

void OnDeactivated(Game& game) {
    SetPaused(game, true, PauseReason::Away);
    ShellState& shell = game.shell;
    shell.windowActive = false;
    shell.savedPosition.x = shell.windowPos.x;
    shell.savedPosition.y = shell.windowPos.y;
    EndMousePress(game.pointer);
}

void OnActivated(Game& game) {
    ShellState& shell = game.shell;
    shell.windowActive = true;
    // A run in play stays paused until the player resumes it.
    if (game.screen.current != ScreenKind::Play) SetPaused(game, false);
    PlaceWindow(
        game, ClampWindowPosition({shell.savedPosition.x, shell.savedPosition.y}, game.platform.desktop->screenSize()));
}

// With a keyboard focus, Enter's key-down has already acted on it (and may
// have moved it into a field): its character would end that field's editing
// as soon as it began, so it goes to no field.
void OnCharacter(Game& game, std::uint32_t code) {
    constexpr std::uint32_t kEnterCharacter = 13;
    if ((code & 0xFF) != kEnterCharacter || game.screen.focus < 0) OnChar(game.widgets.registry, code & 0xFF);
    HandleCheatCharacter(game, static_cast<char>(code & 0xFF));
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
            RouteKey(game, static_cast<int>(message.wParam));
            break;
        case MessageKind::Char: OnCharacter(game, message.wParam); break;
        case MessageKind::MouseMove: OnMouseMoveMessage(game); break;
        case MessageKind::LButtonDown: OnLeftButtonDown(game); break;
        case MessageKind::LButtonUp: OnLeftButtonUp(game); break;
        default: break;
    }
}

}  // namespace glyphora
