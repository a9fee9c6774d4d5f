// What the build made of the generator's output: every file decodes to its
// length, rate and channels without clipping, the tracks share one loudness
// and start each 20-second part cleanly, the game folder holds the stored
// forms, and another run of the generator writes the same bytes.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/swap_file_bytes.h"
#include "support/scratch_dir.h"
#include "tools/soundgen/effects.h"
#include "tools/soundgen/mastering.h"
#include "tools/soundgen/music.h"

namespace glyphora::soundgen {
namespace {

namespace fs = std::filesystem;

#ifndef GLYPHORA_SOUND_DIR  // the build makes no sounds
#define GLYPHORA_SOUND_DIR ""
#define GLYPHORA_GAME_DATA ""
#define GLYPHORA_SOUNDGEN ""
#endif
const fs::path kSoundDir = GLYPHORA_SOUND_DIR;

constexpr long long kTrackFrames = 100LL * 44100;
constexpr double kBoundaryTailSeconds = 0.025, kBoundaryHeadSeconds = 0.1;

// Levels of one decoded file, and around each 20-second boundary of a track.
struct Decoded {
    long rate = 0;
    int channels = 0;
    long long frames = 0;       // decoded
    long long totalFrames = 0;  // as the stream says
    double peakDb = 0, rmsDb = 0;
    std::vector<double> partRmsDb, tailDb, headDb;
};

Pcm DecodeSamples(const fs::path& path, Decoded& decoded) {
    Pcm pcm;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return pcm;
    const vorbis_info* info = ov_info(&file, -1);
    decoded.rate = info->rate;
    decoded.channels = pcm.channels = info->channels;
    decoded.totalFrames = ov_pcm_total(&file, -1);
    float** channels = nullptr;
    int section = 0;
    for (long n; (n = ov_read_float(&file, &channels, 4096, &section)) > 0;) {
        for (long i = 0; i < n; ++i) {
            for (int c = 0; c < info->channels; ++c) pcm.samples.push_back(channels[c][i]);
        }
    }
    ov_clear(&file);
    decoded.frames = static_cast<long long>(pcm.Frames());
    return pcm;
}

Decoded Decode(const fs::path& path) {
    Decoded decoded;
    const Pcm pcm = DecodeSamples(path, decoded);
    decoded.peakDb = PeakDb(pcm.samples);
    decoded.rmsDb = RmsDb(pcm.samples);
    if (decoded.frames != kTrackFrames) return decoded;
    const std::size_t part = FramesIn(20.0), tail = FramesIn(kBoundaryTailSeconds),
                      head = FramesIn(kBoundaryHeadSeconds);
    for (std::size_t start = 0; start < pcm.Frames(); start += part) {
        decoded.partRmsDb.push_back(RmsDb(pcm, start, part));
        if (start == 0) continue;
        decoded.tailDb.push_back(RmsDb(pcm, start - tail, tail));
        decoded.headDb.push_back(RmsDb(pcm, start, head));
    }
    return decoded;
}

// The seven tracks, decoded once per test program on first use (ctest runs
// each test on its own, so only the tests that need them pay for it).
const std::vector<Decoded>& DecodedTracks() {
    static const std::vector<Decoded> tracks = [] {
        std::vector<Decoded> decoded;
        for (int n = 1; n <= 7; ++n)
            decoded.push_back(Decode(kSoundDir / "Music" / ("Track" + std::to_string(n) + ".ogg")));
        return decoded;
    }();
    return tracks;
}

class GeneratedSounds : public ::testing::Test {
protected:
    void SetUp() override {
        if (kSoundDir.empty()) GTEST_SKIP() << "the build does not make the sounds (GLYPHORA_SOUND_ASSETS is OFF)";
    }
};

TEST_F(GeneratedSounds, EveryFileDecodesToItsLengthRateAndChannelsBelowMinusOneDb) {
    for (const EffectDesign& effect : Effects()) {
        const Decoded d = Decode(kSoundDir / "Sounds" / effect.file);
        EXPECT_EQ(d.rate, 44100) << effect.file;
        EXPECT_EQ(d.channels, 2) << effect.file;
        EXPECT_EQ(d.frames, static_cast<long long>(RenderEffect(effect).Frames())) << effect.file;
        EXPECT_EQ(d.totalFrames, d.frames) << effect.file;
        EXPECT_LT(d.peakDb, -1.0) << effect.file;
    }
    const std::vector<Decoded>& tracks = DecodedTracks();
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const Decoded& d = tracks[i];
        EXPECT_EQ(d.rate, 44100) << "Track" << i + 1;
        EXPECT_EQ(d.channels, 2) << "Track" << i + 1;
        EXPECT_EQ(d.frames, kTrackFrames) << "Track" << i + 1;
        EXPECT_EQ(d.totalFrames, kTrackFrames) << "Track" << i + 1;
        EXPECT_LT(d.peakDb, -1.0) << "Track" << i + 1;
    }
}

// One loudness for all tracks, and within each a rise from part to part as
// the sub-levels get faster.
TEST_F(GeneratedSounds, TracksShareOneLoudnessAndRisePartByPart) {
    const std::vector<Decoded>& tracks = DecodedTracks();
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const Decoded& d = tracks[i];
        EXPECT_NEAR(d.rmsDb, kTrackRmsDb, 1.0) << "Track" << i + 1;
        ASSERT_EQ(d.partRmsDb.size(), 5u) << "Track" << i + 1;
        for (std::size_t part = 1; part < 5; ++part) {
            EXPECT_GT(d.partRmsDb[part], d.partRmsDb[part - 1] - 0.5) << "Track" << i + 1 << " part " << part + 1;
        }
        EXPECT_GT(d.partRmsDb[4], d.partRmsDb[0] + 3.0) << "Track" << i + 1;
    }
}

// Opened at a multiple of 20 s, a track starts on a fresh phrase: the
// moment before the boundary is quiet (what is left is reverb, far below
// the music) and the moment after it is a clear onset.
TEST_F(GeneratedSounds, EveryPartStartsCleanly) {
    const std::vector<Decoded>& tracks = DecodedTracks();
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const Decoded& d = tracks[i];
        ASSERT_EQ(d.tailDb.size(), 4u) << "Track" << i + 1;
        for (std::size_t b = 0; b < d.tailDb.size(); ++b) {
            EXPECT_LT(d.tailDb[b], d.partRmsDb[b] - 12.0) << "Track" << i + 1 << " before " << 20 * (b + 1) << " s";
            EXPECT_GT(d.headDb[b], d.tailDb[b] + 10.0) << "Track" << i + 1 << " at " << 20 * (b + 1) << " s";
        }
    }
}

std::string ReadAll(const fs::path& path) { return glyphora::testing::ReadBytes(path.string()); }

TEST_F(GeneratedSounds, TheGameFolderStoresEffectsSwappedAndTracksPlain) {
    const fs::path data = GLYPHORA_GAME_DATA;
    glyphora::testing::ScratchDir scratch;
    for (const EffectDesign& effect : Effects()) {
        const std::string copy = scratch.file(effect.file);
        fs::copy_file(data / "Sounds" / effect.file, copy);
        ASSERT_TRUE(SwapFileBytes(copy));
        EXPECT_EQ(ReadAll(copy), ReadAll(kSoundDir / "Sounds" / effect.file)) << effect.file;
    }
    for (int n = 1; n <= 7; ++n) {
        const std::string name = "Track" + std::to_string(n) + ".ogg";
        EXPECT_EQ(ReadAll(data / "Music" / name), ReadAll(kSoundDir / "Music" / name)) << name;
    }
    EXPECT_NE(ReadAll(data / "Music" / "FluidR3_GM-LICENSE.txt").find("Frank Wen"), std::string::npos);
}

// The build's run against a second one: every effect and one whole track.
TEST_F(GeneratedSounds, AnotherRunWritesTheSameBytes) {
    glyphora::testing::ScratchDir scratch;
    std::string command = std::string(GLYPHORA_SOUNDGEN) + " " + scratch.path().string() + " Track2.ogg";
    for (const EffectDesign& effect : Effects()) command += std::string(" ") + effect.file;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const EffectDesign& effect : Effects()) {
        EXPECT_EQ(ReadAll(scratch.path() / "Sounds" / effect.file), ReadAll(kSoundDir / "Sounds" / effect.file))
            << effect.file;
    }
    EXPECT_EQ(ReadAll(scratch.path() / "Music" / "Track2.ogg"), ReadAll(kSoundDir / "Music" / "Track2.ogg"));
    EXPECT_FALSE(fs::exists(scratch.path() / "Music" / "Track1.ogg"));
}

}  // namespace
}  // namespace glyphora::soundgen
