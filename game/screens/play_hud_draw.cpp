#include "game/screens/play_hud_draw.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "game/engine/sheet_drawing.h"
#include "game/gameplay/progression.h"
#include "game/gameplay/run_rules.h"
#include "game/shell/game_clock.h"

namespace glyphora {
namespace {

constexpr int kCentred = DT_CENTER | DT_VCENTER;
constexpr int kLifeIconsPerRow = 4;
constexpr int kLifeIconStep = 24;
constexpr int kTntIconStep = 22;

// The plate behind the score and the letter value, per sub-level: of the
// panel's hue, light or dark enough that the score reads at 3.5:1 and the
// letter value at 2.5:1 where their two colours allow it (on black the best
// both can have, 2.1:1 each).
constexpr Colour kScorePlate[kSubLevelCount] = {0xFFFBFBF8, 0xFFFFE9A8, 0xFFF0A060, 0xFFF6C8C8, 0xFF626262};
constexpr Rect kScorePlateBox{556, 233, 684, 307};
constexpr int kScorePlateCorner = 3;

// A rectangle with its corners cut, as three overlapping fills.
void FillCutRect(Game& game, Rect r, int cut, Colour colour) {
    FillRect(game.renderer, {r.left + cut, r.top, r.right - cut, r.bottom}, colour);
    FillRect(game.renderer, {r.left, r.top + cut, r.right, r.bottom - cut}, colour);
    FillRect(game.renderer, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, colour);
}

// The typed part is white on every sub-level; where the word slot is light,
// a shadow one pixel down and right keeps it readable.
constexpr bool kTypedShadow[kSubLevelCount] = {true, true, true, true, false};

int TextWidth(const Font& font, std::string_view text, const Rect& box) {
    const Rect needed = MeasureText(font, text, box, DT_VCENTER);
    return needed.right - needed.left;
}

void DrawNumber(Game& game, FontName font, int value, const Rect& box, Colour colour) {
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%d", value);
    DrawFontText(game.renderer, game.fonts[font], {text, static_cast<std::size_t>(length)}, box, kCentred, colour);
}

void DrawLifeRow(Game& game, int count, float y, int s) {
    const int first = 617 - count * kLifeIconStep / 2;
    for (int i = 0; i < count; ++i)
        DrawSprite(game.renderer, game.resources.lifeIcon, float(first + i * kLifeIconStep), y, 0, s);
}

}  // namespace

// The whole word is centred in the box; its typed part and the rest follow
// each other on one line in their own colours.
void DrawWordOnOffer(Game& game, int s) {
    const CurrentWord& word = game.field.word;
    Font& font = game.fonts[HudFont30];
    const Rect box{300, 417, 500, 442};
    const std::string_view text = word.view();
    const std::size_t typed = static_cast<std::size_t>(std::clamp(game.field.progress, 0, word.length));
    const int left = box.left + (box.right - box.left - TextWidth(font, text, box)) / 2;
    const int typedWidth = TextWidth(font, text.substr(0, typed), box);
    if (kTypedShadow[s])
        DrawFontText(game.renderer, font, text.substr(0, typed), {left + 1, box.top + 1, kWindowWidth, box.bottom + 1},
                     DT_VCENTER, kPalette[s].word);
    DrawFontText(game.renderer, font, text.substr(0, typed), {left, box.top, kWindowWidth, box.bottom}, DT_VCENTER,
                 kPalette[s].typedWord);
    DrawFontText(game.renderer, font, text.substr(typed), {left + typedWidth, box.top, kWindowWidth, box.bottom},
                 DT_VCENTER, kPalette[s].word);
}

// The filled picture up to the bar's fill, then the rest of the empty one.
void DrawBonusBar(Game& game, int s) {
    const float fill = std::clamp(game.run.bonusBar, 0.0f, kBonusBarFull);
    const int full = regions::BonusBarFilled.w;
    const int filled = static_cast<int>(fill * float(full) / kBonusBarFull);
    const int empty = static_cast<int>((1 - fill / kBonusBarFull) * float(full));
    if (filled > 0) DrawRegionPart(game.renderer, game.resources, regions::BonusBarFilled, 0, filled, 0, 410, 0, s);
    if (empty > 0)
        DrawRegionPart(game.renderer, game.resources, regions::BonusBarEmpty, filled, empty, float(filled), 410, 0, s);
}

void DrawScoreAndLetterValue(Game& game, int s) {
    FillCutRect(game, kScorePlateBox, kScorePlateCorner, kScorePlate[s]);
    DrawNumber(game, HudFont36a, game.store.runScore(), {540, 230, 700, 270}, kPalette[s].score);
    DrawNumber(game, HudFont36b, game.store.letterValue(), {540, 270, 700, 310}, kPalette[s].letterValue);
}

// Full colour for the hold time, then blended towards the fade colour.
void DrawHudMessage(Game& game, int s, int now) {
    ExpireMessage(game.run.message, now);
    const HudMessage& message = game.run.message;
    if (!message.shown()) return;
    const float fading = static_cast<float>(Elapsed(now, message.start) - message.hold);
    const float t = message.fade > 0 ? std::clamp(fading / float(message.fade), 0.0f, 1.0f) : 0.0f;
    const Colour colour = BlendColours(kPalette[s].messageFade, kPalette[s].message, t);
    DrawFontText(game.renderer, game.fonts[HudFont28], message.view(), {538, 406, 700, 450}, kCentred, colour);
}

// Up to four in a row centred on x 617, the rest in a second row.
void DrawLives(Game& game, int s) {
    const int lives = std::max(game.run.lives, 0);
    DrawLifeRow(game, std::min(lives, kLifeIconsPerRow), 83, s);
    if (lives > kLifeIconsPerRow) DrawLifeRow(game, lives - kLifeIconsPerRow, 111, s);
}

void DrawLevel(Game& game, int s) {
    char text[24];
    const int length = std::snprintf(text, sizeof text, "Level %d", LevelNumber(game.run));
    DrawFontText(game.renderer, game.fonts[HudFont40], {text, static_cast<std::size_t>(length)}, {555, 25, 675, 85},
                 kCentred, kPalette[s].level);
}

// One icon per charge, the row centred on x 620.
void DrawTntCharges(Game& game, int s) {
    const int charges = game.run.tntCharges;
    if (charges <= 0) return;
    const int first = 620 - (charges * kTntIconStep - 4) / 2;
    for (int i = 0; i < charges; ++i)
        DrawRegion(game.renderer, game.resources, regions::TntChargeIcon, float(first + i * kTntIconStep), 408, 0, s);
}

}  // namespace glyphora
