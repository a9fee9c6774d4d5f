// The game's twelve sound effects, in the order the game loads them, each
// synthesised from tones and noise (see layers.h) at 44.1 kHz. They are
// stored as stereo with both channels equal: OpenAL plays a stereo buffer at
// its authored level, while it spreads a mono one over the speakers about
// 3 dB lower, under music that is stereo.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "tools/soundgen/pcm.h"

namespace glyphora::soundgen {

struct EffectDesign {
    const char* file;  // name under Sounds/
    double peakDb;     // peak level of the finished sound, dBFS
    std::vector<float> (*render)();
};

std::span<const EffectDesign> Effects();

// The finished effect: rendered, DC-free, faded at both ends, at its peak,
// the same signal on both channels.
Pcm RenderEffect(const EffectDesign& design);

// The designs, one per effect (menu_effects.cpp and play_effects.cpp).
std::vector<float> ButtonClick();
std::vector<float> ButtonHover();
std::vector<float> WordLetterTick();
std::vector<float> StopCue();
std::vector<float> LetterPop(int variant);  // 0 to 3
std::vector<float> BonusFanfare();
std::vector<float> GameOverSting();
std::vector<float> HoHoHoFigure();
std::vector<float> TntChargeUp();

}  // namespace glyphora::soundgen
