#include "game/gameplay/music_choice.h"

#include <cstdio>
#include <cstdlib>

#include "game/audio/music.h"
#include "game/shell/game.h"

namespace glyphora {

int TrackNumber(int tier, int trackIndex) {
    int number = trackIndex + 1;
    for (int lower = 0; lower < tier; ++lower) number += kMusicTierSizes[lower];
    return number;
}

void ChooseMusicTrack(Game& game) {
    RunState& run = game.run;
    const int size = kMusicTierSizes[run.musicTier];
    int pick = std::rand() % size;
    while (size > 1 && pick == run.trackIndex) pick = std::rand() % size;
    run.trackIndex = pick;
    std::snprintf(run.musicFile.data(), run.musicFile.size(), "Music/Track%d.ogg", TrackNumber(run.musicTier, pick));
    StartMusic(game, run.musicFile.data());
}

}  // namespace glyphora
