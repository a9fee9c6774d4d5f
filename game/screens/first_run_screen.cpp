// The first-run screen: a short intro whose pictures fade in one after
// another, then, on request, the freeware note. Every picture here takes its
// alpha from the vertices, so each can fade on its own.
#include "game/engine/sheet_drawing.h"
#include "game/screens/intro_timeline.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_screens.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/sound_effects.h"

namespace glyphora {
namespace {

namespace r = regions;

constexpr Colour kNoteColour = 0xFF808080;
constexpr Rect kNoteRect{50, 120, 650, 380};
constexpr char kNoteText[] =
    "Glyphora is freeware.\nPlease feel free to share it!\n\n If you have any comments, visit our site. \n"
    " We appreciate any feedback!\n\n And last, but not least,\nif you score too low, nevermind,\n"
    "the voice-recognition \nwill surely come out soon... ";

void DrawDecorations(Game& game) {
    DrawRegion(game.renderer, game.resources, r::IntroDecorationLarge, 468, 374);
    DrawRegion(game.renderer, game.resources, r::IntroDecorationSmall, 568, 326);
}

void DrawNote(Game& game) {
    SetVertexAlpha(game.renderer, 255);
    DrawRegion(game.renderer, game.resources, r::NoteHeading, 181, 11);
    DrawDecorations(game);
    DrawButtonWhen(game, ShowNoteButton, false);
    DrawButtonWhen(game, ContinueButton, true);
    DrawFontText(game.renderer, game.fonts[NoteFont26], kNoteText, kNoteRect, DT_CENTER, kNoteColour);
}

// Draws the picture at its alpha once its fade has begun.
void FadeIn(Game& game, IntroFade fade, int e, const r::Region& region, int x, int y) {
    if (!IntroShows(fade, e)) return;
    SetVertexAlpha(game.renderer, IntroAlpha(fade, e));
    DrawRegion(game.renderer, game.resources, region, float(x), float(y));
}

void PlayIntroSounds(Game& game, int e) {
    const IntroSounds due = TakeIntroSounds(game.menus, e);
    if (due.stop) PlayEffect(game, Stop);
    if (due.greeting) PlayEffect(game, HoHoHo);
}

void DrawIntro(Game& game, int e) {
    FadeIn(game, kStopFade, e, r::IntroStopPicture, 238, 50);
    FadeIn(game, kCaptionFade, e, r::IntroCaption, 249, 265);
    FadeIn(game, kGreetingFade, e, r::IntroGreeting, 109, 300);
    PlayIntroSounds(game, e);
    const bool last = IntroShows(kDecorationsFade, e);
    if (last) {
        SetVertexAlpha(game.renderer, IntroAlpha(kDecorationsFade, e));
        DrawDecorations(game);
    }
    DrawButtonWhen(game, ShowNoteButton, last);  // fades in with the decorations
    DrawButtonWhen(game, ContinueButton, false);
}

}  // namespace

// The vertex alpha lasts only for this screen's own pictures: a screen that
// follows without the Continue button (F3 starts a game from here) must not
// inherit a half-faded, or still invisible, alpha.
void DrawFirstRunScreen(Game& game) {
    ClearScreenRgb(game.renderer, 255, 255, 255);
    PlaceScreenButtons(game);
    SetAlphaFromVertex(game.renderer);
    if (game.menus.noteShown) DrawNote(game);
    else DrawIntro(game, Elapsed(GameTime(game), game.menus.introStart));
    SetAlphaFromTexture(game.renderer);
}

}  // namespace glyphora

namespace glyphora {
namespace {

// The note replaces the intro's pictures: only Continue is left to press,
// and a keyboard focus passes to it.
void ShowNote(Game& game) {
    game.menus.noteShown = true;
    game.pointer.mouseDown = false;
    game.widgets.imageButtons[ShowNoteButton].enabled = false;
    game.widgets.imageButtons[ContinueButton].enabled = true;
    if (game.screen.focus >= 0) FocusButton(game, 1);
}

// The intro's two sounds are not needed again.
void ContinueFromIntro(Game& game) {
    ReleaseEffect(game, HoHoHo);
    ReleaseEffect(game, Stop);
    SwitchScreen(game, ScreenKind::DifficultyChoice);
    game.pointer.mouseDown = false;
}

// Enter presses the button that shows: the note's once it has faded in,
// then Continue.
void EnterOnIntro(Game& game) {
    if (game.menus.noteShown) ContinueFromIntro(game);
    else if (IntroShows(kDecorationsFade, Elapsed(GameTime(game), game.menus.introStart))) ShowNote(game);
    else return;
    PlayEffect(game, BtnClick);
}

// The intro draws with the vertex alpha; every other screen with the texture's.
void LeaveIntro(Game& game, ScreenKind) { SetAlphaFromTexture(game.renderer); }

constexpr ButtonAt kButtons[] = {
    {ShowNoteButton, 557, 403, ShowNote},
    {ContinueButton, 566, 404, ContinueFromIntro},
};
// Only the button that shows can take the focus: each is enabled while it does.
constexpr ImageButtonName kFocusOrder[] = {ShowNoteButton, ContinueButton};

}  // namespace

// Entering the intro leaves the cursor as it is.
extern const ScreenDefinition kIntroScreen{
    .kind = ScreenKind::Intro,
    .draw = DrawFirstRunScreen,
    .leave = LeaveIntro,
    .buttons = {{{kButtons, kFocusOrder}}},
    .keepsCursorOnEntry = true,
    .enterKey = EnterOnIntro,
};

}  // namespace glyphora
