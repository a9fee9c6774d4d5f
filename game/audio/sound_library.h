#pragma once
// The sound library: the audio system's life, Sounds (a whole file in one
// OpenAL buffer), Voices (a Sound playing once, freed by itself when done)
// and Streams (a file fed through a small ring of queued buffers, for music).
// Objects are named by integer ids; every operation returns an AudioResult.
//
// When audio never came up (no runtime, no device), every operation returns
// kAudioNoRuntime without touching OpenAL; without the Ogg decoder the Ogg
// paths return kAudioNoDecoder. The game then simply stays silent.
#include <cstdint>
#include <memory>
#include <string>

#include "game/audio/audio_result.h"

namespace glyphora {

namespace platform {
class Libraries;
}

struct AudioSystem;
struct AudioSystemDelete {
    void operator()(AudioSystem* audio) const;  // shuts audio down first
};
using AudioSystemPtr = std::unique_ptr<AudioSystem, AudioSystemDelete>;

// An audio system that is not up yet. The OpenAL runtime and the decoder are
// looked for in bundledFolder first (the game's Data/lib; empty: nowhere),
// then through the system's library search.
AudioSystemPtr MakeAudioSystem(platform::Libraries& libraries, std::string bundledFolder);

// Binds both libraries, opens the default device and makes one context
// current; the first failing step gives its code (1 wave table, 3 runtime,
// 5 device, 6 context, 4 decoder) and keeps what came before. A system that
// is up or partly up is shut down first.
AudioResult AudioStartup(AudioSystem& audio, bool bindDecoder);
// Frees every Sound, Voice and Stream, closes the device and unbinds both
// libraries. Always 0; harmless when audio is not up.
int AudioShutdown(AudioSystem& audio);
// True once a context is current.
bool AudioIsUp(const AudioSystem& audio);

// Loader choice for CreateSound and OpenStream: forced by a flag, else by the
// path's last three characters ("wav" or "ogg", any case).
inline constexpr int kLoadAsWave = 1;
inline constexpr int kLoadAsOgg = 2;
// CreateSound: the file is stored byte-pair swapped; it is read whole and
// swapped back in memory, never on disk. Streams read plain files only (the
// music is stored plain) and ignore it.
inline constexpr int kLoadStoredSwapped = 8;
// StartVoice: create the Voice without playing it.
inline constexpr int kVoiceNotPlaying = 1;
// OpenStream: queue the first buffers without playing.
inline constexpr int kStreamNotPlaying = 4;

AudioResult CreateSound(AudioSystem& audio, const std::string& path, SoundId* out, int flags);
// A new Voice on the Sound; its gain is the Sound's volume at this moment.
// out (may be null) receives its id.
AudioResult StartVoice(AudioSystem& audio, SoundId sound, int flags, VoiceId* out);
// A new Stream of up to 64 buffers (count 0: 4) of length milliseconds each
// (0: 1000), startMs into the file. out (may be null) receives its id before
// the file is opened, so after a failure it names a Stream that is gone.
AudioResult OpenStream(AudioSystem& audio, const std::string& path, int flags, int count, int length, int startMs,
                       VoiceId* out);
// OpenStream with 4 buffers of 1000 ms from the start.
AudioResult StartStream(AudioSystem& audio, const std::string& path, int flags, VoiceId* out);

// On a Voice or a Stream. A paused or stopped Stream is held: it is kept
// until destroyed or played again.
AudioResult PlayVoice(AudioSystem& audio, VoiceId id);
AudioResult PauseVoice(AudioSystem& audio, VoiceId id);
AudioResult StopVoice(AudioSystem& audio, VoiceId id);
// Voice: gain := its Sound's volume x gain. Stream: gain := gain.
AudioResult SetVolume(AudioSystem& audio, VoiceId id, float gain);
// The factor of the Sound's Voices started from now on; playing ones keep theirs.
AudioResult SetSoundVolume(AudioSystem& audio, SoundId sound, float volume);
AudioResult SetMasterVolume(AudioSystem& audio, float gain);
// Stops and frees the Sound's Voices, then the Sound.
AudioResult DestroySound(AudioSystem& audio, SoundId sound);
// Frees the Voice or the Stream with the id.
AudioResult DestroyVoice(AudioSystem& audio, VoiceId id);

// Per frame, in this order. UpdateStreams refills the buffers OpenAL has
// finished and restarts a Stream that ran dry while data remained; the first
// failing Stream ends the pass with 1. ReapFinished frees stopped Voices and
// Streams that ended by themselves. Neither allocates.
AudioResult UpdateStreams(AudioSystem& audio);
int ReapFinished(AudioSystem& audio);

// Pauses every Voice and Stream that is playing, and later resumes exactly
// those: the game's pause freezes all its sound and lets it go on where it
// was. Sounds started while paused are left alone.
AudioResult PauseAllPlaying(AudioSystem& audio);
AudioResult ResumeAllPaused(AudioSystem& audio);

}  // namespace glyphora
