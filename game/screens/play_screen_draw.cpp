#include "game/screens/play_screen_draw.h"

#include "game/engine/sheet_drawing.h"
#include "game/screens/pause_screen.h"
#include "game/screens/play_hud_draw.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/music.h"
#include "game/shell/run_control.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/screens.h"

namespace glyphora {
namespace {

void DrawBlast(Game& game) {
    if (!game.run.blastRunning) return;
    AnimatedSprite& blast = game.resources.blastAnimation;
    StepAnimation(blast, game.platform.clock->tickCount());
    DrawAnimatedSprite(game.renderer, blast, 0, game.run.blastLineY);
}

void DrawGroundAndPanel(Game& game, int s) {
    DrawRegion(game.renderer, game.resources, regions::GroundStrip, 150, 400, 0, s);
    if (game.run.freeGame) {
        const regions::Frame badge = regions::kFreeGameBadgeFrames[s];
        DrawRegion(game.renderer, game.resources, regions::FreeGameBadge, 0, 413, badge.u, badge.v);
    }
    DrawRegion(game.renderer, game.resources, regions::HudPanel, 496, 0, s, 0);
    DrawRegion(game.renderer, game.resources, regions::SideStrip, 525, 135, s, 0);
    FillRect(game.renderer, {540, 190, 700, 400}, kPalette[s].panel);
}

// Newest first, so that the oldest item ends on top. The glyph over shape 2
// is read from a cell origin 5 pixels higher, which draws it 5 pixels lower.
void DrawItems(Game& game, int s) {
    Resources& resources = game.resources;
    Sprite& glyphs = resources.letterGlyphs;
    SetLinearFiltering(game.renderer);
    const std::vector<FallingItem>& items = game.field.items;
    for (auto item = items.rbegin(); item != items.rend(); ++item) {
        DrawSpriteQuad(game.renderer, resources.itemShapes[item->shape], item->displayQuad, item->style, s);
        const LetterEntry& entry = LetterTable[item->letter];
        if (entry.key == kSpaceKey) continue;
        glyphs.srcY = item->shape == 2 ? regions::LetterGlyphsOnShape3.y : regions::LetterGlyphs.y;
        DrawSpriteQuad(game.renderer, glyphs, item->displayQuad, entry.column, entry.row);
    }
    glyphs.srcY = regions::LetterGlyphs.y;
    SetPointFiltering(game.renderer);
}

}  // namespace

void DrawPlayScreen(Game& game) {
    if (game.shell.paused) {
        DrawPauseScreen(game);
        return;
    }
    const int s = game.run.subLevel;
    ClearScreen(game.renderer, kPalette[s].background);
    DrawBlast(game);
    DrawGroundAndPanel(game, s);
    DrawItems(game, s);
    DrawWordOnOffer(game, s);
    if (!game.run.freeGame) {
        DrawBonusBar(game, s);
        DrawScoreAndLetterValue(game, s);
    }
    DrawHudMessage(game, s, GameTime(game));
    DrawLives(game, s);
    DrawLevel(game, s);
    if (!game.run.message.shown()) DrawTntCharges(game, s);
    DrawWindowBorder(game, 0xFF000000);
}

namespace {

constexpr Colour kInvulnerableBorder = 0xFFDCDC00;

// The run's screen draws its own black border, with a yellow one over it
// while the letters cost no life.
void DrawPlay(Game& game) {
    DrawPlayScreen(game);
    if (game.cheats.invulnerable) DrawWindowBorder(game, kInvulnerableBorder);
}

// Esc asks whether to quit (pausing); a second Esc ends the run.
void EscapeFromPlay(Game& game) {
    if (PausedFor(game, PauseReason::ConfirmQuit)) EndGame(game);
    else AskQuestion(game, PauseReason::ConfirmQuit);
}

// With the F3 question on, F3 asks before a new game (pausing).
void NewGameFromPlay(Game& game) {
    if (game.settings.queryF3) AskQuestion(game, PauseReason::ConfirmNewGame);
    else NewGame(game);
}

void LeavePlay(Game& game, ScreenKind) { StopAllMusic(game); }

}  // namespace

extern const ScreenDefinition kPlayScreen{
    .kind = ScreenKind::Play,
    .draw = DrawPlay,
    .leave = LeavePlay,
    .update = UpdatePlay,
    .framedByBorder = false,
    .enterKey = DetonateKey,
    .escapeKey = EscapeFromPlay,
    .newGameKey = NewGameFromPlay,
    .canPause = true,
};

}  // namespace glyphora
