#pragma once
// The cost of a frame of the busiest play scene: 40 items turning on the last
// sub-level, a full HUD and a message.

#include <cstddef>

#include "game/shell/game.h"

namespace glyphora::bench {

inline constexpr std::size_t kBusyItems = 40;

// A Medium run on its last sub-level with everything the HUD can show.
void MakeBusy(Game& game);
// Between frames: the field keeps its 40 items, the lives and a message.
void KeepBusy(Game& game);

// Median microseconds of a frame: the whole frame on SDL's software renderer
// (present excluded), and the game's own work with a device that draws
// nothing.
struct FrameCosts {
    double software = 0;
    double own = 0;
};
FrameCosts PlayFrameCosts(int frames);
// Prints PlayFrameCosts.
void MeasurePlay(int frames);

// Runs frames of the scene on the null device and prints nothing: the target
// of an instruction count (see the usage in main.cpp).
void RunNullFrames(int frames);

}  // namespace glyphora::bench
