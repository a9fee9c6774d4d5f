#include "sound_fixtures.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>

// libvorbisenc 1.3.7 keeps one block of its setup when encoding more than two
// channels, which vorbis_info_clear does not free. Only the tests encode.
extern "C" const char* __lsan_default_suppressions() { return "leak:vorbis_encode_setup_init\n"; }

namespace glyphora::testing {
namespace {

void Put16(std::string& out, unsigned value) {
    out.push_back(char(value & 0xFF));
    out.push_back(char(value >> 8 & 0xFF));
}
void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}
std::uint32_t Get32(const std::string& in, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | std::uint8_t(in[at + std::size_t(i)]);
    return value;
}
unsigned Get16(const std::string& in, std::size_t at) {
    return unsigned(std::uint8_t(in[at])) | unsigned(std::uint8_t(in[at + 1])) << 8;
}

void AppendPages(ogg_stream_state& stream, std::string& out, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.append(reinterpret_cast<const char*>(page.header), std::size_t(page.header_len));
        out.append(reinterpret_cast<const char*>(page.body), std::size_t(page.body_len));
    }
}

// Hands the encoder's finished blocks to the Ogg stream.
void Drain(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, std::string& out) {
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            AppendPages(stream, out, false);
        }
    }
}

}  // namespace

Samples SineChannels(double hz, const std::vector<double>& amplitudes, double seconds, int rate) {
    Samples s;
    s.rate = rate;
    s.channels = int(amplitudes.size());
    const long frames = std::lround(seconds * rate);
    const double fade = 0.005 * rate;
    s.values.resize(std::size_t(frames * s.channels));
    for (long i = 0; i < frames; ++i) {
        const double envelope = std::min({1.0, i / fade, (frames - 1 - i) / fade});
        const double wave = std::sin(2 * std::numbers::pi * hz * double(i) / rate) * envelope;
        for (int c = 0; c < s.channels; ++c)
            s.values[std::size_t(i * s.channels + c)] = float(wave * amplitudes[std::size_t(c)]);
    }
    return s;
}

Samples Sine(double hz, double amplitude, double seconds, int channels, int rate) {
    return SineChannels(hz, std::vector<double>(std::size_t(channels), amplitude), seconds, rate);
}

std::string WaveBytes(const Samples& s) {
    std::string out = "RIFF";
    const std::uint32_t dataBytes = std::uint32_t(s.values.size() * 2);
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, unsigned(s.channels));
    Put32(out, std::uint32_t(s.rate));
    Put32(out, std::uint32_t(s.rate * s.channels * 2));
    Put16(out, unsigned(s.channels * 2));
    Put16(out, 16);
    out += "data";
    Put32(out, dataBytes);
    for (float v : s.values) Put16(out, unsigned(std::int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767))));
    return out;
}

std::string OggBytes(const Samples& s) {
    vorbis_info info;
    vorbis_info_init(&info);
    vorbis_encode_init_vbr(&info, s.channels, s.rate, 0.6f);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    std::string out;
    AppendPages(stream, out, true);
    constexpr long kPiece = 4096;
    for (long at = 0; at < s.frames(); at += kPiece) {
        const long n = std::min(kPiece, s.frames() - at);
        float** into = vorbis_analysis_buffer(&dsp, int(n));
        for (long i = 0; i < n; ++i) {
            for (int c = 0; c < s.channels; ++c) into[c][i] = s.at(at + i, c);
        }
        vorbis_analysis_wrote(&dsp, int(n));
        Drain(dsp, block, stream, out);
    }
    vorbis_analysis_wrote(&dsp, 0);
    Drain(dsp, block, stream, out);
    AppendPages(stream, out, true);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

std::string Swapped(std::string bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
    return bytes;
}

Samples ReadWave(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    Samples s;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0) return s;
    unsigned bits = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = Get32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            s.channels = int(Get16(bytes, body + 2));
            s.rate = int(Get32(bytes, body + 4));
            bits = Get16(bytes, body + 14);
        } else if (id == "data") {
            // The header's size is written only when the device closes; trust
            // the file's length over it.
            const std::size_t count = (bytes.size() - body) / (bits / 8);
            s.values.resize(count);
            for (std::size_t i = 0; i < count; ++i) {
                if (bits == 32) {
                    std::memcpy(&s.values[i], bytes.data() + body + 4 * i, 4);
                } else {
                    s.values[i] = float(std::int16_t(Get16(bytes, body + 2 * i))) / 32768.0f;
                }
            }
            s.values.resize(s.values.size() - s.values.size() % std::size_t(s.channels));
            return s;
        }
        at = body + size + (size & 1);
    }
    return s;
}

long FirstFrameAbove(const Samples& s, float threshold, long from) {
    for (long f = std::max(from, 0L); f < s.frames(); ++f) {
        for (int c = 0; c < s.channels; ++c) {
            if (std::fabs(s.at(f, c)) > threshold) return f;
        }
    }
    return -1;
}

long LastFrameAbove(const Samples& s, float threshold) {
    for (long f = s.frames() - 1; f >= 0; --f) {
        for (int c = 0; c < s.channels; ++c) {
            if (std::fabs(s.at(f, c)) > threshold) return f;
        }
    }
    return -1;
}

float Peak(const Samples& s, long from, long to, int channel) {
    float peak = 0;
    for (long f = std::max(from, 0L); f < std::min(to, s.frames()); ++f) {
        for (int c = 0; c < s.channels; ++c) {
            if (channel < 0 || c == channel) peak = std::max(peak, std::fabs(s.at(f, c)));
        }
    }
    return peak;
}

double Rms(const Samples& s, long from, long to, int channel) {
    double sum = 0;
    long n = 0;
    for (long f = std::max(from, 0L); f < std::min(to, s.frames()); ++f, ++n)
        sum += double(s.at(f, channel)) * s.at(f, channel);
    return n ? std::sqrt(sum / double(n)) : 0;
}

long LongestQuietRun(const Samples& s, long from, long to, float threshold) {
    long longest = 0, run = 0;
    for (long f = std::max(from, 0L); f < std::min(to, s.frames()); ++f) {
        bool quiet = true;
        for (int c = 0; c < s.channels; ++c) quiet = quiet && std::fabs(s.at(f, c)) <= threshold;
        run = quiet ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

float LargestStep(const Samples& s, long from, long to) {
    float step = 0;
    for (long f = std::max(from, 0L) + 1; f < std::min(to, s.frames()); ++f) {
        for (int c = 0; c < s.channels; ++c) step = std::max(step, std::fabs(s.at(f, c) - s.at(f - 1, c)));
    }
    return step;
}

double ToneAmplitude(const Samples& s, long from, long to, double hz) {
    from = std::max(from, 0L);
    to = std::min(to, s.frames());
    if (to - from < 2) return 0;
    const double step = 2 * std::numbers::pi * hz / s.rate;
    const double span = double(to - from - 1);
    double re = 0, im = 0, weights = 0;
    for (long f = from; f < to; ++f) {
        double mix = 0;
        for (int c = 0; c < s.channels; ++c) mix += s.at(f, c);
        const double weight = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(f - from) / span);
        const double phase = step * double(f - from);
        re += weight * mix * std::cos(phase);
        im -= weight * mix * std::sin(phase);
        weights += weight;
    }
    return 2 * std::hypot(re, im) / weights / s.channels;
}

long ToneOnset(const Samples& s, long from, long to, double hz, long window, double threshold) {
    for (long at = std::max(from, 0L); at + window <= std::min(to, s.frames()); at += std::max(window / 4, 1L)) {
        if (ToneAmplitude(s, at, at + window, hz) > threshold) return at;
    }
    return -1;
}

double StrongestTone(const Samples& s, long from, long to, double hz, long window) {
    double strongest = 0;
    for (long at = std::max(from, 0L); at + window <= std::min(to, s.frames()); at += std::max(window / 4, 1L))
        strongest = std::max(strongest, ToneAmplitude(s, at, at + window, hz));
    return strongest;
}

}  // namespace glyphora::testing
