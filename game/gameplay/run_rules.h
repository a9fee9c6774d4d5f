#pragma once
// What happens to the score, lives, bonus bar, TNT charges and panic meter at
// the moments of play: a caught letter, a completed word, a lost life, a
// mistake, a blast. Also the one HUD message.
#include <cstdint>
#include <string_view>

#include "game/gameplay/play_model.h"

namespace glyphora {

inline constexpr float kBonusBarFull = 700;
inline constexpr float kBlastStartY = 400;
inline constexpr int kBlastRiseMs = 1000;

// Shows text (cut to 19 characters) from now at full colour for hold ms,
// then fades it out over fade ms; replaces any message shown.
void ShowMessage(HudMessage& message, std::string_view text, int hold, int fade, int now);
// Clears the message once its hold and fade are over at now.
void ExpireMessage(HudMessage& message, int now);

// Adds to the run's score; the score saturates instead of overflowing.
void AddToScore(ScoreStore& store, long long points);
// A caught letter: its letter value.
void CreditLetter(PlayModel& play);
// A completed word: its points times the level multiplier, a life, and the
// word's own points into the bonus bar; an overflowing bar pays a fifth of
// the score (events.bonus).
void CreditWord(PlayModel& play, int now, PlayEvents& events);
void LoseLife(PlayModel& play, int now, PlayEvents& events);

// Counts a caught TNT letter; every third one gains a charge (at most three,
// events.tntCharge). True when this one gained a charge.
bool CountTntLetter(PlayModel& play, int now, PlayEvents& events);
// Spends a charge on a blast: a line rising from y 400 to the top in one
// second, destroying every item below it. A running blast starts again.
void Detonate(RunState& run, int now);
// Moves the blast line to where it is at now; ends the blast at the top.
void UpdateBlast(RunState& run, int now);

// A caught letter or a correct word character lowers the panic meter.
void PanicRelief(RunState& run);
// A mistake raises it; past 750 the play keys lock for four seconds from
// the system tick.
void RegisterMistake(RunState& run, std::uint32_t tick, int now);
// True while the play keys are locked at the system tick.
bool PanicLocked(RunState& run, std::uint32_t tick);

}  // namespace glyphora
