// The per-frame work: refilling Streams and freeing what has finished.
#include "game/audio/audio_system.h"
#include "game/audio/stream_fill.h"

namespace glyphora {
namespace {

// Refills every buffer OpenAL has finished with; a buffer that gets nothing
// (the file's end) stays out of the queue, so the source drains and stops.
AudioResult Refill(AudioSystem& audio, Stream& stream) {
    const AudioApi& al = audio.al;
    ALint processed = 0;
    ClearAlError(al);
    al.alGetSourcei(stream.source, AL_BUFFERS_PROCESSED, &processed);
    if (AlFailed(al)) return kAudioOpenAlError;
    for (ALint i = 0; i < processed; ++i) {
        ALuint buffer = 0;
        ClearAlError(al);
        al.alSourceUnqueueBuffers(stream.source, 1, &buffer);
        if (AlFailed(al)) return kAudioOpenAlError;
        const long bytes = FillStreamBuffer(audio, stream, buffer);
        if (bytes < 0) return kAudioOpenAlError;
        if (bytes == 0) continue;
        ClearAlError(al);
        al.alSourceQueueBuffers(stream.source, 1, &buffer);
        if (AlFailed(al)) return kAudioOpenAlError;
    }
    return kAudioSuccess;
}

// A source that ran dry while data remained (a long frame) plays on.
AudioResult KeepPlaying(AudioSystem& audio, const Stream& stream) {
    const AudioApi& al = audio.al;
    if (stream.held || SourceState(al, stream.source) == AL_PLAYING) return kAudioSuccess;
    ALint queued = 0;
    al.alGetSourcei(stream.source, AL_BUFFERS_QUEUED, &queued);
    if (queued == 0) return kAudioSuccess;
    ClearAlError(al);
    al.alSourcePlay(stream.source);
    return AlFailed(al) ? kAudioOpenAlError : kAudioSuccess;
}

}  // namespace

AudioResult UpdateStreams(AudioSystem& audio) {
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    for (auto& stream : audio.streams) {
        if (Refill(audio, *stream) != kAudioSuccess || KeepPlaying(audio, *stream) != kAudioSuccess) {
            return kAudioOpenAlError;  // the Streams after it wait for the next frame
        }
    }
    return kAudioSuccess;
}

int ReapFinished(AudioSystem& audio) {
    if (!AudioIsUp(audio)) return 0;
    const AudioApi& al = audio.al;
    for (std::size_t i = 0; i < audio.voices.size();) {
        if (SourceState(al, audio.voices[i].source) == AL_STOPPED) {
            DestroyVoiceAt(audio, i);
        } else {
            ++i;
        }
    }
    for (std::size_t i = 0; i < audio.streams.size();) {
        const Stream& stream = *audio.streams[i];
        const ALint state = SourceState(al, stream.source);
        if (!stream.held && (state == AL_STOPPED || state == AL_PAUSED)) {
            DestroyStreamAt(audio, i);
        } else {
            ++i;
        }
    }
    return 0;
}

}  // namespace glyphora
