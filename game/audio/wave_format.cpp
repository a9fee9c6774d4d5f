// The mapping of WAVE layouts to OpenAL buffer formats, and the result texts.
#include <cstring>

#include "game/audio/wave_loader.h"

namespace glyphora {
namespace {

constexpr std::uint32_t kAnyMask = 0xFFFFFFFF;

struct FormatRow {
    WaveType type;
    int channels;
    std::uint32_t channelMask;  // kAnyMask: not looked at
    const char* name16;         // the format for 16-bit samples
    const char* name8;          // for 8-bit samples; nullptr: none
};

// Tried top to bottom; the first row of the file's type, channel count and
// mask decides.
constexpr FormatRow kFormats[] = {
    {WaveType::Pcm, 1, kAnyMask, "AL_FORMAT_MONO16", "AL_FORMAT_MONO8"},
    {WaveType::Pcm, 2, kAnyMask, "AL_FORMAT_STEREO16", "AL_FORMAT_STEREO8"},
    {WaveType::Pcm, 4, kAnyMask, "AL_FORMAT_QUAD16", nullptr},
    {WaveType::Extensible, 1, 0x4, "AL_FORMAT_MONO16", "AL_FORMAT_MONO8"},
    {WaveType::Extensible, 2, 0x3, "AL_FORMAT_STEREO16", "AL_FORMAT_STEREO8"},
    {WaveType::Extensible, 2, 0x30, "AL_FORMAT_REAR16", nullptr},
    {WaveType::Extensible, 4, 0x33, "AL_FORMAT_QUAD16", nullptr},
    {WaveType::Extensible, 6, 0x3F, "AL_FORMAT_51CHN16", nullptr},
    {WaveType::Extensible, 7, 0x13F, "AL_FORMAT_61CHN16", nullptr},
    {WaveType::Extensible, 8, 0x63F, "AL_FORMAT_71CHN16", nullptr},
};

// Only 8- and 16-bit samples have OpenAL formats here: 24- or 32-bit data
// handed over as 8-bit would play as loud noise.
const char* FormatName(const WaveEntry& entry) {
    const WaveFormat& format = entry.format;
    for (const FormatRow& row : kFormats) {
        if (row.type != entry.type || row.channels != format.channels()) continue;
        if (row.channelMask != kAnyMask && row.channelMask != format.channelMask()) continue;
        if (format.bitsPerSample() == 16) return row.name16;
        if (format.bitsPerSample() == 8) return row.name8;
        return nullptr;
    }
    return nullptr;
}

const char* ResultText(int code) {
    static constexpr const char* kTexts[] = {
        "Success\n",
        "Invalid file name or file does not exist\n",
        "Invalid Wave file\n",
        "Invalid parameter passed to function\n",
        "Invalid WAVEID\n",
        "Function not supported yet\n",
        "Input wave files must be mono\n",
        "Input wave files must be in Wave Format PCM\n",
        "Input wave files must have the same Bit Resolution\n",
        "Input wave files must have the same Frequency\n",
        "Input wave files must have the same Bit Rate\n",
        "Input wave files must have the same Block Alignment\n",
        "Wave files Offset is not within audio data\n",
        "File I/O error\n",
        "Out of memory\n",
        "Invalid Speaker Destinations\n",
        "Invalid Wave File Type\n",
        "Wave file is not in WAVEFORMATEXTENSIBLE format\n",
    };
    if (code > 0 || code < -17) return "Undefined error\n";
    return kTexts[-code];
}

}  // namespace

WaveResult GetWaveBufferFormat(const WaveLoader& loader, WaveId id, FormatLookup lookup, int* out) {
    if (!IsWaveId(loader, id)) return kWaveInvalidId;
    if (!lookup || !out) return kWaveInvalidParameter;
    *out = 0;
    if (const char* name = FormatName(*loader.slots[id])) *out = lookup(name);
    return *out != 0 ? kWaveSuccess : kWaveInvalidFileType;
}

char* WaveErrorText(int code, char* buffer, int length) {
    if (!buffer || length <= 0) return buffer;
    std::strncpy(buffer, ResultText(code), static_cast<std::size_t>(length) - 1);
    buffer[length - 1] = '\0';
    return buffer;
}

}  // namespace glyphora
