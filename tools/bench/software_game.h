#pragma once
// What the measurements share: the median of a series, the frame step of the
// driven clock, and the real game on SDL's software renderer with its frames
// drawn but not presented (presenting waits for the display, which is not a
// frame's cost).
#include <cstdint>
#include <vector>

#include "tools/tour/tour_harness.h"

namespace glyphora::bench {

inline constexpr std::uint32_t kFrameMs = 16;

double Median(std::vector<double> values);

class SoftwareGame {
public:
    SoftwareGame();
    Game& game() { return harness_.game(); }
    // Moves the driven clock on by one frame.
    void advanceFrame() { harness_.clock().advance(kFrameMs); }

private:
    tour::TourHarness harness_;
};

}  // namespace glyphora::bench
