#include "game/shell/screen_buttons.h"

#include "game/shell/game.h"

namespace glyphora {
namespace {

void PlaceSet(Game& game, const ButtonSet& set, bool enable) {
    for (const ButtonAt& at : set.places) {
        ImageButton& button = game.widgets.imageButtons[at.button];
        PlaceButton(button, at.x, at.y);
        if (enable) button.enabled = true;
    }
}

}  // namespace

const ScreenDefinition& ScreenOf(const Game& game, ScreenKind kind) {
    return *game.screens[static_cast<std::size_t>(kind)];
}

const ScreenDefinition& CurrentScreen(const Game& game) { return ScreenOf(game, game.screen.current); }

const ButtonSet& CurrentButtons(const Game& game) {
    const ScreenDefinition& screen = CurrentScreen(game);
    return screen.buttons[screen.buttonState ? static_cast<std::size_t>(screen.buttonState(game)) : 0];
}

void EnableScreenButtons(Game& game) {
    for (ImageButton& button : game.widgets.imageButtons) button.enabled = false;
    PlaceSet(game, CurrentButtons(game), true);
}

void PlaceScreenButtons(Game& game) { PlaceSet(game, CurrentButtons(game), false); }

void PlaceButton(ImageButton& button, int x, int y) {
    button.x = x;
    button.y = y;
    button.rect = MakeRect(x, y, button.sprite.srcW, button.sprite.srcH);
}

void PressButton(Game& game, ImageButtonName name) {
    for (const ButtonAt& at : CurrentButtons(game).places) {
        if (at.button != name) continue;
        if (at.action) at.action(game);
        return;
    }
}

void BindButtonActions(Game& game) {
    for (int name = 0; name < kImageButtonCount; ++name)
        game.widgets.imageButtons[name].onClick = [&game, name] { PressButton(game, ImageButtonName(name)); };
}

}  // namespace glyphora
