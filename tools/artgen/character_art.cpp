// Pictures with the game's characters: the main menu's peeking pictures, the
// first-run screen's pictures and note heading, the help pictures, the
// credits finale, the splash wordmark and the window icon.
#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/figures.h"
#include "tools/artgen/hud_palette.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/painters.h"
#include "tools/artgen/props.h"

namespace glyphora::artgen {
namespace {

namespace r = regions;

const Rgb kSpark = Hex(0xFFC61A);
const Rgb kArrow = Hex(0xB4B4BC);

// A peeking character leans in from the right edge of its 170 × 140 picture,
// its fingers curled over that edge.
void Peek(cairo_t* cr, const Studio& studio, const Character& character, double fingersY) {
    DrawCharacter(cr, studio, character, 132, 76);
    const Rgb colour =
        character.tile.style == kTnt ? tone::HazardRed : StyleColour(character.tile.style, character.tile.subLevel);
    DrawFingers(cr, 170, fingersY, 3, 9, colour, true);
}

void PeekPicture(cairo_t* cr, const Studio& studio, int index) {
    switch (index) {
        case 0:
            Peek(cr, studio, {{0, 0, 0, 'G', 2.0, -12}, Mood::Happy, -0.8, -0.1}, 58);
            DrawSparkle(cr, 26, 34, 8, kSpark);
            break;
        case 1:
            Peek(cr, studio, {{1, 0, 1, 'A', 1.85, -10}, Mood::Surprised, -0.7, -0.5}, 64);
            DrawText(cr, "!", 40, 18, 24, 40, studio.Heavy(40, Hex(0xC0C0C8)));
            break;
        case 2: Peek(cr, studio, {{2, 3, 2, 'Y', 1.95, -14}, Mood::Wink, -0.8, 0}, 60); break;
        case 3: Peek(cr, studio, {{0, kTnt, 0, 'T', 2.0, -8}, Mood::Nervous, -0.8, 0.2}, 62); break;
        case 4:
            Peek(cr, studio, {{1, 6, 0, 'H', 1.75, -6}, Mood::Happy, -0.8, -0.2}, 70);
            DrawBubble(cr, 4, 8, 50, 34, 40, 52, Hex(0xFFFFFF), Hex(0xCFCFD6));
            DrawText(cr, "HI!", 4, 8, 50, 34, studio.Heavy(24, Hex(0x8C8C96)));
            break;
        default:
            Peek(cr, studio, {{1, 1, 4, '8', 1.9, -10}, Mood::Cool, 0, 0}, 62);
            DrawSparkle(cr, 30, 40, 7, kSpark);
            break;
    }
}

void PaintPeekPictures(Canvases& canvases, Studio& studio) {
    canvases.design2.Paint(r::PeekPictures,
                           [&studio](cairo_t* cr, r::Frame, int index) { PeekPicture(cr, studio, index); });
    canvases.design3.Paint(r::PeekPicture5, [&studio](cairo_t* cr, r::Frame, int) { PeekPicture(cr, studio, 5); });
}

void PaintIntroPictures(Canvases& canvases, Studio& studio) {
    canvases.design2.Paint(r::IntroStopPicture, [&studio](cairo_t* cr, r::Frame, int) {
        DrawStopSign(cr, studio, 124, 66, 60);
        Fill(cr, RoundedRect(40, 186, 150, 5, 2.5), Hex(0xE6E6EA));
        DrawCharacter(cr, studio, {{0, 4, 0, 'H', 1.0, -10}, Mood::Surprised, 0.7, -0.6}, 58, 154);
    });
    canvases.design2.Paint(r::IntroCaption, [&studio](cairo_t* cr, r::Frame, int) {
        studio.Label(cr, "FIRST TIME HERE?", 0, 0, 202, 30, studio.Title(30, tone::TitleGrey), "IntroCaption");
    });
    canvases.design2.Paint(r::IntroGreeting, [&studio](cairo_t* cr, r::Frame, int) {
        studio.Label(cr, "HO HO HO!  WELCOME ABOARD, LETTER CATCHER!", 0, 0, 482, 32, studio.Title(31, Hex(0x8C8C92)),
                     "IntroGreeting");
    });
    // The Show-note button stands at local (89, 29)–(225, 57) of the large decoration.
    canvases.design2.Paint(r::IntroDecorationLarge, [](cairo_t* cr, r::Frame, int) {
        DrawCurvedArrow(cr, 14, 8, 82, 44, -26, 4, tone::Amber);
        DrawSparkle(cr, 30, 60, 6, kSpark);
        DrawSparkle(cr, 80, 14, 5, kSpark);
        DrawSparkle(cr, 226, 16, 5, kSpark);
    });
    // ... and below the small one, centred at its x 57.
    canvases.design2.Paint(r::IntroDecorationSmall, [&studio](cairo_t* cr, r::Frame, int) {
        studio.Label(cr, "RIGHT THIS WAY", 0, 2, 132, 24, studio.Title(22, tone::TitleGrey), "IntroDecorationSmall");
        DrawCurvedArrow(cr, 57, 29, 57, 46, 0, 3.5, tone::Amber);
    });
    canvases.design2.Paint(r::NoteHeading, [&studio](cairo_t* cr, r::Frame, int) {
        const TextStyle style = studio.Title(50, tone::TitleGrey);
        const double width = TextWidth(cr, "A LITTLE NOTE", style);
        studio.Label(cr, "A LITTLE NOTE", 0, 8, 337, 52, style, "NoteHeading");
        Fill(cr, RoundedRect((337 - width) / 2, 62, width, 5, 2.5), tone::Yellow);
        DrawSparkle(cr, (337 - width) / 2 - 18, 26, 8, kSpark);
        DrawSparkle(cr, (337 + width) / 2 + 18, 40, 6, kSpark);
    });
}

// Help page pictures: the word on offer as the ground strip shows it, half
// typed, and a bonus bar part filled.
void PaintHelpPictures(Canvases& canvases, Studio& studio) {
    canvases.design2.Paint(r::HelpWordPicture, [&studio](cairo_t* cr, r::Frame, int) {
        FillInset(cr, RoundedRect(0, 0, 79, 27, 7), WordSlot(0), 3, 0.2);
        const TextStyle untyped = studio.Title(22, SubLevelPalette(0).word);
        const double whole = TextWidth(cr, "WORD", untyped), typed = TextWidth(cr, "WO", untyped);
        studio.Label(cr, "WORD", 0, 1, 79, 26, untyped, "HelpWordPicture");
        SavedState saved(cr);
        cairo_rectangle(cr, 0, 0, (79 - whole) / 2 + typed + 0.5, 27);
        cairo_clip(cr);
        DrawText(cr, "WORD", 0, 1, 79, 26, studio.Title(22, SubLevelPalette(0).typed));
    });
    canvases.design2.Paint(r::HelpBonusBarPicture, [&studio](cairo_t* cr, r::Frame, int) {
        FillShaded(cr, RoundedRect(0, 0, 141, 35, 9), ShadeOf(SubLevelPalette(0).panel, 0.3, 0.15));
        const PathFn track = RoundedRect(8, 9, 125, 17, 8.5);
        FillInset(cr, track, Darker(SubLevelPalette(0).panel, 0.3), 4, 0.18);
        {
            SavedState saved(cr);
            cairo_rectangle(cr, 0, 0, 84, 35);
            cairo_clip(cr);
            FillShaded(cr, track, {BonusFill(0), Lighter(BonusFill(0), 0.45), Darker(BonusFill(0), 0.2), 3, 3});
        }
        studio.Label(cr, "BONUS", 8, 9, 125, 18, studio.Title(15, Darker(BonusFill(0), 0.55)), "HelpBonusBarPicture");
    });
}

void PaintFinale(Canvases& canvases, Studio& studio) {
    canvases.design1.Paint(r::CreditsFinale, [&studio](cairo_t* cr, r::Frame, int) {
        studio.Label(cr, "THANK YOU!", 18, 2, 111, 33, studio.Heavy(29, tone::TitleGrey), "CreditsFinale");
        for (double x : {9.0, 138.0}) {
            const PathFn heart = [x](cairo_t* c) { HeartPath(c, x, 19, 16); };
            FillShaded(cr, heart, ShadeOf(Hex(0xE0483E), 0.35, 0.2));
        }
    });
}

}  // namespace

void PaintCharacters(Canvases& canvases, Studio& studio) {
    PaintPeekPictures(canvases, studio);
    PaintIntroPictures(canvases, studio);
    PaintHelpPictures(canvases, studio);
    PaintFinale(canvases, studio);
}

void PaintSplash(Canvases& canvases, Studio& studio) {
    canvases.splash.Paint(r::SplashLogo, [&studio](cairo_t* cr, r::Frame, int) {
        // Tile and word centred together in the picture.
        const TextStyle style = studio.Heavy(46, tone::TitleGrey, Align::Left);
        const double tile = 37, gap = 7, left = (209 - tile - gap - TextWidth(cr, "GLYPHORA", style)) / 2;
        DrawTile(cr, studio, {0, 0, 0, 'G', tile / kCell, -8}, left + tile / 2, 19.5);
        studio.Label(cr, "GLYPHORA", left + tile + gap, 2, 209 - left - tile - gap, 35, style, "SplashLogo");
    });
    canvases.splash.Paint(r::ProgressSquare, [](cairo_t* cr, r::Frame, int) {
        const PathFn square = RoundedRect(2, 2, 19, 9, 3);
        FillShaded(cr, square, {tone::Yellow, Lighter(tone::Yellow, 0.5), Darker(tone::Yellow, 0.15), 1.5, 2});
    });
}

Image PaintIcon(const Studio& studio, int size) {
    Image icon(size, size);
    ContextPtr cr = icon.NewContext();
    DrawTile(cr.get(), studio, {0, 0, 0, 'G', size / kCell, 0}, size / 2.0, size / 2.0);
    return icon;
}

}  // namespace glyphora::artgen
