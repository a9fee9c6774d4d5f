#include "game/screens/game_over_screen.h"

#include <string_view>

#include "game/gameplay/end_of_run.h"
#include "game/screens/screen_layout.h"
#include "game/shell/game_clock.h"

namespace glyphora {
namespace {

constexpr Colour kGameOverText = 0xFF606060;

// One line centred horizontally in a box the width of the window.
void DrawLine(Game& game, FontName font, std::string_view text, int top, int bottom) {
    DrawFontText(game.renderer, game.fonts[font], text, {0, top, kWindowWidth, bottom}, DT_CENTER, kGameOverText);
}

void DrawButtons(Game& game) {
    PlaceScreenButtons(game, ScreenKind::GameOver);
    ImageButton* buttons = game.widgets.imageButtons;
    if (NameToEnter(game.run)) {
        DrawImageButton(game.renderer, game.pointer, buttons[OkButton]);
        return;
    }
    DrawImageButton(game.renderer, game.pointer, buttons[PlayAgainButton]);
    DrawImageButton(game.renderer, game.pointer, buttons[BackButton]);
}

void OpenNameEntryWhenDue(Game& game) {
    TextField& field = game.widgets.nameEntryField;
    if (field.active || Elapsed(GameTime(game), game.screen.gameOverEnterTime) < kNameEntryDelayMs) return;
    SetFieldActive(field, true);
}

}  // namespace

void DrawGameOverScreen(Game& game) {
    DrawButtons(game);
    if (game.store.cheated()) {
        DrawLine(game, GameOverFont28a, "Cheater!", 170, 210);
        return;
    }
    const EndOfRun& end = game.run.ending;
    DrawLine(game, GameOverFont28a, end.scoreLine.data(), 135, 175);
    DrawLine(game, GameOverFont28b, end.levelLine.data(), 165, 205);
    if (!NameToEnter(game.run)) return;
    OpenNameEntryWhenDue(game);
    DrawLine(game, GameOverFont22, end.rankLine.data(), 215, 365);
    DrawLine(game, GameOverFont22, "Type your name below:", 240, 390);
    DrawTextField(game.renderer, game.pointer, game.widgets.nameEntryField);
}

}  // namespace glyphora
