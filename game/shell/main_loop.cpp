#include "game/shell/main_loop.h"

#include "game/shell/screens.h"

namespace glyphora {

void StartUp(Game& game) {
    const ShellState& shell = game.shell;
    game.platform.window->open({kWindowTitle, {shell.windowX, shell.windowY}, {kWindowWidth, kWindowHeight}});
    InitRenderer(game, kWindowWidth, kWindowHeight);
    game.screen.current = ScreenKind::Splash;
    DrawFrame(game);
}

int MainLoop(Game& game) {
    platform::MessageQueue& queue = *game.platform.messages;
    platform::Message message;
    for (;;) {
        if (game.shell.windowActive) {
            while (queue.peek(message)) {
                if (message.kind == platform::MessageKind::Quit) return static_cast<int>(message.wParam);
                WindowProcedure(game, message);
            }
            RunFrame(game);
        } else {
            message = queue.wait();
            if (message.kind == platform::MessageKind::Quit) return static_cast<int>(message.wParam);
            WindowProcedure(game, message);
        }
    }
}

void RunFrame(Game& game) { DrawFrame(game); }

void DrawFrame(Game& game) {
    if (!RendererReady(game)) return;
    BeginFrame(game);
    DrawScreen(game);
    EndFrame(game);
    PresentFrame(game);
}

void ShutDown(Game& game) { ReleaseRenderer(game); }

int RunGame(Game& game) {
    StartUp(game);
    const int exitCode = MainLoop(game);
    ShutDown(game);
    return exitCode;
}

}  // namespace glyphora
