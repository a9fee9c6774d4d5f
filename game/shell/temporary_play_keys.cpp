#include "game/shell/temporary_play_keys.h"

#include "game/gameplay/progression.h"
#include "game/gameplay/run_rules.h"
#include "game/shell/game_clock.h"
#include "platform/keys.h"

namespace glyphora {

void StartTemporaryRun(Game& game) {
    game.run.freeGame = false;
    game.settings.difficulty = 1;  // Medium
    NewGame(game);
}

void TemporaryPlayKeys(Game& game, int key) {
    const bool playing = game.screen.current == ScreenKind::Play;
    switch (key) {
        case vk::F1: SetPaused(game, !game.shell.paused, PauseReason::Key); break;
        case vk::Enter:
            if (playing) Detonate(game);
            break;
        case vk::F3: NewGame(game); break;
        case vk::Escape: game.platform.messages->postQuit(0); break;
        default: break;
    }
}

}  // namespace glyphora
