// The high-score screen: the local table of one difficulty with the selector
// to choose it, or the five group names; below them the button row, or the
// message of the online exchange while one is under way.
#include <algorithm>
#include <charconv>

#include "game/engine/selection_band.h"
#include "game/engine/sheet_drawing.h"
#include "game/screens/difficulty_selector.h"
#include "game/screens/menu_buttons.h"
#include "game/screens/menu_screens.h"
#include "game/screens/screen_rows.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/main_loop.h"
#include "game/shell/online_scores.h"
#include "game/shell/screen_actions.h"
#include "game/shell/screen_buttons.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

constexpr int kFirstRowTop = 160, kRowStep = 40, kRowHeight = 50;
constexpr int kNameRight = 335, kScoreLeft = 365, kScoreRight = 565;
constexpr Colour kAchievedColour = 0xFFAEE400;
constexpr Colour kMessageColour = 0xFF666666;
constexpr int kMessageLeft = 70, kMessageRight = 630, kMessageHeight = 29;
constexpr int kGroupNumberX = 173;
constexpr int kSelectorTop = 105;  // the difficulty selector box; its arrows stand kArrowsDown below
constexpr int kArrowsDown = 10;
constexpr int kDownArrowX = 275, kUpArrowX = 397;

// An expired message gives the row back to the buttons.
void ExpireConnectionMessage(Game& game) {
    MenuState& menus = game.menus;
    if (menus.connectionMessageDeadline != 0 && Elapsed(GameTime(game), menus.connectionMessageDeadline) > 0) {
        menus.connectionMessageShown = false;
        menus.connectionMessageDeadline = 0;
    }
}

void DrawButtonRow(Game& game) {
    const bool shown = !game.menus.connectionMessageShown;
    for (ImageButtonName name : {LocalScoresButton, GroupsButton, OnlineScoresButton, BackButton})
        DrawButtonWhen(game, name, shown);
    if (shown) return;
    const int y = game.widgets.imageButtons[OnlineScoresButton].y;
    DrawFontText(game.renderer, game.fonts[MessageFont26], game.menus.connectionMessage,
                 {kMessageLeft, y, kMessageRight, y + kMessageHeight}, DT_CENTER | DT_VCENTER, kMessageColour);
}

// An empty place (no name: nobody has reached it yet) is left blank.
void DrawTableRow(Game& game, int difficulty, int place, Colour colour) {
    if (game.scores.at(difficulty, place).name.empty()) return;
    const int top = kFirstRowTop + kRowStep * (place - 1);
    Font& font = game.fonts[ScoresFont26];
    DrawFontText(game.renderer, font, game.scores.at(difficulty, place).name, {0, top, kNameRight, top + kRowHeight},
                 DT_RIGHT, colour);
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, game.store.score(difficulty, place)).ptr;
    DrawFontText(game.renderer, font, std::string_view(digits, std::size_t(end - digits)),
                 {kScoreLeft, top, kScoreRight, top + kRowHeight}, DT_LEFT, colour);
}

void DrawLocalTable(Game& game) {
    const int viewed = std::clamp(game.screen.viewedDifficulty, 0, kDifficultyCount - 1);
    const bool playedHere = viewed == game.settings.difficulty;
    for (int place = 1; place <= ScoreStore::kRanks; ++place) {
        const bool achieved = playedHere && place == game.screen.lastAchievedPlace;
        DrawTableRow(game, viewed, place, achieved ? kAchievedColour : TextGrey);
    }
    FillRect(game.renderer, {350, 150, 351, 360}, 0xFF808080);
    FillRect(game.renderer, {349, 150, 350, 360}, TextGrey);
    DrawDifficultySelector(game, kSelectorTop, viewed);
}

void DrawGroupField(Game& game, int i) {
    TextField& field = game.widgets.groupFields[i];
    if (field.focused) {
        DrawSelectionArrow(game.renderer, game.resources, field.x - 21, field.y + 5, false);
        DrawSelectionArrow(game.renderer, game.resources, field.x + field.w + 10, field.y + 5, true);
        FillRect(game.renderer, {field.x - 10, field.y + 5, field.x + field.w + 10, field.y + 5 + field.h},
                 kSelectionBandColour);
    }
    DrawTextField(game.renderer, game.pointer, field);
    DrawRegion(game.renderer, game.resources, regions::GroupNumbers, kGroupNumberX,
               float(field.y + field.h - regions::GroupNumbers.h), 0, i);
}

}  // namespace

void DrawHighScoreScreen(Game& game) {
    PlaceScreenButtons(game);
    ExpireConnectionMessage(game);
    DrawButtonRow(game);
    const bool local = game.screen.scoreView == 0;
    game.widgets.imageButtons[DifficultyDownButton].enabled = local;
    game.widgets.imageButtons[DifficultyUpButton].enabled = local;
    if (local) {
        DrawLocalTable(game);
    } else {
        for (int i = 0; i < kGroupFields; ++i) DrawGroupField(game, i);
    }
}

}  // namespace glyphora

namespace glyphora {
namespace {

// A keyboard focus on the Groups button moves into the first group name.
template <int View>
void ShowScoreView(Game& game) {
    game.screen.scoreView = View;
    for (TextField& field : game.widgets.groupFields) SetFieldActive(field, View == 1);
    if (View == 1 && game.screen.focus >= 0) FocusButton(game, 0);
}

// The connection message shows for one frame before the exchange blocks.
void OnlineScores(Game& game) {
    MenuState& menus = game.menus;
    menus.connectionMessage = kConnectingMessage;
    menus.connectionMessageShown = true;
    menus.connectionMessageDeadline = 0;
    DrawFrame(game);
    ExchangeOnlineScores(game);
}

void ShowTable(Game& game, int step) {
    game.screen.viewedDifficulty = std::clamp(game.screen.viewedDifficulty + step, 0, kDifficultyCount - 1);
}
void ShowEasierTable(Game& game) { ShowTable(game, -1); }
void ShowHarderTable(Game& game) { ShowTable(game, +1); }

// The local table first, of the player's difficulty; after a game the name
// confirmation chose the table the entry went into.
void EnterHighScores(Game& game) {
    game.screen.scoreView = 0;
    if (game.screen.previous != ScreenKind::GameOver) game.screen.viewedDifficulty = game.settings.difficulty;
}

// A place that waits is dropped once the table is left.
void LeaveHighScores(Game& game, ScreenKind) {
    for (TextField& field : game.widgets.groupFields) SetFieldActive(field, false);
    game.run.ending.pendingRank = 0;
}

// Up and Down show the table of the next harder or easier difficulty; over
// the group names they walk the fields.
void ArrowOnHighScores(Game& game, int key) {
    if (game.screen.scoreView == 1) MoveFocusAlong(game, key);
    else if (key == vk::Up) ShowHarderTable(game);
    else if (key == vk::Down) ShowEasierTable(game);
    else MoveFocusAlong(game, key);
}

constexpr auto kButtons = Joined(CentredRow<4>(10, {{
                                                       {LocalScoresButton, 0, kButtonRowY, ShowScoreView<0>},
                                                       {GroupsButton, 0, kButtonRowY, ShowScoreView<1>},
                                                       {OnlineScoresButton, 0, kButtonRowY, OnlineScores},
                                                       {BackButton, 0, kButtonRowY, ShowMainMenu},
                                                   }}),
                                 std::array<ButtonAt, 2>{{
                                     {DifficultyDownButton, kDownArrowX, kSelectorTop + kArrowsDown, ShowEasierTable},
                                     {DifficultyUpButton, kUpArrowX, kSelectorTop + kArrowsDown, ShowHarderTable},
                                 }});
constexpr ImageButtonName kFocusOrder[] = {LocalScoresButton, GroupsButton, OnlineScoresButton, BackButton};
// The group names come first while they show (a field is a stop only then).
constexpr FocusControl kFocusControls[] = {
    {FocusKind::GroupField, 0}, {FocusKind::GroupField, 1}, {FocusKind::GroupField, 2},
    {FocusKind::GroupField, 3}, {FocusKind::GroupField, 4},
};
static_assert(std::size(kFocusControls) == kGroupFields);

}  // namespace

extern const ScreenDefinition kHighScoreScreen{
    .kind = ScreenKind::HighScores,
    .draw = DrawHighScoreScreen,
    .enter = EnterHighScores,
    .leave = LeaveHighScores,
    .frame = {&regions::HeaderCapLong, &regions::HeaderTabHighScores, &regions::CornerHighScores},
    .buttons = {{{kButtons, kFocusOrder}}},
    .focusControls = kFocusControls,
    .enterKey = ActivateFocusedButton,
    .escapeKey = ShowMainMenu,
    .arrowKey = ArrowOnHighScores,
};

}  // namespace glyphora
