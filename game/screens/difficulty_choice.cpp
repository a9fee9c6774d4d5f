// The difficulty choice that follows the first-run screen: the selector on
// the game's difficulty, two lines of explanation and OK.
#include "game/screens/difficulty_selector.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_screens.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

constexpr Colour kLineColour = 0xFFDADADA;
constexpr Rect kQuestionRect{0, 166, kWindowWidth, 216};
constexpr Rect kNoteRect{0, 256, kWindowWidth, 306};

}  // namespace

void DrawDifficultyChoice(Game& game) {
    PlaceScreenButtons(game, ScreenKind::DifficultyChoice);
    DrawDifficultySelector(game, kChoiceSelectorTop, game.settings.difficulty);
    Font& font = game.fonts[MenuFont26];
    DrawFontText(game.renderer, font, "Choose the difficulty:", kQuestionRect, DT_CENTER | DT_VCENTER, kLineColour);
    DrawFontText(game.renderer, font, "Note that you can later change this option in Settings", kNoteRect,
                 DT_CENTER | DT_VCENTER, kLineColour);
    DrawButton(game, OkButton);
}

}  // namespace glyphora
