#include "game/gameplay/update_play.h"

#include "common/elapsed.h"
#include "game/gameplay/falling_items.h"
#include "game/gameplay/progression.h"
#include "game/gameplay/run_rules.h"
#include "game/gameplay/spawning.h"

namespace glyphora {
namespace {

// The last test lies in the future only when it predates this clock's range
// (it starts at 0 and is kept between runs): then a test is due at once,
// where the plain difference would hold spawning off for weeks.
void TestForSpawn(PlayModel& play, int now) {
    PlayField& field = play.field;
    const int since = Elapsed(now, field.lastSpawnCheck);
    if (since >= 0 && since <= kSpawnTestMs) return;
    if (static_cast<float>(play.random.below(100)) < play.run.spawnChance) SpawnItem(play, now);
    field.lastSpawnCheck = now;
}

// An item leaving at the bottom is remembered for a moment; an uncaught
// letter costs a life (TNT items do not).
void LeaveField(PlayModel& play, const FallingItem& item, int now, std::uint32_t tick, PlayEvents& events) {
    play.field.misses.append(LetterTable[item.letter].key, tick);
    if (!item.beingCaught() && !item.tnt && !play.cheats.invulnerable) LoseLife(play, now, events);
}

void MoveItems(PlayModel& play, int now, std::uint32_t tick, PlayEvents& events) {
    std::vector<FallingItem>& items = play.field.items;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        FallingItem& item = items[i];
        AdvanceItem(item, now);
        if (CatchAnimationOver(item, now)) continue;
        if (QuadExtreme(item.displayQuad, QuadSide::Bottom) > kFallOutY) {
            LeaveField(play, item, now, tick, events);
            continue;
        }
        if (kept != i) items[kept] = item;
        ++kept;
    }
    items.resize(kept);
}

// Items under the blast line are destroyed without points.
void ApplyBlast(PlayModel& play, int now) {
    UpdateBlast(play.run, now);
    if (!play.run.blastRunning) return;
    for (FallingItem& item : play.field.items)
        if (!item.beingCaught() && QuadExtreme(item.displayQuad, QuadSide::Bottom) > play.run.blastLineY)
            StartCatchAnimation(item, now, play.random);
}

}  // namespace

PlayEvents UpdateRun(PlayModel& play, int now, std::uint32_t tick) {
    PlayEvents events;
    TestForSpawn(play, now);
    MoveItems(play, now, tick, events);
    ApplyBlast(play, now);
    if (play.run.lives <= 0) {
        events.runOver = true;
        return events;
    }
    TickProgression(play, now, events);
    play.field.lastUpdate = now;
    return events;
}

}  // namespace glyphora
