#include "game/gameplay/end_game.h"

#include "game/audio/music.h"
#include "game/audio/sound_effects.h"
#include "game/gameplay/game_over_screen.h"
#include "game/gameplay/progression.h"
#include "game/shell/game_clock.h"
#include "game/shell/screens.h"

namespace glyphora {

void EndGame(Game& game) {
    RunState& run = game.run;
    EndOfRun& end = run.ending;
    if (run.freeGame) end.survivalEnd = GameTime(game);
    end.difficulty = RunDifficulty(game);
    end.finalScore = game.store.runScore();
    end.pendingRank = RankFor(game.store, end.difficulty, end.finalScore, run.freeGame);
    game.screen.lastAchievedPlace = 0;
    ComposeGameOverLines(game);
    if (game.shell.paused) SetPaused(game, false);
    SwitchScreen(game, ScreenKind::GameOver);
    PlayEffect(game, GameOverSound);
    StopAllMusic(game);
}

}  // namespace glyphora
