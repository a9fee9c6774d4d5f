#pragma once
// The bytes a WAVE file is parsed from: a file on disk, kept open while a
// stream reads it, or a file already read into memory. Positions are byte
// offsets from the start; seeking past the end is allowed and reads nothing.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace glyphora {

class WaveSource {
public:
    virtual ~WaveSource() = default;
    // Reads up to size bytes at the position and advances past them.
    virtual std::size_t read(void* into, std::size_t size) = 0;
    virtual bool seek(std::int64_t position) = 0;
    virtual std::int64_t position() = 0;
    // The number of bytes there are.
    virtual std::int64_t size() = 0;
};

// Opens path for reading; nullptr when it cannot be opened.
std::unique_ptr<WaveSource> OpenWaveFile(const std::string& path);
// Reads bytes that outlive the source.
std::unique_ptr<WaveSource> ViewWaveBytes(std::span<const unsigned char> bytes);

}  // namespace glyphora
