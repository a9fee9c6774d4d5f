// A music track from its design to finished samples: arranged, played by
// FluidSynth and mastered to the loudness all tracks share.
#pragma once

#include <string>

#include "tools/soundgen/music_model.h"
#include "tools/soundgen/pcm.h"

namespace glyphora::soundgen {

// RMS every track is mastered to, and the ceiling no sample passes (the
// encoder adds up to a dB and a half to peaks, which stay below -1 dBFS).
inline constexpr double kTrackRmsDb = -18.0;
inline constexpr double kTrackCeilingDb = -3.0;

inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// The finished 100-second stereo track; false with a reason in `error`.
bool RenderTrack(const TrackDesign& design, const std::string& soundFont, Pcm& out, std::string& error);

}  // namespace glyphora::soundgen
