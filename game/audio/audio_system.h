#pragma once
// The audio system's state: the two bound libraries, the device and context,
// the wave table and the registries of Sounds, Voices and Streams. One
// instance, used on the main thread only.
#include <memory>
#include <string>
#include <vector>

#include "game/audio/audio_api.h"
#include "game/audio/library_search.h"
#include "game/audio/ogg_decoder_api.h"
#include "game/audio/sound_library.h"
#include "game/audio/wave_loader.h"

namespace glyphora {

struct Sound {
    SoundId id = -1;
    ALuint buffer = 0;
    float volume = 1.0f;  // applied when a Voice of it starts
};

struct Voice {
    VoiceId id = -1;
    ALuint source = 0;
    SoundId sound = -1;
    bool pausedWithAll = false;
};

enum class StreamKind { Wav = 0, Ogg = 1 };

// Not movable once its decoder is open: the decoder keeps pointers into itself.
struct Stream {
    Stream() = default;
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    VoiceId id = -1;
    ALuint source = 0;
    std::vector<ALuint> buffers;               // the ring, all generated together
    std::size_t chunk = 0;                     // bytes decoded into one buffer per fill
    std::unique_ptr<unsigned char[]> scratch;  // one chunk, reused by every fill
    StreamKind kind = StreamKind::Wav;
    bool held = false;  // paused or stopped on request: kept until played or destroyed
    bool pausedWithAll = false;
    ALenum format = 0;
    ALsizei frequency = 0;
    WaveId wave = -1;  // WAV: the open wave
    OggVorbis_File decoder{};
    bool decoderOpen = false;  // Ogg: the decoder owns the open file
    int channels = 0;
};

struct AudioSystem {
    AudioSystem(platform::Libraries& libs, std::string folder);
    ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    platform::Libraries& libraries;
    std::string bundledFolder;

    LoadedLibrary openAl;
    AudioApi al;
    bool openAlBound = false;  // all entry points found
    LoadedLibrary decoderLibrary;
    OggDecoderApi ov;
    bool decoderBound = false;

    std::unique_ptr<WaveLoader> waves;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool contextCurrent = false;

    std::vector<Sound> sounds;
    std::vector<Voice> voices;
    std::vector<std::unique_ptr<Stream>> streams;
};

// Binding of the two libraries (the lookups and the one debug line).
bool BindAudioApi(AudioSystem& audio, const std::string& name = kOpenAlLibrary);
int UnbindAudioApi(AudioSystem& audio);
bool BindOggDecoder(AudioSystem& audio);
void UnbindOggDecoder(AudioSystem& audio);

// Lookups by id: the first match in registry order, or nullptr.
Sound* FindSound(AudioSystem& audio, SoundId id);
Voice* FindVoice(AudioSystem& audio, VoiceId id);
Stream* FindStream(AudioSystem& audio, VoiceId id);
// 1 + the larger id of the last Voice and the last Stream (an empty registry
// counting as -1).
VoiceId NextVoiceId(const AudioSystem& audio);

// Destruction, each removing the object from its registry.
void DestroySoundAt(AudioSystem& audio, std::size_t index);
void DestroyVoiceAt(AudioSystem& audio, std::size_t index);
void DestroyStreamAt(AudioSystem& audio, std::size_t index);

// The error-state discipline: clear the pending OpenAL error before a call
// whose failure matters, and read it after.
inline void ClearAlError(const AudioApi& al) { al.alGetError(); }
inline bool AlFailed(const AudioApi& al) { return al.alGetError() != AL_NO_ERROR; }

// AL_SOURCE_STATE of a source (not bracketed by the error checks).
ALint SourceState(const AudioApi& al, ALuint source);

// The loader for a path and flags: kLoadAsWave, kLoadAsOgg, or 0 when the
// type is not supported.
int ChooseLoader(const std::string& path, int flags);

}  // namespace glyphora
