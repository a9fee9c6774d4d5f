#include "game/shell/main_loop.h"

#include "game/shell/screens.h"

namespace glyphora {

namespace {

// Follows a window drag and notes where the cursor is for the next frame. A
// cursor that moved since then (lastCursorX/Y) ends keyboard selection: the
// screens' focus reset belongs here.
void FollowPointer(Game& game) {
    DragWindow(game);
    game.shell.lastCursorX = game.pointer.cursorScreen.x;
    game.shell.lastCursorY = game.pointer.cursorScreen.y;
}

}  // namespace

void StartUp(Game& game) {
    const ShellState& shell = game.shell;
    game.platform.window->open({kWindowTitle, {shell.windowX, shell.windowY}, {kWindowWidth, kWindowHeight}});
    game.pointer.windowPos = {shell.windowX, shell.windowY};
    InitRenderer(game, kWindowWidth, kWindowHeight);
    LoadSplash(game);
    game.screen.current = ScreenKind::Splash;
    DrawFrame(game);
    LoadAllResources(game);
    ReleaseSplash(game);
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

void RunFrame(Game& game) {
    FollowPointer(game);
    DrawFrame(game);
}

void DrawFrame(Game& game) {
    if (!RendererReady(game)) return;
    BeginFrame(game);
    DrawScreen(game);
    EndFrame(game);
    PresentFrame(game);
}

void ShutDown(Game& game) {
    ReleaseAllResources(game);
    ReleaseRenderer(game);
}

int RunGame(Game& game) {
    StartUp(game);
    const int exitCode = MainLoop(game);
    ShutDown(game);
    return exitCode;
}

}  // namespace glyphora
