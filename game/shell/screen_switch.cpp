#include "game/audio/music.h"
#include "game/screens/credits_pages.h"
#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/screens.h"
#include "game/shell/saving.h"

namespace glyphora {
namespace {

constexpr char kCreditsTrack[] = "Music/Track4.ogg";

// Only Play and Credits can be paused, and only while they are shown: a
// pause left behind would stop the clock of every screen after it.
void ResumeScreenLeft(Game& game, ScreenKind kind) {
    if (game.shell.paused && kind != game.screen.current) SetPaused(game, false);
}

void SetFreeGameTogglesTakeClicks(Game& game, bool take) {
    for (auto& row : game.widgets.freeGameToggles)
        for (ToggleButton& toggle : row) toggle.toggleEnabled = take;
}

void StopSlidersFollowing(Game& game, SliderName first, SliderName last) {
    for (int i = first; i <= last; ++i) {
        game.widgets.sliders[i].active = false;
        game.widgets.sliders[i].changedWhileHeld = false;
    }
}

void LeaveSettings(Game& game) {
    game.widgets.askF3Toggle.toggleEnabled = false;
    SetFieldActive(game.widgets.defaultNameField, false);
    SaveGameSettings(game);
    StopSlidersFollowing(game, MusicVolumeSlider, SoundVolumeSlider);
    StopCurrentMusic(game);
}

void LeaveHighScores(Game& game) {
    for (TextField& field : game.widgets.groupFields) SetFieldActive(field, false);
    game.run.ending.pendingRank = 0;
}

// The table of the player's difficulty, but after a game the one its entry
// went into (the name confirmation chose it).
void EnterHighScores(Game& game) {
    game.screen.scoreView = 0;
    if (game.screen.previous != ScreenKind::GameOver) game.screen.viewedDifficulty = game.settings.difficulty;
}

// A name still to be entered is dropped unless it was just confirmed (which
// opens the high scores); the place stays pending there until they are left.
void LeaveGameOver(Game& game, ScreenKind entered) {
    SetFieldActive(game.widgets.nameEntryField, false);
    if (entered != ScreenKind::HighScores) game.run.ending.pendingRank = 0;
}

void LeaveScreen(Game& game, ScreenKind left, ScreenKind entered) {
    switch (left) {
        case ScreenKind::Play: StopAllMusic(game); break;
        case ScreenKind::FreeGameSetup:
            SetFreeGameTogglesTakeClicks(game, false);
            StopSlidersFollowing(game, StartLevelSlider, MaxLivesSlider);
            break;
        case ScreenKind::Settings: LeaveSettings(game); break;
        case ScreenKind::HighScores: LeaveHighScores(game); break;
        case ScreenKind::GameOver: LeaveGameOver(game, entered); break;
        // The intro draws with the vertex alpha; every other screen with the texture's.
        case ScreenKind::Intro: SetAlphaFromTexture(game.renderer); break;
        default: break;
    }
}

void EnterScreen(Game& game, ScreenKind entered) {
    switch (entered) {
        case ScreenKind::FreeGameSetup: SetFreeGameTogglesTakeClicks(game, true); break;
        case ScreenKind::Settings:
            game.widgets.askF3Toggle.toggleEnabled = true;
            SetFieldActive(game.widgets.defaultNameField, true);
            break;
        case ScreenKind::GameOver:
            game.screen.gameOverEnterTime = GameTime(game);
            SetFieldActive(game.widgets.nameEntryField, false);
            break;
        case ScreenKind::MainMenu:
            game.menus.peekStart = GameTime(game);
            game.run.freeGame = false;
            break;
        case ScreenKind::Help: game.screen.helpPage = 0; break;
        case ScreenKind::HighScores: EnterHighScores(game); break;
        default: break;
    }
}

void StartCredits(Game& game) {
    game.screen.creditsStart = GameTime(game);
    ResetCreditPages(game);
    StartMusic(game, kCreditsTrack);
}

}  // namespace

void SwitchScreen(Game& game, ScreenKind kind) {
    ScreenState& screen = game.screen;
    const ScreenKind left = screen.current;
    ResumeScreenLeft(game, kind);
    if (kind != ScreenKind::Intro) ResetKeyboardFocus(game);
    ReleaseKeyboardStates(game);
    game.menus.peekState = 0;
    game.menus.lastPeekEnd = GameTime(game);
    if (kind == ScreenKind::GameOver) game.screen.enteredName = game.settings.defaultName;
    if (kind == ScreenKind::Credits) StartCredits(game);
    if (left == ScreenKind::Credits) StopCurrentMusic(game);
    screen.previous = left;
    screen.current = kind;
    if (left != kind) LeaveScreen(game, left, kind);
    EnterScreen(game, kind);
    EnableScreenButtons(game, kind);
}

}  // namespace glyphora
