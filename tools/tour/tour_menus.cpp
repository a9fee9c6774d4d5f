#include "tools/tour/tour_menus.h"

#include <cstdlib>
#include <string>

#include "game/screens/peek.h"
#include "game/shell/game_clock.h"
#include "game/shell/screens.h"
#include "platform/keys.h"

namespace glyphora::tour {
namespace {

// Starts the game and shows kind with the pointer outside the window.
Game& Show(TourHarness& tour, ScreenKind kind) {
    tour.startUp();
    Game& game = tour.game();
    SwitchScreen(game, kind);
    game.menus.lastPeekEnd = game.menus.lastPeekTry = GameTime(game);  // no peek unless a scene asks
    return game;
}

void PointAt(TourHarness& tour, int clientX, int clientY) {
    const Game& game = tour.game();
    tour.desktop().cursor = {game.shell.windowPos.x + clientX, game.shell.windowPos.y + clientY};
}

void PointAtButton(TourHarness& tour, ImageButtonName name) {
    const ImageButton& button = tour.game().widgets.imageButtons[name];
    PointAt(tour, button.x + button.sprite.srcW / 2, button.y + button.sprite.srcH / 2);
}

bool Capture(TourHarness& tour, const std::string& name, int settleMs = 100) {
    tour.advance(settleMs);
    return tour.capture(name);
}

// ---- Main menu --------------------------------------------------------------

const char* const kMenuButtonNames[kMainMenuButtons] = {"play",     "free-game", "high-scores", "help",
                                                        "settings", "credits",   "quit"};

bool MainMenu(TourHarness& tour) {
    Show(tour, ScreenKind::MainMenu);
    return Capture(tour, "main-menu");
}

// Each button pointed at in turn, in one visit.
bool MainMenuHovers(TourHarness& tour) {
    Show(tour, ScreenKind::MainMenu);
    tour.advance(16);  // the row takes its places in the first frame
    bool ok = true;
    for (int button = 0; button < kMainMenuButtons; ++button) {
        PointAtButton(tour, ImageButtonName(PlayButton + button));
        ok = Capture(tour, std::string("main-menu-hover-") + kMenuButtonNames[button]) && ok;
    }
    return ok;
}

// A peek as it comes by itself after the quiet pause, caught mid-slide;
// then each character at rest.
bool MainMenuPeeks(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::MainMenu);
    game.random.reseed(4);
    game.menus.lastPeekEnd = game.menus.lastPeekTry = GameTime(game) - kPeekPause - 1;
    bool ok = Capture(tour, "main-menu-peek", 620);
    for (int picture = 0; picture < kPeekPictures; ++picture) {
        game.menus.peekState = PeekState::Showing;
        game.menus.peekPicture = picture;
        game.menus.peekStart = GameTime(game) - 1000;
        ok = Capture(tour, "main-menu-peek-" + std::to_string(picture), 16) && ok;
    }
    return ok;
}

// ---- High scores --------------------------------------------------------------

void FillMediumTable(Game& game) {
    const char* names[] = {"ADA", "GRACE", "ALAN", "-- anonymous --", "LINUS"};
    const int scores[] = {48210, 31544, 20980, 11200, 4050};
    for (int rank = 1; rank <= 5; ++rank) {
        game.scores.at(1, rank).name = names[rank - 1];
        game.store.setScore(1, rank, scores[rank - 1]);
    }
}

bool HighScores(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::HighScores);
    FillMediumTable(game);
    game.settings.difficulty = 1;
    game.screen.viewedDifficulty = 1;
    game.screen.lastAchievedPlace = 2;
    return Capture(tour, "high-scores");
}

bool HighScoreGroups(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::HighScores);
    game.screen.scoreView = 1;
    const char* groups[] = {"CAT LOVERS", "THE NIGHT SHIFT", "FRIDAY CLUB", "", ""};
    for (int i = 0; i < kGroupFields; ++i) {
        game.settings.groups[i] = groups[i];
        SetFieldActive(game.widgets.groupFields[i], true);
    }
    SetFieldFocus(game.widgets.groupFields[2], true);
    return Capture(tour, "high-scores-groups");
}

bool HighScoresConnecting(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::HighScores);
    FillMediumTable(game);
    game.menus.connectionMessage = "CONNECTING TO GLYPHORA HIGH SCORES SERVER...";
    game.menus.connectionMessageShown = true;
    game.menus.connectionMessageDeadline = 0;
    return Capture(tour, "high-scores-connecting");
}

// ---- Free game and settings ---------------------------------------------------

bool FreeGame(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::FreeGameSetup);
    for (int row = 0; row < kFreeGameToggleRows; ++row) {
        game.settings.freeGameKeys[row][0] = true;
        game.settings.freeGameKeys[row][1] = row == 2;
    }
    game.settings.startLevel = 2;
    game.settings.speedMod = 5;
    game.settings.chanceMod = 7;
    game.settings.maxLives = 8;
    tour.advance(16);
    PointAtButton(tour, StartFreeGameButton);
    return Capture(tour, "free-game");
}

bool Settings(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::Settings);
    game.settings.defaultName = "PLAYER ONE";
    SetFieldActive(game.widgets.defaultNameField, true);
    SetFieldFocus(game.widgets.defaultNameField, true);
    game.settings.difficulty = 2;
    game.screen.difficultyHint = true;
    game.settings.musicVolume = 7;
    game.settings.soundVolume = 10;
    PointAt(tour, 400, 190);  // inside the hint's band, where the arrow was pressed
    return Capture(tour, "settings");
}

// ---- First run and difficulty choice -------------------------------------------

// Each step of the intro as it comes (two caught while fading in), then
// the note.
bool Intro(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::Intro);
    game.menus.introStart = GameTime(game);
    const struct {
        const char* name;
        int atMs;
    } steps[] = {{"intro-1", 2000}, {"intro-2", 5000}, {"intro-3", 6400},
                 {"intro-4", 7000}, {"intro-5", 8150}, {"intro-6", 9500}};
    bool ok = true;
    for (const auto& step : steps)
        ok = Capture(tour, step.name, step.atMs - Elapsed(GameTime(game), game.menus.introStart)) && ok;
    game.menus.noteShown = true;
    return Capture(tour, "intro-note") && ok;
}

bool DifficultyChoice(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::DifficultyChoice);
    game.settings.difficulty = 1;
    return Capture(tour, "difficulty-choice");
}

// ---- Help and the remaining headers ---------------------------------------------

bool Help(TourHarness& tour, int page) {
    Game& game = Show(tour, ScreenKind::Help);
    game.screen.helpPage = page;
    return Capture(tour, "help-page-" + std::to_string(page + 1));
}

// ---- The keyboard focus on the controls it reaches ---------------------------

void PressKeys(TourHarness& tour, std::initializer_list<int> keys) {
    for (int key : keys) tour.send({platform::MessageKind::KeyDown, static_cast<std::uint32_t>(key), 0});
}

void Tabs(TourHarness& tour, int count) {
    for (int i = 0; i < count; ++i) PressKeys(tour, {vk::Tab});
}

struct FocusShot {
    const char* name;
    int tabs;                         // Tab presses from no focus
    std::initializer_list<int> then;  // keys after them
};

bool FocusShots(TourHarness& tour, ScreenKind kind, std::initializer_list<FocusShot> shots) {
    bool ok = true;
    for (const FocusShot& shot : shots) {
        Show(tour, kind);
        tour.advance(16);
        Tabs(tour, shot.tabs);
        PressKeys(tour, shot.then);
        ok = Capture(tour, shot.name) && ok;
    }
    return ok;
}

bool FreeGameFocus(TourHarness& tour) {
    return FocusShots(tour, ScreenKind::FreeGameSetup,
                      {{"focus-free-game-box", 1, {}},
                       {"focus-free-game-box-ticked", 4, {vk::Space}},
                       {"focus-free-game-slider", 12, {vk::Right, vk::Right}},
                       {"focus-free-game-start", 15, {}}});
}

bool SettingsFocus(TourHarness& tour) {
    return FocusShots(tour, ScreenKind::Settings,
                      {{"focus-settings-name", 1, {}},
                       {"focus-settings-difficulty", 2, {vk::Left}},
                       {"focus-settings-music", 3, {vk::Left}},
                       {"focus-settings-sound", 4, {}},
                       {"focus-settings-ask-f3", 5, {}}});
}

bool HelpKeysFocus(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::Help);
    game.screen.helpPage = 2;
    PressKeys(tour, {vk::Right});
    return Capture(tour, "focus-help-keys");
}

// The intro's button once it shows, then Continue on the note.
bool IntroFocus(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::Intro);
    game.menus.introStart = GameTime(game);
    tour.advance(9500);
    PressKeys(tour, {vk::Tab});
    bool ok = Capture(tour, "focus-intro-show-note");
    PressKeys(tour, {vk::Enter});
    ok = Capture(tour, "focus-intro-continue") && ok;
    return ok;
}

bool DifficultyChoiceFocus(TourHarness& tour) {
    Show(tour, ScreenKind::DifficultyChoice).settings.difficulty = 1;
    return FocusShots(tour, ScreenKind::DifficultyChoice,
                      {{"focus-difficulty-arrows", 1, {}}, {"focus-difficulty-ok", 2, {}}});
}

// Groups pressed from the keyboard, then Down to the second name.
bool HighScoreGroupsFocus(TourHarness& tour) {
    Game& game = Show(tour, ScreenKind::HighScores);
    const char* groups[] = {"CAT LOVERS", "THE NIGHT SHIFT", "", "", ""};
    for (int i = 0; i < kGroupFields; ++i) game.settings.groups[i] = groups[i];
    PressKeys(tour, {vk::Tab, vk::Tab, vk::Enter, vk::Down});
    return Capture(tour, "focus-high-scores-group");
}

bool HelpManualFocus(TourHarness& tour) {
    Show(tour, ScreenKind::Help);
    PressKeys(tour, {vk::Right, vk::Right, vk::Right, vk::Right});
    return Capture(tour, "focus-help-manual");
}

bool CreditsDonateFocus(TourHarness& tour) {
    return FocusShots(tour, ScreenKind::Credits, {{"focus-credits-donate", 1, {}}});
}

// ---- The window scaled ----------------------------------------------------------

// The scale a 1920 x 1080 display gets at start-up, then the window manager's
// full screen on 2560 x 1440: the largest whole scale, centred, black around.
bool Scaled(TourHarness& tour) {
    tour.desktop().screen = {1920, 1080};
    Show(tour, ScreenKind::MainMenu);
    bool ok = Capture(tour, "scale-2x-on-1920x1080");
    tour.desktop().screen = {2560, 1440};
    tour.resizeWindow({2560, 1440});
    ok = Capture(tour, "full-screen-on-2560x1440") && ok;
    tour.desktop().screen = {1024, 768};
    return ok;
}

bool Header(TourHarness& tour, ScreenKind kind, const std::string& name) {
    Show(tour, kind);
    return Capture(tour, "header-" + name);
}

}  // namespace

void AddMenuScenes(std::vector<Scene>& scenes) {
    const Scene menuScenes[] = {
        {"main-menu", MainMenu},
        {"main-menu-hover", MainMenuHovers},
        {"main-menu-peek", MainMenuPeeks},
        {"high-scores", HighScores},
        {"high-scores-groups", HighScoreGroups},
        {"high-scores-connecting", HighScoresConnecting},
        {"free-game", FreeGame},
        {"settings", Settings},
        {"intro", Intro},
        {"difficulty-choice", DifficultyChoice},
        {"help-page-1", [](TourHarness& tour) { return Help(tour, 0); }},
        {"help-page-2", [](TourHarness& tour) { return Help(tour, 1); }},
        {"help-page-3", [](TourHarness& tour) { return Help(tour, 2); }},
        {"focus-free-game", FreeGameFocus},
        {"focus-settings", SettingsFocus},
        {"focus-help-keys", HelpKeysFocus},
        {"focus-intro", IntroFocus},
        {"focus-difficulty-choice", DifficultyChoiceFocus},
        {"focus-high-scores-group", HighScoreGroupsFocus},
        {"focus-help-manual", HelpManualFocus},
        {"focus-credits-donate", CreditsDonateFocus},
        {"scaled", Scaled},
        {"header-credits", [](TourHarness& tour) { return Header(tour, ScreenKind::Credits, "credits"); }},
        {"header-game-over", [](TourHarness& tour) { return Header(tour, ScreenKind::GameOver, "game-over"); }},
    };
    scenes.insert(scenes.end(), std::begin(menuScenes), std::end(menuScenes));
}

}  // namespace glyphora::tour
