#include "game/gameplay/update_play.h"

#include <cstdlib>

#include "game/gameplay/end_game.h"
#include "game/gameplay/falling_items.h"
#include "game/gameplay/progression.h"
#include "game/gameplay/run_rules.h"
#include "game/gameplay/spawning.h"
#include "game/shell/game_clock.h"

namespace glyphora {
namespace {

// The last test lies in the future only when it predates this clock's range
// (it starts at 0 and is kept between runs): then a test is due at once,
// where the plain difference would hold spawning off for weeks.
void TestForSpawn(Game& game, int now) {
    PlayField& field = game.field;
    const int since = Elapsed(now, field.lastSpawnCheck);
    if (since >= 0 && since <= kSpawnTestMs) return;
    if (static_cast<float>(std::rand() % 100) < game.run.spawnChance) SpawnItem(game);
    field.lastSpawnCheck = now;
}

// An item leaving at the bottom is remembered for a moment; an uncaught
// letter costs a life (TNT items do not).
void LeaveField(Game& game, const FallingItem& item) {
    game.field.misses.append(LetterTable[item.letter].key, game.platform.clock->tickCount());
    if (!item.beingCaught() && !item.tnt && !game.cheats.invulnerable) LoseLife(game);
}

void MoveItems(Game& game, int now) {
    std::vector<FallingItem>& items = game.field.items;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        FallingItem& item = items[i];
        AdvanceItem(item, now);
        if (CatchAnimationOver(item, now)) continue;
        if (QuadExtreme(item.displayQuad, QuadSide::Bottom) > kFallOutY) {
            LeaveField(game, item);
            continue;
        }
        if (kept != i) items[kept] = item;
        ++kept;
    }
    items.resize(kept);
}

// Items under the blast line are destroyed without points.
void ApplyBlast(Game& game, int now) {
    UpdateBlast(game, now);
    if (!game.run.blastRunning) return;
    for (FallingItem& item : game.field.items)
        if (!item.beingCaught() && QuadExtreme(item.displayQuad, QuadSide::Bottom) > game.run.blastLineY)
            StartCatchAnimation(item, now);
}

void HideIdleCursor(Game& game) {
    ShellState& shell = game.shell;
    if (!shell.cursorVisible) return;
    if (Elapsed(game.platform.clock->tickCount(), shell.lastMouseMoveTick) <= kCursorHideMs) return;
    game.platform.desktop->showCursor(false);
    shell.cursorVisible = false;
}

}  // namespace

void UpdatePlay(Game& game) {
    if (game.shell.paused) return;
    const int now = GameTime(game);
    TestForSpawn(game, now);
    MoveItems(game, now);
    ApplyBlast(game, now);
    if (game.run.lives <= 0 && game.screen.current == ScreenKind::Play) {
        EndGame(game);
        return;
    }
    TickProgression(game, now);
    HideIdleCursor(game);
    game.field.lastUpdate = now;
}

}  // namespace glyphora
