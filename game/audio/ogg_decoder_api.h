#pragma once
// The Ogg Vorbis decoder library (libvorbisfile), bound by name at run time
// like the OpenAL runtime: six required entry points, looked up in this order,
// and one that is used when there (seeking, for a track started part-way in).
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <array>

namespace glyphora {

struct OggDecoderApi {
    decltype(&::ov_clear) ov_clear = nullptr;
    decltype(&::ov_read) ov_read = nullptr;
    decltype(&::ov_pcm_total) ov_pcm_total = nullptr;
    decltype(&::ov_info) ov_info = nullptr;
    decltype(&::ov_comment) ov_comment = nullptr;
    decltype(&::ov_open_callbacks) ov_open_callbacks = nullptr;
    decltype(&::ov_pcm_seek) ov_pcm_seek = nullptr;  // optional
};

inline constexpr std::array kOggDecoderApiNames = {"ov_clear", "ov_read",    "ov_pcm_total",
                                                   "ov_info",  "ov_comment", "ov_open_callbacks"};

}  // namespace glyphora
