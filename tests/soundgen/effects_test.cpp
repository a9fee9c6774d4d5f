// The synthesised effects and the mastering steps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/soundgen/dsp.h"
#include "tools/soundgen/effects.h"
#include "tools/soundgen/mastering.h"

namespace glyphora::soundgen {
namespace {

TEST(EffectsTest, TheTwelveEffectsComeInTheGamesLoadOrder) {
    const char* expected[] = {"BtnClick.ogg", "BtnMouseOver.ogg", "DoubleBonus.ogg", "GameOver.ogg",
                              "HoHoHo.ogg",   "Letter1.ogg",      "Letter2.ogg",     "Letter3.ogg",
                              "Letter4.ogg",  "Stop.ogg",         "TNT.ogg",         "WordLetter.ogg"};
    ASSERT_EQ(Effects().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_STREQ(Effects()[i].file, expected[i]);
}

// Stereo with equal channels, silent at both ends (no click when a voice
// starts or stops), at the designed peak, and short.
TEST(EffectsTest, EveryEffectIsCleanAndAtItsLevel) {
    for (const EffectDesign& design : Effects()) {
        const Pcm pcm = RenderEffect(design);
        ASSERT_EQ(pcm.channels, 2) << design.file;
        const double seconds = static_cast<double>(pcm.Frames()) / kSampleRate;
        EXPECT_GE(seconds, 0.04) << design.file;
        EXPECT_LE(seconds, 2.5) << design.file;
        for (std::size_t f = 0; f < pcm.Frames(); ++f) ASSERT_EQ(pcm.samples[2 * f], pcm.samples[2 * f + 1]);
        EXPECT_EQ(pcm.samples.front(), 0.0f) << design.file;
        EXPECT_EQ(pcm.samples.back(), 0.0f) << design.file;
        EXPECT_NEAR(PeakDb(pcm.samples), design.peakDb, 0.01) << design.file;
        for (float x : pcm.samples) ASSERT_TRUE(std::isfinite(x)) << design.file;
    }
}

TEST(EffectsTest, TheFourLetterPopsAreDistinct) {
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) EXPECT_NE(LetterPop(a), LetterPop(b)) << a << " and " << b;
    }
}

TEST(EffectsTest, RenderingTwiceGivesTheSameSamples) {
    for (const EffectDesign& design : Effects()) EXPECT_EQ(RenderEffect(design).samples, RenderEffect(design).samples);
}

// A tone with sharp spikes: mastered to an RMS, no sample may pass the
// ceiling, and the level still lands near the target.
TEST(MasteringTest, TheLimiterHoldsTheCeilingAndTheLevel) {
    Pcm track;
    track.channels = 2;
    for (int i = 0; i < 5 * kSampleRate; ++i) {
        const float tone = static_cast<float>(0.2 * std::sin(2.0 * kPi * 220.0 * i / kSampleRate));
        const float spike = i % 11025 == 100 ? 0.9f : 0.0f;
        track.samples.insert(track.samples.end(), {tone + spike, tone - spike});
    }
    MasterTrack(track, -12.0, -3.0);
    EXPECT_LE(PeakDb(track.samples), -3.0 + 1e-6);
    EXPECT_NEAR(RmsDb(track.samples), -12.0, 0.3);
    EXPECT_EQ(track.samples.back(), 0.0f);
}

}  // namespace
}  // namespace glyphora::soundgen
