#include "game/audio/music_streams.h"

#include "game/audio/audio_system.h"

namespace glyphora {
namespace {

// The id's Stream, or nullptr (no id, or it now names something else).
Stream* Track(AudioSystem& audio, VoiceId id) { return id < 0 ? nullptr : FindStream(audio, id); }

void Free(AudioSystem& audio, VoiceId& id) {
    if (Track(audio, id)) DestroyVoice(audio, id);
    id = -1;
}

// The gain is set before the track starts, so not a moment of it plays louder.
AudioResult Open(AudioSystem& audio, MusicStreams& music, const std::string& path, int startMs, float gain) {
    AudioResult result =
        OpenStream(audio, path, kStreamNotPlaying, kMusicBufferCount, kMusicBufferMs, startMs, &music.current);
    if (result == kAudioSuccess) {
        ApplyMusicVolume(audio, music, gain);
        result = PlayVoice(audio, music.current);
    }
    if (result != kAudioSuccess) Free(audio, music.current);
    return result;
}

}  // namespace

AudioResult StartMusic(AudioSystem& audio, MusicStreams& music, const std::string& path, float gain) {
    if (const Stream* previous = Track(audio, music.previous); previous && previous->held) Free(audio, music.previous);
    music.previous = music.current;
    return Open(audio, music, path, 0, gain);
}

AudioResult RestartMusicAt(AudioSystem& audio, MusicStreams& music, const std::string& path, int startMs, float gain) {
    StopAllMusic(audio, music);
    return Open(audio, music, path, startMs, gain);
}

void StopAllMusic(AudioSystem& audio, MusicStreams& music) {
    Free(audio, music.current);
    Free(audio, music.previous);
}

void StopCurrentMusic(AudioSystem& audio, MusicStreams& music) { Free(audio, music.current); }

void ApplyMusicVolume(AudioSystem& audio, const MusicStreams& music, float gain) {
    if (Track(audio, music.current)) SetVolume(audio, music.current, gain);
    if (Track(audio, music.previous)) SetVolume(audio, music.previous, gain);
}

}  // namespace glyphora
