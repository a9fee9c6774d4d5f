#include "game/audio/stream_fill.h"

#include "game/audio/ogg_reading.h"

namespace glyphora {

// A WAV read that fails counts as the end of the data; its upload is not
// checked (it can only fail for data OpenAL already accepted in this format).
long FillStreamBuffer(AudioSystem& audio, Stream& stream, ALuint buffer) {
    const AudioApi& al = audio.al;
    if (stream.kind == StreamKind::Wav) {
        std::size_t bytes = 0;
        if (ReadWaveData(*audio.waves, stream.wave, stream.scratch.get(), stream.chunk, &bytes) != kWaveSuccess) {
            bytes = 0;
        }
        if (bytes > 0) al.alBufferData(buffer, stream.format, stream.scratch.get(), ALsizei(bytes), stream.frequency);
        return long(bytes);
    }
    const std::size_t bytes = DecodeOgg(audio.ov, stream.decoder, stream.scratch.get(), stream.chunk, stream.channels);
    if (bytes == 0) return 0;
    ClearAlError(al);
    al.alBufferData(buffer, stream.format, stream.scratch.get(), ALsizei(bytes), stream.frequency);
    return AlFailed(al) ? -1 : long(bytes);
}

}  // namespace glyphora
