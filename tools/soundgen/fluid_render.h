// Plays a score through FluidSynth offline (no audio driver: the synthesiser
// is pulled block by block) with a SoundFont, into stereo float samples.
// One fresh synthesiser per score, single-threaded, no dither: the same score
// gives the same samples on every run.
#pragma once

#include <string>

#include "tools/soundgen/pcm.h"
#include "tools/soundgen/score.h"

namespace glyphora::soundgen {

// Renders `score` (score.frames long) into `out`; false with a reason in
// `error` when FluidSynth cannot start or the SoundFont does not load.
bool RenderScore(const Score& score, const std::string& soundFont, Pcm& out, std::string& error);

// Keeps FluidSynth's warnings and notes (about the SoundFont's own quirks)
// off stderr; errors still show. Call before rendering on several threads.
void SilenceFluidSynthWarnings();

}  // namespace glyphora::soundgen
