#pragma once
// The RIFF WAVE reader: a table of parsed files that the sound library loads
// whole (effects) or reads piece by piece (streams). Files a player may have
// replaced are untrusted: every size is checked against what is there.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "game/audio/wave_source.h"

namespace glyphora {

enum WaveResult : int {
    kWaveSuccess = 0,
    kWaveInvalidFileName = -1,
    kWaveInvalidFile = -2,
    kWaveInvalidParameter = -3,
    kWaveInvalidId = -4,
    kWaveNotSupportedYet = -5,
    kWaveMustBeMono = -6,
    kWaveMustBePcm = -7,
    kWaveBitResolutionDiffers = -8,
    kWaveFrequencyDiffers = -9,
    kWaveBitRateDiffers = -10,
    kWaveBlockAlignmentDiffers = -11,
    kWaveOffsetOutsideData = -12,
    kWaveFileIoError = -13,
    kWaveOutOfMemory = -14,
    kWaveInvalidSpeakers = -15,
    kWaveInvalidFileType = -16,
    kWaveNotExtensible = -17,
};

enum class WaveType { None = 0, Pcm = 1, Extensible = 2 };

// The 40-byte format block, laid out as WAVEFORMATEXTENSIBLE (little-endian).
// A PCM file fills only its first 16 bytes.
struct WaveFormat {
    std::array<unsigned char, 40> bytes{};
    std::uint16_t formatTag() const { return u16(0); }
    std::uint16_t channels() const { return u16(2); }
    std::uint32_t samplesPerSecond() const { return u32(4); }
    std::uint32_t averageBytesPerSecond() const { return u32(8); }
    std::uint16_t blockAlignment() const { return u16(12); }
    std::uint16_t bitsPerSample() const { return u16(14); }
    std::uint32_t channelMask() const { return u32(20); }

private:
    std::uint16_t u16(int at) const { return std::uint16_t(bytes[at] | bytes[at + 1] << 8); }
    std::uint32_t u32(int at) const { return std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16; }
};

struct WaveEntry {
    WaveType type = WaveType::None;
    WaveFormat format;
    std::unique_ptr<unsigned char[]> data;  // all sample data, after LoadWave
    std::uint32_t dataSize = 0;             // the "data" chunk's size field
    std::unique_ptr<WaveSource> source;     // kept open by OpenWave
    std::int32_t dataOffset = 0;            // position of the first sample byte
};

using WaveId = int;
inline constexpr int kWaveSlots = 1024;

struct WaveLoader {
    std::array<std::unique_ptr<WaveEntry>, kWaveSlots> slots;
};

// Looks an OpenAL format up by its name ("AL_FORMAT_MONO16"); 0 when unknown.
using FormatLookup = int (*)(const char* name);

// Parses the file, reads all its sample data and closes it.
WaveResult LoadWave(WaveLoader& loader, const std::string& path, WaveId& out);
// The same for a file already in memory (bytes need not outlive the call).
WaveResult LoadWaveFromMemory(WaveLoader& loader, std::span<const unsigned char> bytes, WaveId& out);
// Parses the file and keeps it open at its first sample byte for ReadWaveData.
WaveResult OpenWave(WaveLoader& loader, const std::string& path, WaveId& out);
// Reads up to size bytes of sample data from the current position, never
// past the end of the data chunk nor of the file; count is 0 at the end.
WaveResult ReadWaveData(WaveLoader& loader, WaveId id, void* buffer, std::size_t size, std::size_t* count);
// Moves the read position to offset bytes into the sample data (0 or more).
WaveResult SeekWaveData(WaveLoader& loader, WaveId id, std::int64_t offset);
WaveResult DeleteWave(WaveLoader& loader, WaveId id);
// Copies bytes 0-17 of the format block (WAVEFORMATEX) into out[0..17].
WaveResult GetWaveFormatEx(const WaveLoader& loader, WaveId id, unsigned char* out);
WaveResult GetWaveData(const WaveLoader& loader, WaveId id, const unsigned char** out);
WaveResult GetWaveSize(const WaveLoader& loader, WaveId id, std::uint32_t* out);
WaveResult GetWaveFrequency(const WaveLoader& loader, WaveId id, std::uint32_t* out);
// The OpenAL buffer format of the file's layout, found by name through lookup;
// kWaveInvalidFileType when OpenAL has none for it.
WaveResult GetWaveBufferFormat(const WaveLoader& loader, WaveId id, FormatLookup lookup, int* out);
bool IsWaveId(const WaveLoader& loader, WaveId id);
// Copies the code's text, cut to length - 1 characters and terminated.
char* WaveErrorText(int code, char* buffer, int length);

// Internal to the loader: parses a RIFF WAVE source into a fresh entry.
WaveResult ParseWave(WaveSource& source, WaveEntry& entry);

}  // namespace glyphora
