// Turns a track's design into a score: every part's patterns laid over its
// chords, bar by bar, on the frame timeline of the finished track.
//
// Each part starts cleanly: every note of a part has ended a little before
// the next part begins (a beat for chords and pads, three quarters for
// drums, half a beat for melody and bass), so a track opened at any multiple
// of 20 seconds starts on a fresh phrase with nothing cut off.
#pragma once

#include <string>

#include "tools/soundgen/music_model.h"
#include "tools/soundgen/score.h"

namespace glyphora::soundgen {

// Channels of the band's roles.
enum BandChannel { kLeadChannel = 0, kHarmonyChannel = 1, kPadChannel = 2, kCounterChannel = 3, kBassChannel = 4 };

struct Arrangement {
    Score score;
    std::string error;  // the first fault of the design; empty when none
};

// Bars in one 20-second part, or 0 when the tempo does not give whole bars.
int BarsPerPart(const TrackDesign& design);

// How long before a part boundary the notes of `channel` have ended, in beats.
double GuardBeats(int channel);

Arrangement Arrange(const TrackDesign& design);

}  // namespace glyphora::soundgen
