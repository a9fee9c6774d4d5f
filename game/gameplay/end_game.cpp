#include "game/gameplay/end_game.h"

#include "game/audio/music.h"
#include "game/audio/sound_effects.h"
#include "game/shell/game_clock.h"
#include "game/shell/screens.h"

namespace glyphora {

// The summary, the rank in the local table and the name entry arrive with the
// game-over screen; until then the run only stops here.
void EndGame(Game& game) {
    if (game.shell.paused) SetPaused(game, false);
    SwitchScreen(game, ScreenKind::GameOver);
    PlayEffect(game, GameOverSound);
    StopAllMusic(game);
}

}  // namespace glyphora
