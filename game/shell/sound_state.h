#pragma once
// The game's sound: the audio system started while loading, the Sounds of
// the twelve effects and the two music tracks.
#include "game/audio/effect_table.h"
#include "game/audio/music_streams.h"
#include "game/audio/sound_library.h"

namespace glyphora {

struct SoundState {
    AudioSystemPtr audio;  // none on a platform without shared libraries
    EffectTable effects;
    MusicStreams music;
    int startResult = kAudioNoRuntime;  // the last start-up attempt's result
};

}  // namespace glyphora
