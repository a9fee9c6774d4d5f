// The WAVE reader against hand-made files: every layout a player's file may
// have, well-formed or not.
#include "game/audio/wave_loader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using testing::ScratchDir;
using testing::WriteBytes;

std::string U16(unsigned v) { return {char(v & 0xFF), char(v >> 8 & 0xFF)}; }
std::string U32(std::uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }
std::string Chunk(const std::string& id, const std::string& body, std::uint32_t claimed) {
    std::string chunk = id + U32(claimed) + body;
    if (body.size() % 2) chunk += '\0';
    return chunk;
}
std::string Chunk(const std::string& id, const std::string& body) {
    return Chunk(id, body, std::uint32_t(body.size()));
}

std::string PcmFormat(unsigned channels, unsigned bits, std::uint32_t rate = 22050) {
    const unsigned block = channels * bits / 8;
    return U16(1) + U16(channels) + U32(rate) + U32(rate * block) + U16(block) + U16(bits);
}
std::string ExtensibleFormat(unsigned channels, unsigned bits, std::uint32_t mask) {
    const unsigned block = channels * bits / 8;
    return U16(0xFFFE) + U16(channels) + U32(44100) + U32(44100 * block) + U16(block) + U16(bits) + U16(22) +
           U16(bits) + U32(mask) + std::string(16, '\x01');
}
std::string Riff(const std::string& chunks, const std::string& riff = "RIFF", const std::string& wave = "WAVE") {
    return riff + U32(std::uint32_t(4 + chunks.size())) + wave + chunks;
}
const std::string kSamples = "\x01\x02\x03\x04\x05\x06\x07\x08";
const std::string kMono16 = Chunk("fmt ", PcmFormat(1, 16));

struct ParseCase {
    const char* what;
    std::string file;
    WaveResult load;  // LoadWave
    WaveResult open;  // OpenWave
};

TEST(WaveLoaderTest, ParsesWellFormedFilesAndRefusesBrokenOnesWithTheirCode) {
    // clang-format off
    const ParseCase cases[] = {
        {"plain mono 16-bit", Riff(kMono16 + Chunk("data", kSamples)), kWaveSuccess, kWaveSuccess},
        {"identifiers in any case", Riff(Chunk("FMT ", PcmFormat(1, 16)) + Chunk("DATA", kSamples), "riff", "wave"),
         kWaveSuccess, kWaveSuccess},
        {"odd LIST chunk before data (pad byte)", Riff(kMono16 + Chunk("LIST", "abc") + Chunk("data", kSamples)),
         kWaveSuccess, kWaveSuccess},
        {"later fmt overrides the earlier", Riff(Chunk("fmt ", PcmFormat(0, 16)) + kMono16 + Chunk("data", kSamples)),
         kWaveSuccess, kWaveSuccess},
        {"extensible", Riff(Chunk("fmt ", ExtensibleFormat(2, 16, 3)) + Chunk("data", kSamples)), kWaveSuccess,
         kWaveSuccess},
        {"empty file", "", kWaveInvalidFile, kWaveInvalidFile},
        {"truncated RIFF header", "RIFF\x10\0\0\0WA", kWaveInvalidFile, kWaveInvalidFile},
        {"RIFF but not WAVE", Riff(kMono16 + Chunk("data", kSamples), "RIFF", "AVI "), kWaveInvalidFile,
         kWaveInvalidFile},
        {"fmt of 50 bytes is skipped: no type", Riff(Chunk("fmt ", PcmFormat(1, 16) + std::string(34, '\0')) +
                                                     Chunk("data", kSamples)),
         kWaveInvalidFile, kWaveInvalidFile},
        {"unknown format tag (ADPCM)", Riff(Chunk("fmt ", U16(2) + PcmFormat(1, 4).substr(2)) + Chunk("data", kSamples)),
         kWaveInvalidFile, kWaveInvalidFile},
        {"no data chunk", Riff(kMono16), kWaveInvalidFile, kWaveInvalidFile},
        {"data chunk of size 0", Riff(kMono16 + Chunk("data", "")), kWaveInvalidFile, kWaveInvalidFile},
        {"zero channels", Riff(Chunk("fmt ", PcmFormat(0, 16)) + Chunk("data", kSamples)), kWaveInvalidFile,
         kWaveInvalidFile},
        {"zero block alignment", Riff(Chunk("fmt ", PcmFormat(1, 0)) + Chunk("data", kSamples)), kWaveInvalidFile,
         kWaveInvalidFile},
        {"data size past the file's end", Riff(kMono16 + Chunk("data", kSamples, 0xFFFFFFF0)), kWaveInvalidFile,
         kWaveSuccess},
        {"truncated inside the samples", Riff(kMono16 + Chunk("data", kSamples)).substr(0, 48), kWaveInvalidFile,
         kWaveSuccess},
        {"fmt cut off by the file's end", Riff(Chunk("data", kSamples) + "fmt " + U32(16) + "\x01\0\x01", "RIFF"),
         kWaveInvalidFile, kWaveInvalidFile},
    };
    // clang-format on
    ScratchDir dir;
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(dir.file("t.wav"), c.file);
        WaveLoader loader;
        WaveId id = 77;
        EXPECT_EQ(LoadWave(loader, dir.file("t.wav"), id), c.load);
        EXPECT_EQ(id, c.load == kWaveSuccess ? 0 : 77) << "written only on success";
        const auto bytes = reinterpret_cast<const unsigned char*>(c.file.data());
        EXPECT_EQ(LoadWaveFromMemory(loader, {bytes, c.file.size()}, id), c.load) << "from memory";
        EXPECT_EQ(OpenWave(loader, dir.file("t.wav"), id), c.open);
    }
}

TEST(WaveLoaderTest, LoadKeepsTheSamplesAndTheFormat) {
    ScratchDir dir;
    WriteBytes(dir.file("t.wav"), Riff(Chunk("LIST", "x") + Chunk("fmt ", PcmFormat(2, 16, 8000)) +
                                       Chunk("data", kSamples) + Chunk("junk", "zz")));
    WaveLoader loader;
    WaveId id = -1;
    ASSERT_EQ(LoadWave(loader, dir.file("t.wav"), id), kWaveSuccess);
    std::uint32_t size = 0, rate = 0;
    const unsigned char* data = nullptr;
    unsigned char header[18];
    EXPECT_EQ(GetWaveSize(loader, id, &size), kWaveSuccess);
    EXPECT_EQ(GetWaveFrequency(loader, id, &rate), kWaveSuccess);
    EXPECT_EQ(GetWaveData(loader, id, &data), kWaveSuccess);
    EXPECT_EQ(GetWaveFormatEx(loader, id, header), kWaveSuccess);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(rate, 8000u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), size), kSamples);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(header), 16), PcmFormat(2, 16, 8000));
    EXPECT_EQ(header[16] | header[17], 0) << "a PCM file fills only 16 bytes";
    EXPECT_EQ(GetWaveSize(loader, id, nullptr), kWaveInvalidParameter);
    EXPECT_EQ(GetWaveSize(loader, id + 1, &size), kWaveInvalidId);
}

TEST(WaveLoaderTest, ReadingAnOpenWaveStopsAtTheEndOfItsDataChunk) {
    ScratchDir dir;
    WriteBytes(dir.file("t.wav"), Riff(kMono16 + Chunk("data", kSamples) + Chunk("LIST", "trailing")));
    WaveLoader loader;
    WaveId id = -1;
    ASSERT_EQ(OpenWave(loader, dir.file("t.wav"), id), kWaveSuccess);
    char buffer[16] = {};
    std::size_t count = 99;
    EXPECT_EQ(ReadWaveData(loader, id, buffer, 3, &count), kWaveSuccess);
    EXPECT_EQ(std::string(buffer, count), "\x01\x02\x03");
    EXPECT_EQ(ReadWaveData(loader, id, buffer, sizeof buffer, &count), kWaveSuccess);
    EXPECT_EQ(std::string(buffer, count), "\x04\x05\x06\x07\x08") << "never into the next chunk";
    EXPECT_EQ(ReadWaveData(loader, id, buffer, sizeof buffer, &count), kWaveSuccess);
    EXPECT_EQ(count, 0u);

    EXPECT_EQ(SeekWaveData(loader, id, 6), kWaveSuccess);
    EXPECT_EQ(ReadWaveData(loader, id, buffer, sizeof buffer, &count), kWaveSuccess);
    EXPECT_EQ(std::string(buffer, count), "\x07\x08");
    EXPECT_EQ(SeekWaveData(loader, id, 100), kWaveSuccess);
    EXPECT_EQ(ReadWaveData(loader, id, buffer, sizeof buffer, &count), kWaveSuccess);
    EXPECT_EQ(count, 0u);

    EXPECT_EQ(SeekWaveData(loader, id, -1), kWaveInvalidParameter) << "never back into the header";
    EXPECT_EQ(ReadWaveData(loader, id, buffer, 0, &count), kWaveInvalidParameter);
    EXPECT_EQ(ReadWaveData(loader, id, nullptr, 4, &count), kWaveInvalidParameter);
    EXPECT_EQ(ReadWaveData(loader, id + 1, buffer, 4, &count), kWaveInvalidId);
}

TEST(WaveLoaderTest, ATruncatedFileOpensAndReadsWhatIsThere) {
    ScratchDir dir;
    WriteBytes(dir.file("t.wav"), Riff(kMono16 + Chunk("data", kSamples)).substr(0, 47));
    WaveLoader loader;
    WaveId id = -1;
    ASSERT_EQ(OpenWave(loader, dir.file("t.wav"), id), kWaveSuccess);
    char buffer[16];
    std::size_t count = 0;
    EXPECT_EQ(ReadWaveData(loader, id, buffer, sizeof buffer, &count), kWaveSuccess);
    EXPECT_EQ(count, 3u);
}

TEST(WaveLoaderTest, EntriesTakeTheLowestFreeSlotAndAFullTableRefuses) {
    const std::string file = Riff(kMono16 + Chunk("data", kSamples));
    const std::span bytes(reinterpret_cast<const unsigned char*>(file.data()), file.size());
    WaveLoader loader;
    WaveId id = -1;
    for (int i = 0; i < kWaveSlots; ++i) ASSERT_EQ(LoadWaveFromMemory(loader, bytes, id), kWaveSuccess);
    EXPECT_EQ(id, kWaveSlots - 1);
    EXPECT_EQ(LoadWaveFromMemory(loader, bytes, id), kWaveOutOfMemory);
    EXPECT_EQ(DeleteWave(loader, 5), kWaveSuccess);
    EXPECT_EQ(DeleteWave(loader, 5), kWaveInvalidId);
    EXPECT_FALSE(IsWaveId(loader, 5));
    EXPECT_EQ(LoadWaveFromMemory(loader, bytes, id), kWaveSuccess);
    EXPECT_EQ(id, 5);
    EXPECT_FALSE(IsWaveId(loader, -1));
    EXPECT_FALSE(IsWaveId(loader, kWaveSlots));
}

TEST(WaveLoaderTest, AMissingFileIsInvalidFileName) {
    WaveLoader loader;
    WaveId id = -1;
    EXPECT_EQ(LoadWave(loader, "/nonexistent/t.wav", id), kWaveInvalidFileName);
    EXPECT_EQ(OpenWave(loader, "/nonexistent/t.wav", id), kWaveInvalidFileName);
}

int LookUpFormat(const char* name) {
    static const char* const kNames[] = {"AL_FORMAT_MONO8",    "AL_FORMAT_MONO16",  "AL_FORMAT_STEREO8",
                                         "AL_FORMAT_STEREO16", "AL_FORMAT_QUAD16",  "AL_FORMAT_REAR16",
                                         "AL_FORMAT_51CHN16",  "AL_FORMAT_61CHN16", "AL_FORMAT_71CHN16"};
    for (int i = 0; i < 9; ++i) {
        if (std::strcmp(name, kNames[i]) == 0) return 0x100 + i;
    }
    return 0;
}

TEST(WaveLoaderTest, BufferFormatFollowsTypeChannelsBitsAndMask) {
    struct Case {
        std::string format;
        int expected;  // 0x100 + index in LookUpFormat's list, or -16
    };
    // clang-format off
    const Case cases[] = {
        {PcmFormat(1, 8), 0x100},         {PcmFormat(1, 16), 0x101},
        {PcmFormat(2, 8), 0x102},         {PcmFormat(2, 16), 0x103},
        {PcmFormat(4, 16), 0x104},        {PcmFormat(4, 8), -16},
        {PcmFormat(3, 16), -16},          {PcmFormat(1, 24), -16},
        {ExtensibleFormat(1, 16, 0x4), 0x101},  {ExtensibleFormat(2, 8, 0x3), 0x102},
        {ExtensibleFormat(2, 16, 0x30), 0x105}, {ExtensibleFormat(2, 8, 0x30), -16},
        {ExtensibleFormat(4, 16, 0x33), 0x104}, {ExtensibleFormat(6, 16, 0x3F), 0x106},
        {ExtensibleFormat(7, 16, 0x13F), 0x107}, {ExtensibleFormat(8, 16, 0x63F), 0x108},
        {ExtensibleFormat(2, 16, 0x33), -16},   {ExtensibleFormat(6, 16, 0x3), -16},
    };
    // clang-format on
    WaveLoader loader;
    for (const Case& c : cases) {
        const std::string file = Riff(Chunk("fmt ", c.format) + Chunk("data", std::string(48, '\0')));
        WaveId id = -1;
        ASSERT_EQ(LoadWaveFromMemory(loader, {reinterpret_cast<const unsigned char*>(file.data()), file.size()}, id),
                  kWaveSuccess);
        int format = -1;
        const WaveResult result = GetWaveBufferFormat(loader, id, LookUpFormat, &format);
        if (c.expected < 0) {
            EXPECT_EQ(result, kWaveInvalidFileType) << "case " << (&c - cases);
            EXPECT_EQ(format, 0);
        } else {
            EXPECT_EQ(result, kWaveSuccess) << "case " << (&c - cases);
            EXPECT_EQ(format, c.expected) << "case " << (&c - cases);
        }
        DeleteWave(loader, id);
    }
}

TEST(WaveLoaderTest, ErrorTextsAreCutToTheBuffer) {
    char buffer[64];
    EXPECT_STREQ(WaveErrorText(-4, buffer, 8), "Invalid");
    EXPECT_STREQ(WaveErrorText(-4, buffer, 64), "Invalid WAVEID\n");
    EXPECT_STREQ(WaveErrorText(0, buffer, 64), "Success\n");
    EXPECT_STREQ(WaveErrorText(-17, buffer, 64), "Wave file is not in WAVEFORMATEXTENSIBLE format\n");
    EXPECT_STREQ(WaveErrorText(-18, buffer, 64), "Undefined error\n");
    EXPECT_STREQ(WaveErrorText(3, buffer, 64), "Undefined error\n");
    EXPECT_STREQ(WaveErrorText(-2, buffer, 1), "");
}

}  // namespace
}  // namespace glyphora
