#include "tools/soundgen/effects.h"

#include <array>

#include "tools/soundgen/mastering.h"

namespace glyphora::soundgen {

namespace {

std::vector<float> Letter1() { return LetterPop(0); }
std::vector<float> Letter2() { return LetterPop(1); }
std::vector<float> Letter3() { return LetterPop(2); }
std::vector<float> Letter4() { return LetterPop(3); }

// Peaks set by ear against each other and against the music: the sounds
// heard dozens of times a minute (pops, ticks, hover) sit lowest.
constexpr std::array kEffects = {
    EffectDesign{"BtnClick.ogg", -6.0, ButtonClick},     EffectDesign{"BtnMouseOver.ogg", -12.0, ButtonHover},
    EffectDesign{"DoubleBonus.ogg", -2.0, BonusFanfare}, EffectDesign{"GameOver.ogg", -2.0, GameOverSting},
    EffectDesign{"HoHoHo.ogg", -2.0, HoHoHoFigure},      EffectDesign{"Letter1.ogg", -3.0, Letter1},
    EffectDesign{"Letter2.ogg", -3.0, Letter2},          EffectDesign{"Letter3.ogg", -3.0, Letter3},
    EffectDesign{"Letter4.ogg", -3.0, Letter4},          EffectDesign{"Stop.ogg", -2.0, StopCue},
    EffectDesign{"TNT.ogg", -2.0, TntChargeUp},          EffectDesign{"WordLetter.ogg", -5.0, WordLetterTick},
};

}  // namespace

std::span<const EffectDesign> Effects() { return kEffects; }

Pcm RenderEffect(const EffectDesign& design) {
    std::vector<float> mono = design.render();
    FinishEffect(mono, design.peakDb);
    Pcm pcm;
    pcm.channels = 2;
    pcm.samples.reserve(mono.size() * 2);
    for (float x : mono) pcm.samples.insert(pcm.samples.end(), {x, x});
    return pcm;
}

}  // namespace glyphora::soundgen
