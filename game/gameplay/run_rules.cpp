#include "game/gameplay/run_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "common/elapsed.h"
#include "game/gameplay/progression.h"

namespace glyphora {
namespace {

constexpr int kMessageHold = 1000;
constexpr int kMessageFade = 500;
constexpr float kPanicStep = 100;
constexpr float kPanicLimit = 750;
constexpr float kPanicDropOnLock = 500;
constexpr std::uint32_t kPanicLockMs = 4000;
constexpr int kTntLettersPerCharge = 3;
constexpr int kMaxTntCharges = 3;

}  // namespace

void ShowMessage(HudMessage& message, std::string_view text, int hold, int fade, int now) {
    message.length = static_cast<int>(std::min<std::size_t>(text.size(), HudMessage::kCapacity));
    std::copy_n(text.data(), message.length, message.text.data());
    message.text[static_cast<std::size_t>(message.length)] = '\0';
    message.start = now;
    message.hold = hold;
    message.fade = fade;
}

void ExpireMessage(HudMessage& message, int now) {
    if (message.shown() && Elapsed(now, message.start) > message.hold + message.fade) message.clear();
}

void AddToScore(ScoreStore& store, long long points) {
    const long long sum = static_cast<long long>(store.runScore()) + points;
    const long long limit = std::numeric_limits<std::int32_t>::max();
    store.setRunScore(static_cast<std::int32_t>(std::clamp(sum, -limit, limit)));
}

void CreditLetter(PlayModel& play) { AddToScore(play.store, play.store.letterValue()); }

void CreditWord(PlayModel& play, int now, PlayEvents& events) {
    RunState& run = play.run;
    const int points = play.field.word.points;
    AddToScore(play.store, static_cast<long long>(points * play.store.levelMultiplier()));
    run.lives = std::min(run.lives + 1, run.maxLives);
    run.bonusBar += static_cast<float>(points);
    if (run.bonusBar <= kBonusBarFull) return;
    events.bonus = true;
    run.bonusBar -= kBonusBarFull;
    AddToScore(play.store, play.store.runScore() / 5);
    if (!run.freeGame) ShowMessage(run.message, "! B*O*N*U*S !", kMessageHold, kMessageFade, now);
    ++run.bonusBars;
}

void LoseLife(PlayModel& play, int now, PlayEvents& events) {
    RunState& run = play.run;
    --run.lives;
    ++events.livesLost;
    UpdateLetterValue(play);
    if (!run.freeGame && run.bonusBar > 0) ShowMessage(run.message, "Bonus Bar Lost!", kMessageHold, kMessageFade, now);
    run.bonusBar = 0;
}

bool CountTntLetter(PlayModel& play, int now, PlayEvents& events) {
    RunState& run = play.run;
    if (++run.tntCatches < kTntLettersPerCharge) return false;
    run.tntCatches = 0;
    if (run.tntCharges >= kMaxTntCharges) return false;  // a fourth charge is lost
    ++run.tntCharges;
    events.tntCharge = true;
    ShowMessage(run.message, "TNT!", kMessageHold, kMessageFade, now);
    return true;
}

void Detonate(RunState& run, int now) {
    if (run.tntCharges <= 0) return;
    --run.tntCharges;
    run.blastRunning = true;
    run.blastStart = now;
    run.blastLineY = kBlastStartY;
}

void UpdateBlast(RunState& run, int now) {
    if (!run.blastRunning) return;
    run.blastLineY = kBlastStartY - static_cast<float>(Elapsed(now, run.blastStart)) * kBlastStartY / kBlastRiseMs;
    if (run.blastLineY < 0) {
        run.blastRunning = false;
        run.blastStart = 0;
    }
}

void PanicRelief(RunState& run) { run.panic = std::max(0.0f, run.panic - kPanicStep); }

void RegisterMistake(RunState& run, std::uint32_t tick, int now) {
    run.panic += kPanicStep;
    if (run.panic <= kPanicLimit) return;
    run.panicLocked = true;
    run.panicLockUntil = tick + kPanicLockMs;
    ShowMessage(run.message, "Don't Panic!", 1000, 3000, now);
    run.panic -= kPanicDropOnLock;
    ++run.panics;
}

bool PanicLocked(RunState& run, std::uint32_t tick) {
    if (!run.panicLocked) return false;
    if (Elapsed(run.panicLockUntil, tick) > 0) return true;
    run.panicLocked = false;  // seen to expire: a later wrap of the tick cannot revive it
    return false;
}

}  // namespace glyphora
