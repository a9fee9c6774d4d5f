#include "game/shell/main_loop.h"
#include "game/shell/window_position.h"
#include "game/shell/window_scale.h"

#include "game/data/integrity.h"
#include "game/data/score_file.h"
#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/loading.h"
#include "game/shell/run_control.h"
#include "game/shell/saving.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/screens.h"
#include "game/shell/settings_binding.h"
#include "game/shell/sound.h"
#include "game/shell/sound_effects.h"

namespace glyphora {
namespace {

constexpr int kNoDevice = 5;  // the exit code when no device can be made

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

// A first run shows the intro; otherwise the main menu, whose peeking
// picture may come at once.
void EnterFirstScreen(Game& game) {
    if (game.settings.firstRun) {
        game.menus.introStart = GameTime(game);
        SwitchScreen(game, ScreenKind::Intro);
        return;
    }
    SwitchScreen(game, ScreenKind::MainMenu);
    game.menus.lastPeekEnd = 0;
}

}  // namespace

void StartRenderer(Game& game) {
    if (!InitRenderer(game.renderer, *game.platform.window, game.log)) game.platform.messages->postQuit(kNoDevice);
    game.random.reseed(game.platform.clock->tickCount());
}

void StartUp(Game& game) {
    const ShellState& shell = game.shell;
    game.platform.window->open({kWindowTitle, {shell.windowPos.x, shell.windowPos.y}, {kWindowWidth, kWindowHeight}});
    game.platform.window->setIcon(kWindowIcon);
    ReadWindowSettings(game);
    ChooseWindowScale(game);
    SecureDataFiles(*game.platform.files, *game.platform.desktop);
    StartRenderer(game);
    LoadSplash(game);
    game.screen.current = ScreenKind::Splash;
    DrawFrame(game, FramePacing::None);
    LoadAllResources(game);
    BindButtonActions(game);
    ReadAllSettings(game);
    ApplySoundVolume(game);  // the effects loaded before the settings were read
    LoadScores(game.scores, game.store);
    EnterFirstScreen(game);
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
    game.store.refresh();
    if (const auto update = CurrentScreen(game).update) update(game);
    UpdateSound(game);
    DrawFrame(game);
}

void DrawFrame(Game& game, FramePacing pacing) {
    if (!RendererReady(game.renderer)) return;
    BeginFrame(game.renderer);
    DrawScreen(game);
    EndFrame(game.renderer);
    if (pacing == FramePacing::None) PresentFrameNow(game.renderer);
    else PresentFrame(game.renderer);
}

void ShutDown(Game& game) {
    SaveGameAtExit(game);
    ReleaseAllResources(game);
    ReleaseRenderer(game.renderer, game.log);
}

int RunGame(Game& game) {
    StartUp(game);
    const int exitCode = MainLoop(game);
    ShutDown(game);
    return exitCode;
}

}  // namespace glyphora
