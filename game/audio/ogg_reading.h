#pragma once
// Reading Ogg Vorbis through the bound decoder: the data sources it reads
// from, the OpenAL format of a channel layout, and decoding to 16-bit PCM.
#include <cstddef>

#include "game/audio/ogg_decoder_api.h"
#include "game/audio/wave_loader.h"

namespace glyphora {

// Callbacks over a standard I/O file handle (FILE*); closing the decoder
// closes the file.
ov_callbacks FileCallbacks();

// A file already in memory; the bytes must outlive the decoder.
struct OggMemory {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
};
// Callbacks over an OggMemory; closing the decoder leaves the bytes alone.
ov_callbacks MemoryCallbacks();

inline constexpr int kAlFormatMono16 = 0x1101;
inline constexpr int kAlFormatStereo16 = 0x1103;

// 0 and the format for 1, 2, 4 or 6 channels; 1 and format unchanged for any
// other count. Ogg Vorbis is always decoded to 16 bits.
int OggChannelFormat(int channels, FormatLookup lookup, int& format);

// Fills buffer with up to size bytes of signed 16-bit little-endian PCM and
// returns how many it got: 0 at the end of the stream or on a decoding
// error. Six-channel frames are put into OpenAL's channel order.
std::size_t DecodeOgg(const OggDecoderApi& ov, OggVorbis_File& decoder, unsigned char* buffer, std::size_t size,
                      int channels);

}  // namespace glyphora
