// The RIFF WAVE chunk walk shared by LoadWave and OpenWave.
#include <cctype>
#include <cstring>
#include <limits>

#include "game/audio/wave_loader.h"

namespace glyphora {
namespace {

constexpr std::uint16_t kPcmTag = 1;
constexpr std::uint16_t kExtensibleTag = 0xFFFE;
constexpr std::uint32_t kFormatBlockSize = 40;

// Chunk identifiers compare without regard to case.
bool SameId(const unsigned char* id, const char* expected) {
    for (int i = 0; i < 4; ++i) {
        if (std::tolower(id[i]) != std::tolower(static_cast<unsigned char>(expected[i]))) return false;
    }
    return true;
}

std::uint32_t LittleEndian32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// A format block of a known tag replaces the entry's; any other tag, or a
// block cut short by the file's end, leaves the rest zero.
void ReadFormat(WaveSource& source, std::uint32_t size, WaveEntry& entry) {
    WaveFormat format;
    source.read(format.bytes.data(), size);
    if (format.formatTag() == kPcmTag) {
        entry.type = WaveType::Pcm;
        entry.format = WaveFormat{};
        std::memcpy(entry.format.bytes.data(), format.bytes.data(), 16);
    } else if (format.formatTag() == kExtensibleTag) {
        entry.type = WaveType::Extensible;
        entry.format = format;
    }
}

// The sample layout must be describable at all: no channels or no bytes per
// sample frame would leave nothing to play and nothing to step through.
bool HasSamples(const WaveEntry& entry) {
    return entry.dataSize != 0 && entry.dataOffset != 0 && entry.type != WaveType::None &&
           entry.format.channels() != 0 && entry.format.blockAlignment() != 0;
}

}  // namespace

WaveResult ParseWave(WaveSource& source, WaveEntry& entry) {
    unsigned char header[12];
    if (source.read(header, sizeof header) != sizeof header || !SameId(header, "RIFF") || !SameId(header + 8, "WAVE")) {
        return kWaveInvalidFile;
    }
    unsigned char chunk[8];
    while (source.read(chunk, sizeof chunk) == sizeof chunk) {
        const std::uint32_t size = LittleEndian32(chunk + 4);
        const std::int64_t body = source.position();
        if (SameId(chunk, "fmt ") && size <= kFormatBlockSize) {
            ReadFormat(source, size, entry);
        } else if (SameId(chunk, "data")) {
            if (body > std::numeric_limits<std::int32_t>::max()) return kWaveInvalidFile;
            entry.dataSize = size;
            entry.dataOffset = static_cast<std::int32_t>(body);
        }
        // Odd-sized chunks are followed by one pad byte.
        if (!source.seek(body + size + (size & 1))) break;
    }
    return HasSamples(entry) ? kWaveSuccess : kWaveInvalidFile;
}

}  // namespace glyphora
