#include "game/audio/ogg_reading.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace glyphora {
namespace {

std::size_t FileRead(void* into, std::size_t size, std::size_t count, void* file) {
    return std::fread(into, size, count, static_cast<std::FILE*>(file));
}
int FileSeek(void* file, ogg_int64_t offset, int origin) {
    return std::fseek(static_cast<std::FILE*>(file), static_cast<long>(offset), origin);
}
int FileClose(void* file) { return std::fclose(static_cast<std::FILE*>(file)); }
long FileTell(void* file) { return std::ftell(static_cast<std::FILE*>(file)); }

std::size_t MemoryRead(void* into, std::size_t size, std::size_t count, void* source) {
    auto& memory = *static_cast<OggMemory*>(source);
    if (size == 0 || memory.position >= memory.size) return 0;
    const std::size_t items = std::min(count, (memory.size - memory.position) / size);
    std::memcpy(into, memory.data + memory.position, items * size);
    memory.position += items * size;
    return items;
}
int MemorySeek(void* source, ogg_int64_t offset, int origin) {
    auto& memory = *static_cast<OggMemory*>(source);
    const ogg_int64_t base = origin == SEEK_CUR   ? ogg_int64_t(memory.position)
                             : origin == SEEK_END ? ogg_int64_t(memory.size)
                                                  : 0;
    if (offset < -base || offset > ogg_int64_t(memory.size) - base) return -1;
    memory.position = std::size_t(base + offset);
    return 0;
}
int MemoryClose(void*) { return 0; }
long MemoryTell(void* source) { return long(static_cast<OggMemory*>(source)->position); }

// Vorbis orders six channels front left, centre, front right, rear left,
// rear right, LFE; OpenAL wants front left, front right, centre, LFE, rear
// left, rear right.
void ReorderSixChannels(unsigned char* buffer, std::size_t bytes) {
    constexpr std::size_t kFrameBytes = 6 * sizeof(std::int16_t);
    for (std::size_t at = 0; at + kFrameBytes <= bytes; at += kFrameBytes) {
        std::int16_t frame[6];
        std::memcpy(frame, buffer + at, kFrameBytes);
        std::swap(frame[1], frame[2]);
        std::swap(frame[3], frame[5]);
        std::swap(frame[4], frame[5]);
        std::memcpy(buffer + at, frame, kFrameBytes);
    }
}

}  // namespace

ov_callbacks FileCallbacks() { return {FileRead, FileSeek, FileClose, FileTell}; }
ov_callbacks MemoryCallbacks() { return {MemoryRead, MemorySeek, MemoryClose, MemoryTell}; }

int OggChannelFormat(int channels, FormatLookup lookup, int& format) {
    switch (channels) {
        case 1: format = kAlFormatMono16; return 0;
        case 2: format = kAlFormatStereo16; return 0;
        case 4: format = lookup("AL_FORMAT_QUAD16"); return 0;
        case 6: format = lookup("AL_FORMAT_51CHN16"); return 0;
        default: return 1;
    }
}

std::size_t DecodeOgg(const OggDecoderApi& ov, OggVorbis_File& decoder, unsigned char* buffer, std::size_t size,
                      int channels) {
    std::size_t done = 0;
    while (done < size) {
        const int request = static_cast<int>(std::min<std::size_t>(size - done, INT_MAX));
        int section = 0;
        const long got = ov.ov_read(&decoder, reinterpret_cast<char*>(buffer + done), request, 0, 2, 1, &section);
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    if (channels == 6) ReorderSixChannels(buffer, done);
    return done;
}

}  // namespace glyphora
