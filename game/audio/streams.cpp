// Streams: opening a file at an offset into a ring of queued buffers.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>

#include "game/audio/audio_system.h"
#include "game/audio/ogg_reading.h"
#include "game/audio/stream_fill.h"

namespace glyphora {
namespace {

constexpr int kDefaultBufferCount = 4;
constexpr int kDefaultBufferMs = 1000;
constexpr int kMaxBufferCount = 64;
// One buffer holds at most this much decoded audio (95 s of 44.1 kHz stereo):
// a file whose header claims an absurd byte rate is refused, not allocated for.
constexpr double kMaxChunkBytes = 16 << 20;

// bytesPerMs x ms, cut to whole frames; -1 when it would be too large.
long long WholeFrames(double bytesPerMs, long long ms, long long frameBytes, double limit) {
    const double bytes = bytesPerMs * double(ms);
    if (!(bytes < limit)) return -1;
    const long long whole = static_cast<long long>(bytes);
    return whole - whole % frameBytes;
}

AudioResult AllocateScratch(Stream& stream, long long chunk) {
    if (chunk < 0) return kAudioOutOfMemory;
    stream.chunk = std::size_t(chunk);
    stream.scratch.reset(new (std::nothrow) unsigned char[std::max<std::size_t>(stream.chunk, 1)]);
    return stream.scratch ? kAudioSuccess : kAudioOutOfMemory;
}

// Every buffer is queued, even one that received nothing.
AudioResult QueueFirstWave(AudioSystem& audio, Stream& stream) {
    const AudioApi& al = audio.al;
    for (ALuint buffer : stream.buffers) {
        std::size_t bytes = 0;
        if (ReadWaveData(*audio.waves, stream.wave, stream.scratch.get(), stream.chunk, &bytes) != kWaveSuccess) {
            return kAudioOpenAlError;
        }
        ClearAlError(al);
        al.alBufferData(buffer, stream.format, stream.scratch.get(), ALsizei(bytes), stream.frequency);
        if (AlFailed(al)) return kAudioOpenAlError;
    }
    ClearAlError(al);
    al.alSourceQueueBuffers(stream.source, ALsizei(stream.buffers.size()), stream.buffers.data());
    return AlFailed(al) ? kAudioOpenAlError : kAudioSuccess;
}

AudioResult OpenWaveStream(AudioSystem& audio, Stream& stream, const std::string& path, int length, int startMs) {
    const WaveResult opened = OpenWave(*audio.waves, path, stream.wave);
    if (opened == kWaveInvalidFileName) return kAudioCannotOpenFile;
    if (opened != kWaveSuccess) return kAudioUnusableFile;
    std::uint32_t frequency = 0;
    unsigned char header[18];
    if (GetWaveFrequency(*audio.waves, stream.wave, &frequency) != kWaveSuccess || frequency > INT_MAX ||
        GetWaveBufferFormat(*audio.waves, stream.wave, audio.al.alGetEnumValue, &stream.format) != kWaveSuccess ||
        GetWaveFormatEx(*audio.waves, stream.wave, header) != kWaveSuccess) {
        return kAudioOpenAlError;
    }
    stream.kind = StreamKind::Wav;
    stream.frequency = ALsizei(frequency);
    const WaveFormat& format = audio.waves->slots[stream.wave]->format;
    const double bytesPerMs = format.averageBytesPerSecond() / 1000.0;
    const long long block = format.blockAlignment();
    if (const AudioResult made = AllocateScratch(stream, WholeFrames(bytesPerMs, length, block, kMaxChunkBytes));
        made != kAudioSuccess) {
        return made;
    }
    if (startMs > 0) {
        const long long position = WholeFrames(bytesPerMs, startMs, block, double(LLONG_MAX) / 2);
        if (SeekWaveData(*audio.waves, stream.wave, std::max(position, 0LL)) != kWaveSuccess) return kAudioOpenAlError;
    }
    return QueueFirstWave(audio, stream);
}

// Moves past the first bytes of the decoded file: a seek where the decoder
// has one (80 s of music take 0.1 to 0.2 s to decode), else decoding and
// throwing away a chunk at a time.
void SkipOgg(AudioSystem& audio, Stream& stream, unsigned long long bytes) {
    auto frames = static_cast<ogg_int64_t>(bytes / (2ULL * unsigned(stream.channels)));
    const ogg_int64_t total = audio.ov.ov_pcm_total(&stream.decoder, -1);
    if (total >= 0) frames = std::min(frames, total);  // past the end: at the end
    if (audio.ov.ov_pcm_seek && audio.ov.ov_pcm_seek(&stream.decoder, frames) == 0) return;
    while (bytes > 0) {
        const std::size_t piece = std::size_t(std::min<unsigned long long>(bytes, stream.chunk));
        const std::size_t got = DecodeOgg(audio.ov, stream.decoder, stream.scratch.get(), piece, stream.channels);
        if (got == 0) return;
        bytes -= got;
    }
}

// Only the buffers that received data are queued.
AudioResult QueueFirstOgg(AudioSystem& audio, Stream& stream) {
    const AudioApi& al = audio.al;
    for (ALuint buffer : stream.buffers) {
        const long bytes = FillStreamBuffer(audio, stream, buffer);
        if (bytes < 0) return kAudioOpenAlError;
        if (bytes == 0) continue;
        ClearAlError(al);
        al.alSourceQueueBuffers(stream.source, 1, &buffer);
        if (AlFailed(al)) return kAudioOpenAlError;
    }
    return kAudioSuccess;
}

AudioResult OpenOggStream(AudioSystem& audio, Stream& stream, const std::string& path, int length, int startMs) {
    if (!audio.decoderBound) return kAudioNoDecoder;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return kAudioCannotOpenFile;
    if (audio.ov.ov_open_callbacks(file, &stream.decoder, nullptr, 0, FileCallbacks()) != 0) {
        std::fclose(file);
        return kAudioOpenAlError;
    }
    stream.decoderOpen = true;
    stream.kind = StreamKind::Ogg;
    const vorbis_info* info = audio.ov.ov_info(&stream.decoder, -1);
    if (!info || info->rate <= 0 || info->rate > INT_MAX) return kAudioOpenAlError;
    if (OggChannelFormat(info->channels, audio.al.alGetEnumValue, stream.format) != 0) return kAudioOpenAlError;
    stream.channels = info->channels;
    stream.frequency = ALsizei(info->rate);
    const long long frameBytes = 2LL * info->channels;
    const double bytesPerMs = double(info->rate) * double(frameBytes) / 1000.0;
    if (const AudioResult made = AllocateScratch(stream, WholeFrames(bytesPerMs, length, frameBytes, kMaxChunkBytes));
        made != kAudioSuccess) {
        return made;
    }
    if (startMs > 0 && stream.chunk > 0) {
        const long long skip = WholeFrames(bytesPerMs, startMs, frameBytes, double(LLONG_MAX) / 2);
        SkipOgg(audio, stream, skip < 0 ? ULLONG_MAX : static_cast<unsigned long long>(skip));
    }
    return QueueFirstOgg(audio, stream);
}

// Appends a Stream with its source and ring of count buffers.
AudioResult CreateStreamObject(AudioSystem& audio, int count) {
    const VoiceId id = NextVoiceId(audio);
    audio.streams.push_back(std::make_unique<Stream>());
    Stream& stream = *audio.streams.back();
    stream.id = id;
    stream.buffers.assign(std::size_t(count), 0);
    ClearAlError(audio.al);
    audio.al.alGenBuffers(count, stream.buffers.data());
    if (AlFailed(audio.al)) return kAudioOpenAlError;
    ClearAlError(audio.al);
    audio.al.alGenSources(1, &stream.source);
    return AlFailed(audio.al) ? kAudioOpenAlError : kAudioSuccess;
}

}  // namespace

Stream* FindStream(AudioSystem& audio, VoiceId id) {
    for (auto& stream : audio.streams) {
        if (stream->id == id) return stream.get();
    }
    return nullptr;
}

void DestroyStreamAt(AudioSystem& audio, std::size_t index) {
    Stream& stream = *audio.streams[index];
    if (stream.source != 0) audio.al.alDeleteSources(1, &stream.source);
    if (!stream.buffers.empty()) audio.al.alDeleteBuffers(ALsizei(stream.buffers.size()), stream.buffers.data());
    if (stream.wave >= 0) DeleteWave(*audio.waves, stream.wave);
    if (stream.decoderOpen) audio.ov.ov_clear(&stream.decoder);  // closes the file
    audio.streams.erase(audio.streams.begin() + std::ptrdiff_t(index));
}

AudioResult OpenStream(AudioSystem& audio, const std::string& path, int flags, int count, int length, int startMs,
                       VoiceId* out) {
    if (path.empty() || count < 0 || length < 0 || count > kMaxBufferCount) return kAudioInvalidArgument;
    if (!AudioIsUp(audio)) return kAudioNoRuntime;
    AudioResult result = CreateStreamObject(audio, count == 0 ? kDefaultBufferCount : count);
    Stream& stream = *audio.streams.back();
    if (out) *out = stream.id;
    const int loader = ChooseLoader(path, flags);
    const int ms = length == 0 ? kDefaultBufferMs : length;
    if (result == kAudioSuccess && loader == 0) result = kAudioUnsupportedType;
    if (result == kAudioSuccess) {
        result = loader == kLoadAsWave ? OpenWaveStream(audio, stream, path, ms, startMs)
                                       : OpenOggStream(audio, stream, path, ms, startMs);
    }
    if (result != kAudioSuccess) {
        DestroyStreamAt(audio, audio.streams.size() - 1);
        return result;
    }
    if (flags & kStreamNotPlaying) {
        stream.held = true;  // waits for PlayVoice instead of starting at the next update
        return kAudioSuccess;
    }
    return PlayVoice(audio, stream.id);
}

AudioResult StartStream(AudioSystem& audio, const std::string& path, int flags, VoiceId* out) {
    return OpenStream(audio, path, flags, kDefaultBufferCount, kDefaultBufferMs, 0, out);
}

}  // namespace glyphora
