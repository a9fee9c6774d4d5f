#include "game/shell/screens.h"

#include "game/audio/music.h"
#include "game/gameplay/play_screen_draw.h"
#include "game/screens/splash_screen.h"
#include "game/screens/window_border.h"
#include "game/shell/game.h"

namespace glyphora {

void SwitchScreen(Game& game, ScreenKind kind) {
    ResetKeyboardFocus(game);
    ScreenState& screen = game.screen;
    screen.previous = screen.current;
    screen.current = kind;
    if (screen.previous == ScreenKind::Play && kind != ScreenKind::Play) StopAllMusic(game);
}

void DrawScreen(Game& game) {
    ClearScreen(game, 0xFFFFFFFF);
    switch (game.screen.current) {
        case ScreenKind::Play:
            DrawPlayScreen(game);
            if (game.cheats.invulnerable) DrawWindowBorder(game, 0xFFDCDC00);
            return;
        case ScreenKind::Splash: DrawSplashScreen(game); break;
        default: break;
    }
    DrawWindowBorder(game, 0xFF000000);
}

void ResetKeyboardFocus(Game& game) {
    ShellState& shell = game.shell;
    shell.lastMouseMoveTick = game.platform.clock->tickCount();
    if (!shell.cursorVisible) {
        game.platform.desktop->showCursor(true);
        shell.cursorVisible = true;
    }
}

}  // namespace glyphora
