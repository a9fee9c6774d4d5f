#include "game/screens/difficulty_selector.h"

#include <algorithm>

#include "game/engine/sheet_drawing.h"
#include "game/screens/menu_buttons.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

constexpr int kBoxX = 245;
constexpr int kNameX = 322, kNameDown = 11;

}  // namespace

void DrawDifficultyName(Game& game, int difficulty, int x, int y) {
    DrawRegion(game.renderer, game.resources, regions::DifficultyNames, float(x), float(y), 0,
               std::clamp(difficulty, 0, kDifficultyCount - 1));
}

void DrawDifficultySelector(Game& game, int top, int difficulty) {
    DrawRegion(game.renderer, game.resources, regions::ScoreSelectorBox, kBoxX, float(top));
    DrawDifficultyName(game, difficulty, kNameX, top + kNameDown);
    DrawButton(game, DifficultyDownButton);
    DrawButton(game, DifficultyUpButton);
}

}  // namespace glyphora
