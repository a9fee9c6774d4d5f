#include "tools/soundgen/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace glyphora::soundgen {

namespace {

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileClose>;

// The libvorbis and libogg states of one encode, cleared in reverse order.
struct Encoder {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool analysing = false, streaming = false;

    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (streaming) ogg_stream_clear(&stream);
        if (analysing) {
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

bool WritePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) ==
               static_cast<std::size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) ==
               static_cast<std::size_t>(page.body_len);
}

bool WriteHeaders(Encoder& encoder, std::FILE* file) {
    ogg_packet identification, comments, codebooks;
    if (vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &identification, &comments, &codebooks) != 0)
        return false;
    ogg_stream_packetin(&encoder.stream, &identification);
    ogg_stream_packetin(&encoder.stream, &comments);
    ogg_stream_packetin(&encoder.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&encoder.stream, &page) != 0) {
        if (!WritePage(file, page)) return false;
    }
    return true;
}

// Hands `frames` frames (none: end of stream) to the encoder and writes every
// page that becomes ready.
bool EncodeBlock(Encoder& encoder, const Pcm& pcm, std::size_t first, int frames, std::FILE* file) {
    if (frames > 0) {
        float** buffer = vorbis_analysis_buffer(&encoder.dsp, frames);
        for (int f = 0; f < frames; ++f) {
            for (int c = 0; c < pcm.channels; ++c) {
                const float x =
                    pcm.samples[(first + static_cast<std::size_t>(f)) * static_cast<std::size_t>(pcm.channels) +
                                static_cast<std::size_t>(c)];
                buffer[c][f] = std::clamp(x, -1.0f, 1.0f);
            }
        }
    }
    vorbis_analysis_wrote(&encoder.dsp, frames);
    while (vorbis_analysis_blockout(&encoder.dsp, &encoder.block) == 1) {
        vorbis_analysis(&encoder.block, nullptr);
        vorbis_bitrate_addblock(&encoder.block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&encoder.dsp, &packet) != 0) {
            ogg_stream_packetin(&encoder.stream, &packet);
            ogg_page page;
            while (ogg_stream_pageout(&encoder.stream, &page) != 0) {
                if (!WritePage(file, page)) return false;
            }
        }
    }
    return true;
}

}  // namespace

bool WriteOggVorbis(const Pcm& pcm, const OggOptions& options, const std::string& path) {
    if (pcm.channels < 1 || pcm.channels > 2) return false;
    Encoder encoder;
    if (vorbis_encode_init_vbr(&encoder.info, pcm.channels, kSampleRate, options.quality) != 0) return false;
    if (!options.title.empty()) vorbis_comment_add_tag(&encoder.comment, "TITLE", options.title.c_str());
    vorbis_comment_add_tag(&encoder.comment, "ALBUM", "Glyphora");
    if (vorbis_analysis_init(&encoder.dsp, &encoder.info) != 0) return false;
    vorbis_block_init(&encoder.dsp, &encoder.block);
    encoder.analysing = true;
    if (ogg_stream_init(&encoder.stream, static_cast<int>(options.serial)) != 0) return false;
    encoder.streaming = true;

    File file(std::fopen(path.c_str(), "wb"));
    if (!file || !WriteHeaders(encoder, file.get())) return false;
    constexpr int kBlockFrames = 4096;
    const std::size_t frames = pcm.Frames();
    for (std::size_t first = 0; first < frames; first += kBlockFrames) {
        const int count = static_cast<int>(std::min<std::size_t>(kBlockFrames, frames - first));
        if (!EncodeBlock(encoder, pcm, first, count, file.get())) return false;
    }
    if (!EncodeBlock(encoder, pcm, frames, 0, file.get())) return false;
    return std::fflush(file.get()) == 0 && !std::ferror(file.get());
}

std::uint32_t SerialFor(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : name) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace glyphora::soundgen
