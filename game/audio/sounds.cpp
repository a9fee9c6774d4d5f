// Sounds and Voices: creation, lookup and destruction.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "common/swap_file_bytes.h"
#include "game/audio/audio_system.h"
#include "game/audio/whole_file_load.h"

namespace glyphora {
namespace {

// The stored form of a file, read whole and swapped back; false when it
// cannot be read or is larger than any Sound could be.
bool ReadStoredFile(const std::string& path, std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool read = std::fseek(file, 0, SEEK_END) == 0;
    const long size = read ? std::ftell(file) : -1;
    read = size >= 0 && std::size_t(size) <= kMaxSoundBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (read) {
        bytes.resize(std::size_t(size));
        read = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (read) SwapBytePairs({reinterpret_cast<char*>(bytes.data()), bytes.size()});
    return read;
}

AudioResult LoadStoredSound(AudioSystem& audio, const std::string& path, int loader, ALuint buffer) {
    if (loader == kLoadAsOgg && !audio.decoderBound) return kAudioNoDecoder;
    std::vector<unsigned char> bytes;
    if (!ReadStoredFile(path, bytes)) return kAudioCannotOpenFile;
    return loader == kLoadAsWave ? LoadWholeWave(audio, bytes, buffer) : LoadWholeOgg(audio, bytes, buffer);
}

AudioResult LoadSound(AudioSystem& audio, const std::string& path, int flags, ALuint buffer) {
    const int loader = ChooseLoader(path, flags);
    if (loader == 0) return kAudioUnsupportedType;
    if (flags & kLoadStoredSwapped) return LoadStoredSound(audio, path, loader, buffer);
    return loader == kLoadAsWave ? LoadWholeWave(audio, path, buffer) : LoadWholeOgg(audio, path, buffer);
}

template <typename Registry>
std::size_t IndexOf(const Registry& registry, int id) {
    for (std::size_t i = 0; i < registry.size(); ++i) {
        if (registry[i].id == id) return i;
    }
    return registry.size();
}

}  // namespace

int ChooseLoader(const std::string& path, int flags) {
    if (flags & kLoadAsWave) return kLoadAsWave;
    if (flags & kLoadAsOgg) return kLoadAsOgg;
    if (path.size() < 3) return 0;
    std::string ending = path.substr(path.size() - 3);
    for (char& c : ending) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (ending == "wav") return kLoadAsWave;
    if (ending == "ogg") return kLoadAsOgg;
    return 0;
}

Sound* FindSound(AudioSystem& audio, SoundId id) {
    const std::size_t at = IndexOf(audio.sounds, id);
    return at < audio.sounds.size() ? &audio.sounds[at] : nullptr;
}

Voice* FindVoice(AudioSystem& audio, VoiceId id) {
    const std::size_t at = IndexOf(audio.voices, id);
    return at < audio.voices.size() ? &audio.voices[at] : nullptr;
}

VoiceId NextVoiceId(const AudioSystem& audio) {
    const VoiceId lastVoice = audio.voices.empty() ? -1 : audio.voices.back().id;
    const VoiceId lastStream = audio.streams.empty() ? -1 : audio.streams.back()->id;
    return std::max(lastVoice, lastStream) + 1;
}

void DestroySoundAt(AudioSystem& audio, std::size_t index) {
    const Sound sound = audio.sounds[index];
    // A Voice must never outlive its Sound's buffer: OpenAL refuses to delete
    // a buffer that a source still holds.
    for (std::size_t i = 0; i < audio.voices.size();) {
        if (audio.voices[i].sound == sound.id) {
            audio.al.alSourceStop(audio.voices[i].source);
            DestroyVoiceAt(audio, i);
        } else {
            ++i;
        }
    }
    if (sound.buffer != 0) audio.al.alDeleteBuffers(1, &sound.buffer);
    audio.sounds.erase(audio.sounds.begin() + std::ptrdiff_t(index));
}

void DestroyVoiceAt(AudioSystem& audio, std::size_t index) {
    const ALuint source = audio.voices[index].source;
    if (source != 0) audio.al.alDeleteSources(1, &source);
    audio.voices.erase(audio.voices.begin() + std::ptrdiff_t(index));
}

AudioResult CreateSound(AudioSystem& audio, const std::string& path, SoundId* out, int flags) {
    if (path.empty() || !out) return kAudioInvalidArgument;
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    const SoundId id = audio.sounds.empty() ? 0 : audio.sounds.back().id + 1;
    audio.sounds.push_back({id, 0, 1.0f});
    ClearAlError(audio.al);
    audio.al.alGenBuffers(1, &audio.sounds.back().buffer);
    AudioResult result = AlFailed(audio.al) ? kAudioOpenAlError : kAudioSuccess;
    if (result == kAudioSuccess) result = LoadSound(audio, path, flags, audio.sounds.back().buffer);
    if (result != kAudioSuccess) {
        DestroySoundAt(audio, audio.sounds.size() - 1);
        return result;
    }
    *out = id;
    return kAudioSuccess;
}

AudioResult StartVoice(AudioSystem& audio, SoundId sound, int flags, VoiceId* out) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    const Sound* played = FindSound(audio, sound);
    if (!played) return kAudioNoSuchId;
    const VoiceId id = NextVoiceId(audio);
    audio.voices.push_back({id, 0, sound, false});
    ClearAlError(audio.al);
    audio.al.alGenSources(1, &audio.voices.back().source);
    if (AlFailed(audio.al)) {
        DestroyVoiceAt(audio, audio.voices.size() - 1);
        return kAudioOpenAlError;
    }
    audio.al.alSourcei(audio.voices.back().source, AL_BUFFER, ALint(played->buffer));
    if (out) *out = id;
    SetVolume(audio, id, 1.0f);
    if (flags & kVoiceNotPlaying) return kAudioSuccess;
    return PlayVoice(audio, id) == kAudioSuccess ? kAudioSuccess : kAudioOpenAlError;
}

AudioResult SetSoundVolume(AudioSystem& audio, SoundId sound, float volume) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    Sound* found = FindSound(audio, sound);
    if (!found) return kAudioNoSuchId;
    found->volume = volume;
    return kAudioSuccess;
}

AudioResult DestroySound(AudioSystem& audio, SoundId sound) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    const std::size_t at = IndexOf(audio.sounds, sound);
    if (at == audio.sounds.size()) return kAudioNoSuchId;
    DestroySoundAt(audio, at);
    return kAudioSuccess;
}

}  // namespace glyphora
