#include "game/screens/window_border.h"

#include "game/shell/game.h"

namespace glyphora {

void DrawWindowBorder(Game& game, Colour colour) {
    FillRect(game.renderer, {0, 0, 1, kWindowHeight}, colour);
    FillRect(game.renderer, {kWindowWidth - 1, 0, kWindowWidth, kWindowHeight}, colour);
    FillRect(game.renderer, {0, 0, kWindowWidth, 1}, colour);
    FillRect(game.renderer, {0, kWindowHeight - 1, kWindowWidth, kWindowHeight}, colour);
}

}  // namespace glyphora
