#include "game/gameplay/run_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "game/audio/sound_effects.h"
#include "game/gameplay/progression.h"
#include "game/shell/game_clock.h"

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

void ShowMessage(Game& game, std::string_view text, int hold, int fade) {
    HudMessage& message = game.run.message;
    message.length = static_cast<int>(std::min<std::size_t>(text.size(), HudMessage::kCapacity));
    std::copy_n(text.data(), message.length, message.text.data());
    message.text[static_cast<std::size_t>(message.length)] = '\0';
    message.start = GameTime(game);
    message.hold = hold;
    message.fade = fade;
}

void ExpireMessage(Game& game, int now) {
    HudMessage& message = game.run.message;
    if (message.shown() && Elapsed(now, message.start) > message.hold + message.fade) message.clear();
}

void AddToScore(Game& game, long long points) {
    const long long sum = static_cast<long long>(game.store.runScore()) + points;
    const long long limit = std::numeric_limits<std::int32_t>::max();
    game.store.setRunScore(static_cast<std::int32_t>(std::clamp(sum, -limit, limit)));
}

void CreditLetter(Game& game) { AddToScore(game, game.store.letterValue()); }

void CreditWord(Game& game) {
    RunState& run = game.run;
    const int points = game.field.word.points;
    AddToScore(game, static_cast<long long>(points * game.store.levelMultiplier()));
    run.lives = std::min(run.lives + 1, run.maxLives);
    run.bonusBar += static_cast<float>(points);
    if (run.bonusBar <= kBonusBarFull) return;
    PlayEffect(game, DoubleBonus);
    run.bonusBar -= kBonusBarFull;
    AddToScore(game, game.store.runScore() / 5);
    if (!run.freeGame) ShowMessage(game, "! B*O*N*U*S !", kMessageHold, kMessageFade);
    ++run.bonusBars;
}

void LoseLife(Game& game) {
    RunState& run = game.run;
    --run.lives;
    UpdateLetterValue(game);
    if (!run.freeGame && run.bonusBar > 0) ShowMessage(game, "Bonus Bar Lost!", kMessageHold, kMessageFade);
    run.bonusBar = 0;
}

bool CountTntLetter(Game& game) {
    RunState& run = game.run;
    if (++run.tntCatches < kTntLettersPerCharge) return false;
    run.tntCatches = 0;
    if (run.tntCharges >= kMaxTntCharges) return false;  // a fourth charge is lost
    ++run.tntCharges;
    PlayEffect(game, Tnt);
    ShowMessage(game, "TNT!", kMessageHold, kMessageFade);
    return true;
}

void Detonate(Game& game) {
    RunState& run = game.run;
    if (run.tntCharges <= 0) return;
    --run.tntCharges;
    run.blastRunning = true;
    run.blastStart = GameTime(game);
    run.blastLineY = kBlastStartY;
}

void UpdateBlast(Game& game, int now) {
    RunState& run = game.run;
    if (!run.blastRunning) return;
    run.blastLineY = kBlastStartY - static_cast<float>(Elapsed(now, run.blastStart)) * kBlastStartY / kBlastRiseMs;
    if (run.blastLineY < 0) {
        run.blastRunning = false;
        run.blastStart = 0;
    }
}

void PanicRelief(Game& game) { game.run.panic = std::max(0.0f, game.run.panic - kPanicStep); }

void RegisterMistake(Game& game) {
    RunState& run = game.run;
    run.panic += kPanicStep;
    if (run.panic <= kPanicLimit) return;
    run.panicLocked = true;
    run.panicLockUntil = game.platform.clock->tickCount() + kPanicLockMs;
    ShowMessage(game, "Don't Panic!", 1000, 3000);
    run.panic -= kPanicDropOnLock;
    ++run.panics;
}

bool PanicLocked(Game& game, std::uint32_t tick) {
    RunState& run = game.run;
    if (!run.panicLocked) return false;
    if (Elapsed(run.panicLockUntil, tick) > 0) return true;
    run.panicLocked = false;  // seen to expire: a later wrap of the tick cannot revive it
    return false;
}

}  // namespace glyphora
