#include "game/shell/run_control.h"

#include "game/gameplay/cheat_codes.h"
#include "game/gameplay/end_of_run.h"
#include "game/gameplay/play_keys.h"
#include "game/gameplay/progression.h"
#include "game/gameplay/run_rules.h"
#include "game/gameplay/spawning.h"
#include "game/gameplay/update_play.h"
#include "game/shell/game_clock.h"
#include "game/shell/music.h"
#include "game/shell/saving.h"
#include "game/shell/screens.h"
#include "game/shell/sound_effects.h"

namespace glyphora {
namespace {

constexpr float kCheatPanicRelief = 100;

RunSetup SetupOf(const Game& game) {
    RunSetup setup;
    setup.difficulty = game.settings.difficulty;
    setup.freeGame = game.run.freeGame;
    const Settings& s = game.settings;
    setup.freeGameValues = FreeGameParametersOf(s.startLevel, s.speedMod, s.chanceMod, s.maxLives);
    for (int k = 0; k < kSubLevelCount; ++k)
        for (int group = 0; group < kGroupCount; ++group) setup.content[k][group] = s.freeGameKeys[k][group];
    return setup;
}

void HideIdleCursor(Game& game) {
    ShellState& shell = game.shell;
    if (!shell.cursorVisible) return;
    if (Elapsed(game.platform.clock->tickCount(), shell.lastMouseMoveTick) <= kCursorHideMs) return;
    game.platform.desktop->showCursor(false);
    shell.cursorVisible = false;
}

}  // namespace

PlayModel PlayModelOf(Game& game) { return {game.run, game.field, game.cheats, game.store, game.random, game.words}; }

// A new game may start from a pause (F4): what the pause held is let go,
// the old run's music only to be stopped by the new run's start.
void NewGame(Game& game) {
    if (game.shell.paused) ResumeMusic(game);
    game.shell.paused = false;
    game.shell.pausedTotal = 0;
    PlayModel play = PlayModelOf(game);
    const PlayEvents events = StartRun(play, SetupOf(game), GameTime(game));
    SetFieldActive(game.widgets.nameEntryField, false);
    ApplyPlayEvents(game, events);
    SwitchScreen(game, ScreenKind::Play);
}

bool FreeGameHasCharacters(const Game& game) { return HasCharacters(SetupOf(game).content); }

void StartFreeGame(Game& game) {
    if (!FreeGameHasCharacters(game)) return;
    game.run.freeGame = true;
    NewGame(game);
}

void UpdatePlay(Game& game) {
    if (game.shell.paused) return;
    PlayModel play = PlayModelOf(game);
    const PlayEvents events = UpdateRun(play, GameTime(game), game.platform.clock->tickCount());
    ApplyPlayEvents(game, events);
    if (events.runOver) {
        if (game.screen.current == ScreenKind::Play) EndGame(game);
        return;
    }
    HideIdleCursor(game);
}

void HandlePlayKey(Game& game, int key) {
    PlayModel play = PlayModelOf(game);
    const bool onPlay = game.screen.current == ScreenKind::Play;
    PlayEvents cheatEvents;
    const CheatAcceptance accepted = FeedCheatMatchers(play, key, onPlay, GameTime(game), cheatEvents);
    game.run.panic -= kCheatPanicRelief * static_cast<float>(accepted.count());  // may go below 0 here
    ApplyPlayEvents(game, cheatEvents);
    if (!onPlay || game.shell.paused) return;
    ApplyPlayEvents(game, HandleRunKey(play, key, GameTime(game), game.platform.clock->tickCount(), accepted.any()));
}

void HandleCheatCharacter(Game& game, char c) {
    PlayModel play = PlayModelOf(game);
    PlayEvents events;
    CheatCharacter(play, c, game.screen.current == ScreenKind::Play, GameTime(game), events);
    ApplyPlayEvents(game, events);
}

void DetonateKey(Game& game) {
    if (!game.shell.paused) Detonate(game.run, GameTime(game));
}

void EnterSubLevel(Game& game, int k) {
    PlayModel play = PlayModelOf(game);
    PlayEvents ignored;
    SetSubLevel(play, k, false, GameTime(game), ignored);
}

void SpawnItemNow(Game& game) {
    PlayModel play = PlayModelOf(game);
    SpawnItem(play, GameTime(game));
}

void EndGame(Game& game) {
    PlayModel play = PlayModelOf(game);
    EndRun(play, GameTime(game));
    game.screen.lastAchievedPlace = 0;
    if (game.shell.paused) SetPaused(game, false);
    SwitchScreen(game, ScreenKind::GameOver);
    PlayEffect(game, GameOverSound);
    StopAllMusic(game);
}

void ConfirmName(Game& game) {
    if (!NameToEnter(game.run) || game.screen.current != ScreenKind::GameOver) return;
    const InsertResult result = EnterName(game.run, game.scores, game.store, game.screen.enteredName);
    if (result != InsertResult::kStored) return;
    game.screen.lastAchievedPlace = game.run.ending.pendingRank;
    SaveGameSettings(game);
    game.screen.viewedDifficulty = game.run.ending.difficulty;
    SwitchScreen(game, ScreenKind::HighScores);
    SaveGameScores(game);
}

// Sounds in the order the rules met them: the letter, the word's letter,
// then what the word or the letter earned.
void ApplyPlayEvents(Game& game, const PlayEvents& events) {
    if (events.tntCharge) PlayEffect(game, Tnt);
    if (events.letterSound >= 0) PlayEffect(game, Letter1 + events.letterSound);
    if (events.wordLetter) PlayEffect(game, WordLetter);
    if (events.bonus) PlayEffect(game, DoubleBonus);
    if (events.cheatsUnlocked) PlayEffect(game, HoHoHo);
    if (events.musicStopped) StopAllMusic(game);
    if (events.track > 0 || events.musicReopened) StartMusic(game, game.run.musicFile.data(), events.musicStartMs);
    if (events.musicVolumeApplied) ApplyMusicVolume(game);
}

}  // namespace glyphora
