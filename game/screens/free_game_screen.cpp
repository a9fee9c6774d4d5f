// The free-game screen: which characters fall (a check box per sub-level row
// for letters and for digits), the four sliders of the run, Start and Back.
#include "game/engine/sheet_drawing.h"
#include "game/gameplay/progression.h"
#include "game/shell/run_control.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_screens.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

constexpr int kRowCaptionsX = 67, kRowCaptionsY = 154;
constexpr int kColumnCaptionsX = 152, kColumnCaptionsY = 116;
constexpr Rect kNothingTickedNote{300, 318, 640, 350};
constexpr Colour kNoteColour = 0xFFD04020;

void DrawToggles(Game& game) {
    for (auto& row : game.widgets.freeGameToggles)
        for (ToggleButton& toggle : row) DrawToggleButton(game.renderer, game.pointer, toggle);
    DrawRegion(game.renderer, game.resources, regions::FreeGameRowCaptions, kRowCaptionsX, kRowCaptionsY);
    DrawRegion(game.renderer, game.resources, regions::FreeGameColumnCaptions, kColumnCaptionsX, kColumnCaptionsY);
}

// Start and Back, centred as a pair.
void DrawRunButtons(Game& game) {
    PlaceScreenButtons(game, ScreenKind::FreeGameSetup);
    DrawButton(game, StartFreeGameButton);
    DrawButton(game, BackButton);
}

}  // namespace

void DrawFreeGameScreen(Game& game) {
    DrawToggles(game);
    for (int slider = StartLevelSlider; slider <= MaxLivesSlider; ++slider)
        DrawSlider(game.renderer, game.resources, game.widgets.sliders[slider]);
    DrawRunButtons(game);
    if (!FreeGameHasCharacters(game))
        DrawFontText(game.renderer, game.fonts[MenuFont26], "Tick a box: nothing would fall.", kNothingTickedNote, DT_VCENTER,
                     kNoteColour);
}

}  // namespace glyphora
