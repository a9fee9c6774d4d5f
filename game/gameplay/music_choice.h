#pragma once
// The music of a run: tracks 1-7 in three tiers, one tier per part of the run.

namespace glyphora {

struct Game;

// The track number for pick trackIndex within tier (1-based, across tiers).
int TrackNumber(int tier, int trackIndex);

// Picks a track of the run's tier that differs from the last pick (when the
// tier has more than one), starts it as the current music stream and
// remembers its file name.
void ChooseMusicTrack(Game& game);

}  // namespace glyphora
