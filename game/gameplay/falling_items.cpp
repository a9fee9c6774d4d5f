#include "game/gameplay/falling_items.h"

#include "common/elapsed.h"
#include "game/gameplay/letter_table.h"

namespace glyphora {
namespace {

constexpr float kCatchSpinDegreesPerSecond = 1000;

bool RoundGlyph(int letter) {
    const int key = LetterTable[letter].key;
    return key == kSpaceKey || key == 'O' || key == 'D' || key == '0';
}

}  // namespace

void TypedHistory::append(char key) {
    if (count == kCapacity) {
        for (int i = 1; i < kCapacity; ++i) keys[i - 1] = keys[i];
        --count;
    }
    keys[count++] = key;
}

void RecentMisses::append(int key, std::uint32_t tick) {
    int kept = 0;
    for (int i = 0; i < count; ++i)
        if (Elapsed(tick, entries[i].tick) < kMissGraceMs) entries[kept++] = entries[i];
    count = kept;
    if (count == kCapacity) {  // more misses within the grace time than slots: the oldest goes
        for (int i = 1; i < kCapacity; ++i) entries[i - 1] = entries[i];
        --count;
    }
    entries[count++] = {key, tick};
}

bool RecentMisses::justMissed(int key, std::uint32_t tick) const {
    for (int i = 0; i < count; ++i)
        if (entries[i].key == key && Elapsed(tick, entries[i].tick) < kMissGraceMs) return true;
    return false;
}

void ClearField(PlayField& field) { field.items.clear(); }

void AdvanceItem(FallingItem& item, int now) {
    const float dt = static_cast<float>(Elapsed(now, item.lastUpdate));
    item.baseQuad = TranslateQuad(item.baseQuad, 0, dt * item.speed / 1000);
    item.angle += dt * item.spinSpeed / 1000;
    item.displayQuad = RotateQuad(item.baseQuad, item.angle);
    // The extra spin shows from the next advance on.
    if (item.spinning) item.angle += dt * kCatchSpinDegreesPerSecond / 1000;
    if (item.shrinking) {
        const float done = static_cast<float>(Elapsed(now, item.caughtTime)) / kCatchAnimationMs;
        item.displayQuad = ScaleQuad(item.displayQuad, 1 - done);
    }
    item.lastUpdate = now;
}

void StartCatchAnimation(FallingItem& item, int now, Random& random) {
    item.caughtTime = now;
    item.shrinking = random.below(2) == 1;
    item.spinning = item.shrinking ? random.below(2) == 1 : true;
    if (item.shape == 0 && RoundGlyph(item.letter)) {
        item.spinning = false;
        item.shrinking = true;
    }
}

bool CatchAnimationOver(const FallingItem& item, int now) {
    return item.beingCaught() && Elapsed(now, item.caughtTime) > kCatchAnimationMs;
}

}  // namespace glyphora
