#include "game/screens/game_over_screen.h"
#include "game/screens/play_screen_draw.h"
#include "game/screens/credits_screen.h"
#include "game/screens/menu_screens.h"
#include "game/screens/splash_screen.h"
#include "game/screens/window_border.h"
#include "game/shell/game.h"
#include "game/shell/screens.h"

namespace glyphora {
namespace {

constexpr Colour kBorder = 0xFF000000;
constexpr Colour kInvulnerableBorder = 0xFFDCDC00;

bool HasMenuFrame(ScreenKind kind) {
    return kind != ScreenKind::Play && kind != ScreenKind::Splash && kind != ScreenKind::Intro;
}

void DrawCurrentScreen(Game& game, ScreenKind kind) {
    switch (kind) {
        case ScreenKind::Play: DrawPlayScreen(game); break;
        case ScreenKind::MainMenu: DrawMainMenu(game); break;
        case ScreenKind::GameOver: DrawGameOverScreen(game); break;
        case ScreenKind::HighScores: DrawHighScoreScreen(game); break;
        case ScreenKind::FreeGameSetup: DrawFreeGameScreen(game); break;
        case ScreenKind::Settings: DrawSettingsScreen(game); break;
        case ScreenKind::Help: DrawHelpScreen(game); break;
        case ScreenKind::Credits: DrawCreditsScreen(game); break;
        case ScreenKind::Splash: DrawSplashScreen(game); break;
        case ScreenKind::Intro: DrawFirstRunScreen(game); break;
        case ScreenKind::DifficultyChoice: DrawDifficultyChoice(game); break;
    }
}

}  // namespace

void DrawScreen(Game& game) {
    const ScreenKind kind = game.screen.current;
    ClearScreen(game.renderer, 0xFFFFFFFF);
    if (HasMenuFrame(kind)) {
        DrawHeaderStrip(game);
        DrawFooterBand(game);
    }
    DrawCurrentScreen(game, kind);
    if (kind != ScreenKind::Play) DrawWindowBorder(game, kBorder);
    else if (game.cheats.invulnerable) DrawWindowBorder(game, kInvulnerableBorder);
}

}  // namespace glyphora
