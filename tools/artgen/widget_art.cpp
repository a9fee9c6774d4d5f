// Buttons (three states downwards: normal, hover that lights up, pressed that
// sinks), the toggle box, slider pieces, selection-band arrows, and the
// difficulty selector.
#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/painters.h"

namespace glyphora::artgen {
namespace {

namespace r = regions;

struct ButtonLook {
    Rgb face, border, shadow, text;
};

// normal, hover, pressed
constexpr ButtonLook kLooks[3] = {
    {Hex(0xFBFBFB), Hex(0xC2C2C6), Hex(0xB4B4B8), Hex(0x626268)},
    {Hex(0xFFD027), Hex(0xDDA600), Hex(0xC49000), Hex(0x4E3B00)},
    {Hex(0xF0B800), Hex(0xC49000), Hex(0xC49000), Hex(0x3F3000)},
};

constexpr double kShadowDepth = 2;

// The button's body for a state; pressed bodies sit kShadowDepth lower.
PathFn ButtonBody(double w, double h, int state) {
    const double top = state == 2 ? kShadowDepth + 0.5 : 0.5;
    return RoundedRect(0.5, top, w - 1, h - kShadowDepth - 1, 6);
}

void DrawButtonBase(cairo_t* cr, double w, double h, int state) {
    const ButtonLook& look = kLooks[state];
    if (state != 2) Fill(cr, RoundedRect(0.5, kShadowDepth + 0.5, w - 1, h - kShadowDepth - 1, 6), look.shadow);
    const PathFn body = ButtonBody(w, h, state);
    FillShaded(cr, body, {look.face, Lighter(look.face, 0.55), look.face, 1.5, 0});
    Stroke(cr, body, look.border, 1);
}

// A labelled button: the label sits on the body's middle and moves with it.
void DrawLabelButton(cairo_t* cr, Studio& studio, double w, double h, int state, const std::string& label, double size,
                     const std::string& where) {
    DrawButtonBase(cr, w, h, state);
    const double top = state == 2 ? kShadowDepth : 0;
    const double bodyHeight = h - kShadowDepth - 1;
    studio.Label(cr, label, 3, top + 1, w - 6, bodyHeight - 1, studio.Title(size, kLooks[state].text), where);
}

struct LabelledButton {
    const r::Region* region;
    const char* label;
};

constexpr LabelledButton kButtons[] = {
    {&r::PlayButton, "PLAY"},
    {&r::FreeGameButton, "FREE GAME"},
    {&r::HighScoresButton, "HIGH SCORES"},
    {&r::HelpButton, "HOW TO PLAY"},
    {&r::SettingsButton, "SETTINGS"},
    {&r::CreditsButton, "CREDITS"},
    {&r::QuitButton, "QUIT"},
    {&r::BackButton, "MAIN MENU"},
    {&r::StartFreeGameButton, "START"},
    {&r::OnlineScoresButton, "ONLINE SCORES"},
    {&r::OkButton, "OK"},
    {&r::PlayAgainButton, "NEW GAME"},
    {&r::GroupsButton, "GROUPS"},
    {&r::LocalScoresButton, "LOCAL"},
    {&r::ManualButton, "MANUAL"},
    {&r::ShowNoteButton, "READ THE NOTE"},
    {&r::ContinueButton, "CONTINUE"},
    {&r::HelpPage1Button, "THE BASICS"},
    {&r::HelpPage2Button, "BONUS AND TNT"},
    {&r::HelpPage3Button, "KEYS"},
    {&r::DonateUsdButton, "DONATE  $"},
    {&r::DonateEurButton, "DONATE  \xE2\x82\xAC"},
};

void PaintLabelButtons(Canvases& canvases, Studio& studio) {
    for (const LabelledButton& button : kButtons) {
        const r::Region& region = *button.region;
        const std::string label = button.label;
        canvases.Of(region.sheet).Paint(region, [&studio, &region, label](cairo_t* cr, r::Frame frame, int) {
            const double size = region.h >= 32 ? 21 : 20;
            DrawLabelButton(cr, studio, region.w, region.h, frame.v, label, size, region.name);
        });
    }
}

// The small arrow buttons beside a difficulty name.
void PaintArrowButtons(Canvases& canvases) {
    for (const r::Region* region : {&r::DifficultyDownButton, &r::DifficultyUpButton}) {
        const bool up = region == &r::DifficultyUpButton;
        canvases.design1.Paint(*region, [up](cairo_t* cr, r::Frame frame, int) {
            const int state = frame.v;
            DrawButtonBase(cr, 22, 20, state);
            const double cy = (state == 2 ? kShadowDepth : 0) + 8.5, cx = 11, d = up ? 1 : -1;
            cairo_new_path(cr);
            cairo_move_to(cr, cx + 3.5 * d, cy);
            cairo_line_to(cr, cx - 2.5 * d, cy - 4.5);
            cairo_line_to(cr, cx - 2.5 * d, cy + 4.5);
            cairo_close_path(cr);
            SetColour(cr, kLooks[state].text);
            cairo_fill(cr);
        });
    }
}

// Toggle box: state to the right, checked downwards. The box sits towards the
// right of its 36 × 36 picture, so that column captions above can centre on it.
void PaintToggleBox(Canvases& canvases) {
    canvases.design1.Paint(r::ToggleBox, [](cairo_t* cr, r::Frame frame, int) {
        const int state = frame.u;
        const bool checked = frame.v == 1;
        const double sink = state == 2 ? 1 : 0;
        const PathFn box = RoundedRect(13.5, 7.5 + sink, 21, 21, 5);
        if (state != 2) Fill(cr, RoundedRect(13.5, 9.5, 21, 21, 5), Hex(0xC8C8CC));
        Rgb face = checked ? tone::Yellow : Hex(0xFFFFFF);
        if (state == 1) face = checked ? Hex(0xFFDE5C) : Hex(0xFFF4C4);
        if (state == 2) face = checked ? Hex(0xF0B800) : Hex(0xFFE680);
        FillShaded(cr, box, {face, checked ? face : Hex(0xEDEDED), face, 2.5, 0});
        Stroke(cr, box, state == 0 && !checked ? Hex(0xA8A8AE) : Hex(0xC49000), 1.6);
        if (!checked) return;
        cairo_new_path(cr);
        cairo_move_to(cr, 18.5, 18.5 + sink);
        cairo_line_to(cr, 22.5, 22.5 + sink);
        cairo_line_to(cr, 29.5, 13 + sink);
        SetColour(cr, Hex(0x3F3F44));
        cairo_set_line_width(cr, 3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    });
}

void PaintSliderPieces(Canvases& canvases) {
    canvases.design2.Paint(r::SliderSegment, [](cairo_t* cr, r::Frame frame, int) {
        const bool filled = frame.u == 0;
        const PathFn segment = RoundedRect(1, 3, 11, 19, 2.5);
        const Rgb face = filled ? tone::Yellow : Hex(0xE3E3E6);
        FillShaded(cr, segment, {face, Lighter(face, 0.45), Darker(face, filled ? 0.14 : 0.08), 1.5, 2.5});
    });
    // The gap between segments stays clear.
    canvases.design2.Paint(r::SliderGap, [](cairo_t*, r::Frame, int) {});
}

// The ends of the light selection band: the band colour closes in a point,
// with a small arrow turned towards the selected row.
void PaintSelectionArrows(Canvases& canvases) {
    canvases.design2.Paint(r::SelectionArrows, [](cairo_t* cr, r::Frame frame, int) {
        const bool left = frame.u == 0;
        if (!left) {
            cairo_translate(cr, 11, 0);
            cairo_scale(cr, -1, 1);
        }
        const double band[] = {12, 0, 6, 0, 0, 20, 6, 40, 12, 40};
        cairo_new_path(cr);
        RoundedPolygonPath(cr, band, 5, 1.5);
        SetColour(cr, tone::Band);
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, 10.5, 20);
        cairo_line_to(cr, 6, 15.5);
        cairo_line_to(cr, 6, 24.5);
        cairo_close_path(cr);
        SetColour(cr, Hex(0xB4B4BA));
        cairo_fill(cr);
    });
}

void PaintDifficultySelector(Canvases& canvases, Studio& studio) {
    canvases.design1.Paint(r::ScoreSelectorBox, [](cairo_t* cr, r::Frame, int) {
        const PathFn box = RoundedRect(0.5, 0.5, 209, 39, 9);
        FillInset(cr, box, Hex(0xF1F1F2), 2, 0.05);
        Stroke(cr, box, Hex(0xD6D6DA), 1);
    });
    static constexpr const char* names[] = {"EASY", "MEDIUM", "HARD"};
    static constexpr std::uint32_t colours[] = {0x6F8B3A, 0xD08A00, 0xC0281E};
    canvases.design1.Paint(r::DifficultyNames, [&studio](cairo_t* cr, r::Frame frame, int) {
        studio.Label(cr, names[frame.v], 0, 0, 52, 18, studio.Title(20, Hex(colours[frame.v])), "DifficultyNames");
    });
}

}  // namespace

void PaintWidgets(Canvases& canvases, Studio& studio) {
    PaintLabelButtons(canvases, studio);
    PaintArrowButtons(canvases);
    PaintToggleBox(canvases);
    PaintSliderPieces(canvases);
    PaintSelectionArrows(canvases);
    PaintDifficultySelector(canvases, studio);
}

}  // namespace glyphora::artgen
