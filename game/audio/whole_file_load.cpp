#include "game/audio/whole_file_load.h"

#include <climits>
#include <cstdio>
#include <new>

#include "game/audio/ogg_reading.h"

namespace glyphora {
namespace {

// Describes the parsed wave to OpenAL and uploads it; the entry is deleted
// whatever the outcome.
AudioResult UploadWave(AudioSystem& audio, WaveId id, ALuint buffer) {
    const AudioApi& al = audio.al;
    std::uint32_t size = 0, frequency = 0;
    const unsigned char* data = nullptr;
    int format = 0;
    AudioResult result = kAudioUnusableFile;
    if (GetWaveSize(*audio.waves, id, &size) == kWaveSuccess && size <= INT_MAX &&
        GetWaveData(*audio.waves, id, &data) == kWaveSuccess &&
        GetWaveFrequency(*audio.waves, id, &frequency) == kWaveSuccess && frequency <= INT_MAX &&
        GetWaveBufferFormat(*audio.waves, id, al.alGetEnumValue, &format) == kWaveSuccess) {
        ClearAlError(al);
        al.alBufferData(buffer, format, data, ALsizei(size), ALsizei(frequency));
        result = AlFailed(al) ? kAudioOpenAlError : kAudioSuccess;
    }
    DeleteWave(*audio.waves, id);
    return result;
}

// Decodes an opened decoder whole into the buffer. The caller clears it.
AudioResult UploadOgg(AudioSystem& audio, OggVorbis_File& decoder, ALuint buffer) {
    const OggDecoderApi& ov = audio.ov;
    const vorbis_info* info = ov.ov_info(&decoder, -1);
    if (!info || info->rate <= 0 || info->rate > INT_MAX) return kAudioUnusableFile;
    int format = 0;
    if (OggChannelFormat(info->channels, audio.al.alGetEnumValue, format) != 0) return kAudioUnusableFile;
    const ogg_int64_t frames = ov.ov_pcm_total(&decoder, -1);
    const std::size_t frameBytes = 2 * std::size_t(info->channels);
    if (frames < 0) return kAudioUnusableFile;
    if (std::uint64_t(frames) > kMaxSoundBytes / frameBytes) return kAudioOutOfMemory;
    const std::size_t size = std::size_t(frames) * frameBytes;
    std::unique_ptr<unsigned char[]> samples(new (std::nothrow) unsigned char[size]);
    if (!samples) return kAudioOutOfMemory;
    const std::size_t decoded = DecodeOgg(ov, decoder, samples.get(), size, info->channels);
    if (decoded == 0) return kAudioSuccess;  // an empty file makes an empty Sound
    ClearAlError(audio.al);
    audio.al.alBufferData(buffer, format, samples.get(), ALsizei(decoded), ALsizei(info->rate));
    return AlFailed(audio.al) ? kAudioOpenAlError : kAudioSuccess;
}

}  // namespace

AudioResult LoadWholeWave(AudioSystem& audio, const std::string& path, ALuint buffer) {
    WaveId id = -1;
    if (LoadWave(*audio.waves, path, id) != kWaveSuccess) return kAudioCannotOpenFile;
    return UploadWave(audio, id, buffer);
}

AudioResult LoadWholeWave(AudioSystem& audio, std::span<const unsigned char> bytes, ALuint buffer) {
    WaveId id = -1;
    if (LoadWaveFromMemory(*audio.waves, bytes, id) != kWaveSuccess) return kAudioCannotOpenFile;
    return UploadWave(audio, id, buffer);
}

AudioResult LoadWholeOgg(AudioSystem& audio, const std::string& path, ALuint buffer) {
    if (!audio.decoderBound) return kAudioNoDecoder;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return kAudioCannotOpenFile;
    OggVorbis_File decoder{};
    if (audio.ov.ov_open_callbacks(file, &decoder, nullptr, 0, FileCallbacks()) != 0) {
        std::fclose(file);
        return kAudioUnusableFile;
    }
    const AudioResult result = UploadOgg(audio, decoder, buffer);
    audio.ov.ov_clear(&decoder);  // closes the file
    return result;
}

AudioResult LoadWholeOgg(AudioSystem& audio, std::span<const unsigned char> bytes, ALuint buffer) {
    if (!audio.decoderBound) return kAudioNoDecoder;
    OggMemory memory{bytes.data(), bytes.size(), 0};
    OggVorbis_File decoder{};
    if (audio.ov.ov_open_callbacks(&memory, &decoder, nullptr, 0, MemoryCallbacks()) != 0) {
        return kAudioUnusableFile;
    }
    const AudioResult result = UploadOgg(audio, decoder, buffer);
    audio.ov.ov_clear(&decoder);
    return result;
}

}  // namespace glyphora
