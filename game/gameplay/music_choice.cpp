#include "game/gameplay/music_choice.h"

#include <cstdio>

#include "game/gameplay/level_tables.h"

namespace glyphora {

int TrackNumber(int tier, int trackIndex) {
    int number = trackIndex + 1;
    for (int lower = 0; lower < tier; ++lower) number += kMusicTierSizes[lower];
    return number;
}

void ChooseMusicTrack(RunState& run, Random& random, PlayEvents& events) {
    const int size = kMusicTierSizes[run.musicTier];
    int pick = random.below(size);
    while (size > 1 && pick == run.trackIndex) pick = random.below(size);
    run.trackIndex = pick;
    events.track = TrackNumber(run.musicTier, pick);
    std::snprintf(run.musicFile.data(), run.musicFile.size(), "Music/Track%d.ogg", events.track);
}

}  // namespace glyphora
