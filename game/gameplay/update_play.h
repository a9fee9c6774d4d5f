#pragma once
// The play field's frame: spawning, motion, items leaving the field, the
// blast, the end of the run and the timers of the run.
#include <cstdint>

#include "game/gameplay/play_model.h"

namespace glyphora {

inline constexpr int kSpawnTestMs = 200;

// One frame of a run in play (not paused) at game time now and system tick
// tick. When the last life is gone the run is over (events.runOver) and its
// timers stand still.
PlayEvents UpdateRun(PlayModel& play, int now, std::uint32_t tick);

}  // namespace glyphora
