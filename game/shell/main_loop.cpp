#include "game/shell/main_loop.h"

#include "game/data/integrity.h"
#include "game/data/score_file.h"
#include "game/data/settings_file.h"
#include "game/gameplay/update_play.h"
#include "game/shell/screens.h"
#include "game/shell/temporary_play_keys.h"

namespace glyphora {
namespace {

// The first settings pass: only the first-run flag and the window position.
// The full pass later leaves the position alone, so the window stays where
// this pass put it (inside the range the clamp allows).
void PlaceWindowFromSettings(Game& game) {
    LoadSettings(game.settings, true);
    const platform::Point position =
        WindowPositionFromSettings(game.settings, game.platform.desktop->screenSize());
    PlaceWindow(game, position);
    game.shell.savedX = position.x;
    game.shell.savedY = position.y;
}

// Follows a window drag and notes where the cursor is for the next frame; a
// cursor that moved since the previous frame shows the cursor again and
// clears the keyboard focus.
void FollowPointer(Game& game) {
    ShellState& shell = game.shell;
    const platform::Point before{shell.lastCursorX, shell.lastCursorY};
    DragWindow(game);
    shell.lastCursorX = game.pointer.cursorScreen.x;
    shell.lastCursorY = game.pointer.cursorScreen.y;
    if (game.pointer.cursorScreen != before) ResetKeyboardFocus(game);
}

}  // namespace

void StartUp(Game& game) {
    const ShellState& shell = game.shell;
    game.platform.window->open({kWindowTitle, {shell.windowX, shell.windowY}, {kWindowWidth, kWindowHeight}});
    PlaceWindowFromSettings(game);
    SecureDataFiles(*game.platform.files, *game.platform.desktop);
    InitRenderer(game, kWindowWidth, kWindowHeight);
    LoadSplash(game);
    game.screen.current = ScreenKind::Splash;
    DrawFrame(game);
    LoadAllResources(game);
    LoadSettings(game.settings, false);
    LoadScores(game.scores, game.store);
    ReleaseSplash(game);
    StartTemporaryRun(game);  // temporary: until the main menu starts runs
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
    game.store.refresh();
    if (game.screen.current == ScreenKind::Play) UpdatePlay(game);
    // The audio update goes here: it refills the music streams and retires
    // finished voices.
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
    game.settings.windowX = game.shell.windowX;
    game.settings.windowY = game.shell.windowY;
    SaveDataFiles(game.settings, game.scores, game.store);
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
