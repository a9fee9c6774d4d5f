#pragma once
// The music as the game plays it: the current track and the previous one,
// which plays out to its end while the next begins. Only Streams count as
// music: an id whose Stream is gone (reaped, then reused by an effect) is
// never touched.
#include <string>

#include "game/audio/sound_library.h"

namespace glyphora {

// The ring of a music track: 4 s of decoded audio as the library's default
// (4 x 1000 ms), cut finer so that a refill decodes a quarter second, not a
// whole one: about 0.3 ms of a frame instead of 2.5 ms.
inline constexpr int kMusicBufferCount = 16;
inline constexpr int kMusicBufferMs = 250;

struct MusicStreams {
    VoiceId current = -1;
    VoiceId previous = -1;
};

// Starts path as the current track at gain; the track that was current
// becomes the previous one and plays out. A previous track that was still
// held (paused) is freed: nothing would ever resume it. On failure there is
// no current track.
AudioResult StartMusic(AudioSystem& audio, MusicStreams& music, const std::string& path, float gain);
// Frees both tracks and starts path startMs into it as the current one at
// gain: the jump to a sub-level's part of a track.
AudioResult RestartMusicAt(AudioSystem& audio, MusicStreams& music, const std::string& path, int startMs, float gain);
// Frees both tracks.
void StopAllMusic(AudioSystem& audio, MusicStreams& music);
// Frees the current track only (the previous one plays out).
void StopCurrentMusic(AudioSystem& audio, MusicStreams& music);
// The music gain for both tracks, at once.
void ApplyMusicVolume(AudioSystem& audio, const MusicStreams& music, float gain);

}  // namespace glyphora
