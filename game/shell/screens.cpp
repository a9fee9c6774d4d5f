#include "game/shell/screens.h"

#include "game/audio/music.h"
#include "game/gameplay/play_screen_draw.h"
#include "game/screens/menu_screens.h"
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

namespace {

bool HasMenuDecoration(ScreenKind kind) {
    return kind != ScreenKind::Play && kind != ScreenKind::Splash && kind != ScreenKind::Intro;
}

void DrawCurrentScreen(Game& game) {
    switch (game.screen.current) {
        case ScreenKind::Play: DrawPlayScreen(game); break;
        case ScreenKind::MainMenu: DrawMainMenu(game); break;
        case ScreenKind::HighScores: DrawHighScoreScreen(game); break;
        case ScreenKind::FreeGameSetup: DrawFreeGameScreen(game); break;
        case ScreenKind::Settings: DrawSettingsScreen(game); break;
        case ScreenKind::Help: DrawHelpScreen(game); break;
        case ScreenKind::Splash: DrawSplashScreen(game); break;
        case ScreenKind::Intro: DrawFirstRunScreen(game); break;
        case ScreenKind::DifficultyChoice: DrawDifficultyChoice(game); break;
        default: break;
    }
}

}  // namespace

void DrawScreen(Game& game) {
    ClearScreen(game, 0xFFFFFFFF);
    const ScreenKind kind = game.screen.current;
    if (HasMenuDecoration(kind)) {
        DrawHeaderStrip(game);
        DrawFooterBand(game);
    }
    DrawCurrentScreen(game);
    if (kind != ScreenKind::Play) DrawWindowBorder(game, 0xFF000000);
    else if (game.cheats.invulnerable) DrawWindowBorder(game, 0xFFDCDC00);
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
