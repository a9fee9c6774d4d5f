// Bringing the audio system up and taking it down.
#include <new>

#include "game/audio/audio_system.h"

namespace glyphora {
namespace {

// Room for the Voices of a busy moment, so that playing an effect does not
// allocate.
constexpr std::size_t kVoicesReserved = 64;
constexpr std::size_t kStreamsReserved = 8;

// A null handle counts as a failure even when OpenAL set no error.
AudioResult OpenDevice(AudioSystem& audio) {
    const AudioApi& al = audio.al;
    al.alcGetError(nullptr);
    audio.device = al.alcOpenDevice(nullptr);
    if (!audio.device || al.alcGetError(nullptr) != ALC_NO_ERROR) return kAudioNoDevice;
    al.alcGetError(audio.device);
    audio.context = al.alcCreateContext(audio.device, nullptr);
    if (!audio.context || al.alcGetError(audio.device) != ALC_NO_ERROR) return kAudioNoContext;
    if (!al.alcMakeContextCurrent(audio.context) || al.alcGetError(audio.device) != ALC_NO_ERROR) {
        return kAudioNoContext;
    }
    audio.contextCurrent = true;
    return kAudioSuccess;
}

void CloseDevice(AudioSystem& audio) {
    const AudioApi& al = audio.al;
    if (audio.contextCurrent) al.alcMakeContextCurrent(nullptr);
    if (audio.context) al.alcDestroyContext(audio.context);
    if (audio.device) al.alcCloseDevice(audio.device);
    audio.contextCurrent = false;
    audio.context = nullptr;
    audio.device = nullptr;
}

}  // namespace

AudioSystem::AudioSystem(platform::Libraries& libs, std::string folder)
    : libraries(libs), bundledFolder(std::move(folder)) {
    voices.reserve(kVoicesReserved);
    streams.reserve(kStreamsReserved);
}

AudioSystem::~AudioSystem() { AudioShutdown(*this); }

void AudioSystemDelete::operator()(AudioSystem* audio) const { delete audio; }

AudioSystemPtr MakeAudioSystem(platform::Libraries& libraries, std::string bundledFolder) {
    return AudioSystemPtr(new AudioSystem(libraries, std::move(bundledFolder)));
}

bool AudioIsUp(const AudioSystem& audio) { return audio.contextCurrent; }

AudioResult AudioStartup(AudioSystem& audio, bool bindDecoder) {
    AudioShutdown(audio);
    audio.waves.reset(new (std::nothrow) WaveLoader);
    if (!audio.waves) return kAudioOpenAlError;
    if (!BindAudioApi(audio)) return kAudioNoRuntime;
    if (const AudioResult opened = OpenDevice(audio); opened != kAudioSuccess) return opened;
    if (bindDecoder && !BindOggDecoder(audio)) return kAudioNoDecoder;
    SetMasterVolume(audio, 1.0f);
    return kAudioSuccess;
}

int AudioShutdown(AudioSystem& audio) {
    while (!audio.sounds.empty()) DestroySoundAt(audio, 0);
    while (!audio.voices.empty()) DestroyVoiceAt(audio, 0);
    while (!audio.streams.empty()) DestroyStreamAt(audio, 0);
    audio.waves.reset();
    if (audio.openAlBound) CloseDevice(audio);
    UnbindAudioApi(audio);
    UnbindOggDecoder(audio);
    return 0;
}

}  // namespace glyphora
