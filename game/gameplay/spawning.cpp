#include "game/gameplay/spawning.h"

#include "game/gameplay/progression.h"

namespace glyphora {
namespace {

constexpr int kFirstBand = 250;
constexpr int kBandStep = 80;
constexpr int kTriesPerBand = 25;
constexpr int kNoGap = 50000;
constexpr int kEdgeMargin = 15;
constexpr int kShapeStyles = 14;  // styles 0-13; regions::kTntStyle is TNT's
constexpr int kTntOdds = 20;
constexpr float kTntBoost = 2.5f;
constexpr float kSpinPerSubLevel = 10;

int RandomX(const PlayField& field, Random& random) { return random.below(field.width - 80) + kEdgeMargin; }

struct Try {
    int x = 0;
    int leftGap = kNoGap;
    int rightGap = kNoGap;
};

// The gaps to the nearest items on either side among those whose top lies
// within band; false when the new item would touch one of them.
bool MeasureGaps(const PlayField& field, int band, Try& t) {
    const int itemSize = static_cast<int>(kItemSize);
    for (const FallingItem& item : field.items) {
        if (QuadExtreme(item.baseQuad, QuadSide::Top) > static_cast<float>(band)) continue;
        const int left = static_cast<int>(item.baseQuad.corners[0].x);
        const int right = left + itemSize;
        const auto within = [&](int x) { return x >= left && x <= right; };
        if (within(t.x) || within(t.x + itemSize)) return false;
        if (t.x - right > 0 && t.x - right < t.leftGap) t.leftGap = t.x - right;
        if (left - (t.x + itemSize) > 0 && left - (t.x + itemSize) < t.rightGap) t.rightGap = left - (t.x + itemSize);
    }
    if (t.leftGap == kNoGap) t.leftGap = t.x;
    if (t.rightGap == kNoGap) t.rightGap = field.width - (t.x + itemSize);
    return true;
}

}  // namespace

int ChooseSpawnX(const PlayField& field, Random& random) {
    Try best;
    bool chosen = false;
    int bestGap = 0;
    for (int band = kFirstBand; !chosen && band > 0; band -= kBandStep) {
        for (int i = 0; i < kTriesPerBand; ++i) {
            Try t;
            t.x = RandomX(field, random);
            if (!MeasureGaps(field, band, t) || t.leftGap + t.rightGap <= bestGap) continue;
            best = t;
            bestGap = t.leftGap + t.rightGap;
            chosen = true;
        }
    }
    return chosen ? best.x + (best.rightGap - best.leftGap) / 2 : RandomX(field, random);
}

int ChooseLetter(const RunState& run, Random& random) {
    int r = random.below(run.totalWeight);
    int chosen = 0;
    for (; chosen < kLetterCount - 1; ++chosen) {  // the last entry ends any walk
        if (run.groupEnabled[LetterTable[chosen].group]) r -= LetterTable[chosen].weight;
        if (r <= 0) break;
    }
    if (chosen == 0 && !run.groupEnabled[LetterTable[0].group])
        while (chosen < kLetterCount - 1 && !run.groupEnabled[LetterTable[chosen].group]) ++chosen;
    return chosen;
}

void SpawnItem(PlayModel& play, int now) {
    const RunState& run = play.run;
    if (run.totalWeight <= 0) return;
    const int x = ChooseSpawnX(play.field, play.random);
    FallingItem item;
    item.shape = play.random.below(3);
    item.style = play.random.below(kShapeStyles);
    item.baseQuad = MakeQuad(static_cast<float>(x), -kItemSize, kItemSize, kItemSize);
    item.displayQuad = item.baseQuad;
    item.lastUpdate = now;
    item.speed = ItemSpeed(run);
    item.spinSpeed = static_cast<float>(run.subLevel) * kSpinPerSubLevel;
    item.tnt = play.random.below(kTntOdds) == 0;
    if (item.tnt) {
        item.speed *= kTntBoost;
        item.spinSpeed *= kTntBoost;
        item.style = regions::kTntStyle;
    }
    item.letter = ChooseLetter(run, play.random);
    play.field.items.push_back(item);
}

}  // namespace glyphora
