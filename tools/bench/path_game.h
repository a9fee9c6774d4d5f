#pragma once
// The real game on one drawing path, its frames drawn and presented but not
// paced, so that a frame's time is its whole cost: the game's work, the
// drawing and the hand-over to the window. Headless (SDL's dummy video)
// unless onDisplay: then on the display SDL finds (an X server), where the
// SDL path is the accelerated renderer.
#include <cstdint>
#include <string>

#include "platform/cpu/cpu_device.h"
#include "platform/sdl/drawing_path.h"
#include "tools/tour/tour_harness.h"

namespace glyphora::bench {

class PathGame {
public:
    explicit PathGame(platform::DrawingPath path, bool onDisplay = false);
    Game& game() { return harness_.game(); }
    void advanceFrame();
    // Runs frames of the driven clock for ms milliseconds.
    void advance(int ms) { harness_.advance(ms); }
    // The CPU device's record of the last frame; null on the SDL path.
    const platform::CpuDevice* cpuDevice() const { return cpu_; }

private:
    std::string videoDriverBefore_;  // SDL_VIDEODRIVER before the harness set its own
    tour::TourHarness harness_;
    const platform::CpuDevice* cpu_ = nullptr;
};

const char* PathName(platform::DrawingPath path);

}  // namespace glyphora::bench
