// Playing, pausing, stopping, gains and destruction of Voices and Streams.
#include "game/audio/audio_system.h"

namespace glyphora {
namespace {

enum class SourceCall { Play, Pause, Stop };

void Call(const AudioApi& al, SourceCall call, ALuint source) {
    switch (call) {
        case SourceCall::Play: al.alSourcePlay(source); break;
        case SourceCall::Pause: al.alSourcePause(source); break;
        case SourceCall::Stop: al.alSourceStop(source); break;
    }
}

// An explicit request takes the object out of the pause of PauseAllPlaying.
AudioResult Control(AudioSystem& audio, VoiceId id, SourceCall call) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    ALuint source = 0;
    Stream* stream = nullptr;
    if (Voice* voice = FindVoice(audio, id)) {
        source = voice->source;
        voice->pausedWithAll = false;
    } else if ((stream = FindStream(audio, id))) {
        source = stream->source;
        stream->pausedWithAll = false;
    } else {
        return kAudioNoSuchId;
    }
    ClearAlError(audio.al);
    Call(audio.al, call, source);
    if (AlFailed(audio.al)) return kAudioOpenAlError;
    if (stream) stream->held = call != SourceCall::Play;
    return kAudioSuccess;
}

AudioResult SetGain(const AudioApi& al, ALuint source, float gain) {
    ClearAlError(al);
    al.alSourcef(source, AL_GAIN, gain);
    return AlFailed(al) ? kAudioOpenAlError : kAudioSuccess;
}

}  // namespace

ALint SourceState(const AudioApi& al, ALuint source) {
    ALint state = AL_INITIAL;
    al.alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

AudioResult PlayVoice(AudioSystem& audio, VoiceId id) { return Control(audio, id, SourceCall::Play); }
AudioResult PauseVoice(AudioSystem& audio, VoiceId id) { return Control(audio, id, SourceCall::Pause); }
AudioResult StopVoice(AudioSystem& audio, VoiceId id) { return Control(audio, id, SourceCall::Stop); }

AudioResult SetVolume(AudioSystem& audio, VoiceId id, float gain) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    if (const Voice* voice = FindVoice(audio, id)) {
        const Sound* sound = FindSound(audio, voice->sound);
        return SetGain(audio.al, voice->source, (sound ? sound->volume : 1.0f) * gain);
    }
    if (const Stream* stream = FindStream(audio, id)) return SetGain(audio.al, stream->source, gain);
    return kAudioNoSuchId;
}

AudioResult SetMasterVolume(AudioSystem& audio, float gain) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    ClearAlError(audio.al);
    audio.al.alListenerf(AL_GAIN, gain);
    return AlFailed(audio.al) ? kAudioOpenAlError : kAudioSuccess;
}

AudioResult DestroyVoice(AudioSystem& audio, VoiceId id) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    for (std::size_t i = 0; i < audio.voices.size(); ++i) {
        if (audio.voices[i].id == id) {
            DestroyVoiceAt(audio, i);
            return kAudioSuccess;
        }
    }
    for (std::size_t i = 0; i < audio.streams.size(); ++i) {
        if (audio.streams[i]->id == id) {
            DestroyStreamAt(audio, i);
            return kAudioSuccess;
        }
    }
    return kAudioNoSuchId;
}

AudioResult PauseAllPlaying(AudioSystem& audio) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    const AudioApi& al = audio.al;
    AudioResult result = kAudioSuccess;
    const auto pause = [&](ALuint source, bool& pausedWithAll) {
        if (SourceState(al, source) != AL_PLAYING) return false;
        ClearAlError(al);
        al.alSourcePause(source);
        if (AlFailed(al)) result = kAudioOpenAlError;
        pausedWithAll = true;
        return true;
    };
    for (Voice& voice : audio.voices) pause(voice.source, voice.pausedWithAll);
    for (auto& stream : audio.streams) {
        if (pause(stream->source, stream->pausedWithAll)) stream->held = true;
    }
    return result;
}

AudioResult ResumeAllPaused(AudioSystem& audio) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    const AudioApi& al = audio.al;
    AudioResult result = kAudioSuccess;
    const auto resume = [&](ALuint source, bool& pausedWithAll) {
        if (!pausedWithAll) return false;
        pausedWithAll = false;
        ClearAlError(al);
        al.alSourcePlay(source);
        if (AlFailed(al)) result = kAudioOpenAlError;
        return true;
    };
    for (Voice& voice : audio.voices) resume(voice.source, voice.pausedWithAll);
    for (auto& stream : audio.streams) {
        if (resume(stream->source, stream->pausedWithAll)) stream->held = false;
    }
    return result;
}

}  // namespace glyphora
