// The help screen: two pages that explain the game beside pictures taken
// from the game's own sheets, a page of the keys, and a row of buttons to
// turn the pages, open the manual or go back.
#include "game/engine/sheet_drawing.h"
#include "game/online/external_links.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_screens.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

constexpr Colour kHelpColour = 0xFF808080;
constexpr int kTextLeft = 170, kTextRight = 670, kTextHeight = 500;
constexpr int kPictureColumn = 170;  // the pictures are centred left of the text
constexpr int kItemX = 52;
constexpr int kHelpPages = 3;

struct HelpLine {
    int y;
    const char* text;
};

constexpr HelpLine kPage1[] = {
    {130, "This is a letter. You receive some points for each letter you successfully \n"
          "catch by pressing appropriate keyboard key."},
    {190, "On the other hand, for each letter that reaches the bottom, you lose one \n"
          "of your lives. When you lose all your lives, the game is over."},
    {250, "Points are the only thing that matters. More points you have, so more you rock."},
    {288, "This is a word. When you manage to type it without making any mistake, \n"
          "you receive one more life up to maximum of eight."},
};
constexpr HelpLine kPage2[] = {
    {155, "This is the bonus bar. It fills slowly as you successfully write the words. \n"
          "When it reaches the end, you immediately receive reward equal to \n20% of your current score points."},
    {238, "And finally, this is a TNT letter. If you catch three of those, you can blow a TNT \n"
          "by pressing Enter, instantly destroying all the letters on the screen. \nEnjoy the fireworks!"},
};

// The keys page: the key in the left column, what it does on the right.
struct KeyLine {
    const char* key;
    const char* text;
};
constexpr KeyLine kKeys[] = {
    {"F1", "Pause the game, or go on."},
    {"F3 / F4", "A new game; when it asks first, F4 says yes."},
    {"Esc", "Main menu. In a game it asks; Esc again ends it."},
    {"F5 - F8", "Music volume down / up (F5, F6), sound volume (F7, F8)."},
    {"F11, F12", "Window size 1x, 2x, 3x in turn; minimise and pause."},
    {"A-Z, 0-9", "Catch a falling one; the space bar catches a space."},
    {"The word", "Type it without a mistake for a life; ANOTHER swaps it."},
    {"Enter", "In a game, blow a TNT charge: three TNT letters caught."},
    {"Panic lock", "Keys hammered at random lock the play for four seconds."},
    {"Tab, arrows", "Move the focus; Left / Right set a slider or a choice."},
    {"Enter, Space", "Press the focused button; Space ticks a box."},
    {"Up / Down", "High scores: a harder / easier table."},
};
constexpr int kKeysTop = 102, kKeysPitch = 22;
constexpr Colour kKeyColour = 0xFF505050;

template <std::size_t N>
void DrawLines(Game& game, const HelpLine (&lines)[N]) {
    for (const HelpLine& line : lines)
        DrawFontText(game.renderer, game.fonts[HelpFont22], line.text,
                     {kTextLeft, line.y, kTextRight, line.y + kTextHeight}, DT_LEFT, kHelpColour);
}

// A falling item as the play screen shows it: the backing shape of a style
// with a glyph cell over it.
void DrawItem(Game& game, int y, int style, int glyphU, int glyphV) {
    Resources& r = game.resources;
    DrawSprite(game.renderer, r.itemShapes[0], kItemX, float(y), style, 0);
    DrawSprite(game.renderer, r.letterGlyphs, kItemX, float(y), glyphU, glyphV);
}

void DrawCentredLeft(Game& game, const regions::Region& region, int y) {
    DrawRegion(game.renderer, game.resources, region, float((kPictureColumn - region.w) / 2), float(y));
}

void DrawPage1(Game& game) {
    DrawLines(game, kPage1);
    DrawItem(game, 158, 6, 4, 0);
    DrawCentredLeft(game, regions::HelpWordPicture, 290);
}

void DrawPage2(Game& game) {
    DrawLines(game, kPage2);
    DrawCentredLeft(game, regions::HelpBonusBarPicture, 155);
    DrawItem(game, 240, regions::kTntStyle, 5, 2);
}

void DrawPage3(Game& game) {
    Font& font = game.fonts[HelpFont22];
    int y = kKeysTop;
    for (const KeyLine& line : kKeys) {
        DrawFontText(game.renderer, font, line.key, {0, y, kPictureColumn - 10, y + kKeysPitch}, DT_RIGHT, kKeyColour);
        DrawFontText(game.renderer, font, line.text, {kTextLeft, y, kTextRight, y + kKeysPitch}, DT_LEFT, kHelpColour);
        y += kKeysPitch;
    }
}

void DrawButtonRow(Game& game) {
    PlaceScreenButtons(game);
    for (ImageButtonName name : {HelpPage1Button, HelpPage2Button, HelpPage3Button, ManualButton, BackButton})
        DrawButton(game, name);
}

}  // namespace

void DrawHelpScreen(Game& game) {
    DrawButtonRow(game);
    if (game.screen.helpPage == 0) DrawPage1(game);
    else if (game.screen.helpPage == 1) DrawPage2(game);
    else DrawPage3(game);
}

}  // namespace glyphora

namespace glyphora {
namespace {

template <int Page>
void ShowHelpPage(Game& game) {
    game.screen.helpPage = Page;
}

void OpenTheManual(Game& game) { OpenManual(*game.platform.shell, *game.platform.files); }

void EnterHelp(Game& game) { game.screen.helpPage = 0; }

// The first focus key focuses the button of the page shown.
void ArrowOnHelp(Game& game, int key) {
    if ((key == vk::Left || key == vk::Right || key == vk::Tab) && game.screen.focus < 0)
        FocusButton(game, std::clamp(game.screen.helpPage, 0, kHelpPages - 1));
    else MoveFocusAlong(game, key);
}

// The three pages, Manual and Back, 10 apart; the page-2 and manual buttons
// stand one pixel lower than the others.
constexpr auto kButtons = CentredRow<5>(10, {{
                                                {HelpPage1Button, 0, kButtonRowY, ShowHelpPage<0>},
                                                {HelpPage2Button, 0, kButtonRowY + 1, ShowHelpPage<1>},
                                                {HelpPage3Button, 0, kButtonRowY, ShowHelpPage<2>},
                                                {ManualButton, 0, kButtonRowY + 1, OpenTheManual},
                                                {BackButton, 0, kButtonRowY, ShowMainMenu},
                                            }});
constexpr ImageButtonName kFocusOrder[] = {HelpPage1Button, HelpPage2Button, HelpPage3Button, ManualButton, BackButton};

}  // namespace

extern const ScreenDefinition kHelpScreen{
    .kind = ScreenKind::Help,
    .draw = DrawHelpScreen,
    .enter = EnterHelp,
    .frame = {&regions::HeaderCapLong, &regions::HeaderTabHelp, &regions::CornerHelp},
    .buttons = {{{kButtons, kFocusOrder}}},
    .enterKey = ActivateFocusedButton,
    .escapeKey = ShowMainMenu,
    .arrowKey = ArrowOnHelp,
};

}  // namespace glyphora
