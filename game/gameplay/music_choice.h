#pragma once
// The music of a run: tracks 1-7 in three tiers, one tier per part of the run.
#include "game/gameplay/play_model.h"

namespace glyphora {

// The track number for pick trackIndex within tier (1-based, across tiers).
int TrackNumber(int tier, int trackIndex);

// Picks a track of the run's tier that differs from the last pick (when the
// tier has more than one), remembers its file name for the music cheats and
// reports it (events.track) to be started as the current music stream.
void ChooseMusicTrack(RunState& run, Random& random, PlayEvents& events);

}  // namespace glyphora
