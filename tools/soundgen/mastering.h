// Levels and the last steps before encoding: measuring peak and RMS,
// finishing an effect (no DC, no click at either end, a set peak) and
// mastering a music track (a set loudness under a look-ahead limiter).
#pragma once

#include <cstddef>
#include <vector>

#include "tools/soundgen/pcm.h"

namespace glyphora::soundgen {

double PeakDb(const std::vector<float>& samples);
double RmsDb(const std::vector<float>& samples);
// RMS of the frames [first, first + count) of an interleaved signal.
double RmsDb(const Pcm& pcm, std::size_t first, std::size_t count);

void ApplyGainDb(std::vector<float>& samples, double db);

// Removes DC, fades the first 1 ms in and the last 5 ms out, and scales the
// sound so that its peak is `peakDb` dBFS.
void FinishEffect(std::vector<float>& samples, double peakDb);

// Scales the track to `rmsDb` dBFS and holds every sample at or below
// `ceilingDb` with a look-ahead limiter that never overshoots; the last 20 ms
// fade to silence.
void MasterTrack(Pcm& track, double rmsDb, double ceilingDb);

}  // namespace glyphora::soundgen
