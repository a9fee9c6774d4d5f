// The music's note data: every track arranges without a fault into five
// 20-second parts, and every part starts cleanly (a phrase begins on its
// first beat and nothing of the part before still sounds).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tools/soundgen/arranger.h"
#include "tools/soundgen/harmony.h"
#include "tools/soundgen/notation.h"

namespace glyphora::soundgen {
namespace {

constexpr std::int64_t kPartFrames = 882000;  // 20 s at 44.1 kHz

std::int64_t GuardFrames(const TrackDesign& design, int channel) {
    return static_cast<std::int64_t>(GuardBeats(channel) * 60.0 / design.bpm * 44100.0);
}

TEST(CompositionTest, EveryTrackArrangesIntoFiveTwentySecondParts) {
    ASSERT_EQ(Tracks().size(), 7u);
    for (const TrackDesign& design : Tracks()) {
        const Arrangement arrangement = Arrange(design);
        EXPECT_EQ(arrangement.error, "") << design.name;
        EXPECT_EQ(arrangement.score.frames, 5 * kPartFrames) << design.name;
        ASSERT_EQ(arrangement.score.partStarts.size(), 5u) << design.name;
        for (int part = 0; part < 5; ++part) EXPECT_EQ(arrangement.score.partStarts[part], part * kPartFrames);
        EXPECT_GT(arrangement.score.notes.size(), 1000u) << design.name;
    }
}

// Each note has ended its guard before the end of the part it starts in, so
// opening a track at part k x 20 s cuts nothing off.
TEST(CompositionTest, NoNoteSoundsAcrossAPartBoundary) {
    for (const TrackDesign& design : Tracks()) {
        for (const ScoreNote& note : Arrange(design).score.notes) {
            const std::int64_t partEnd = (note.on / kPartFrames + 1) * kPartFrames;
            ASSERT_LE(note.off, partEnd - GuardFrames(design, note.channel))
                << design.name << " note " << note.key << " on channel " << note.channel << " at frame " << note.on;
            ASSERT_GT(note.off, note.on);
        }
    }
}

// A part opens with its phrase: at least two of the band's instruments
// strike on its first frame.
TEST(CompositionTest, EveryPartOpensOnItsFirstBeat) {
    for (const TrackDesign& design : Tracks()) {
        const Score score = Arrange(design).score;
        for (int part = 0; part < 5; ++part) {
            std::set<int> channels;
            for (const ScoreNote& note : score.notes) {
                if (note.on == score.partStarts[part]) channels.insert(note.channel);
            }
            EXPECT_GE(channels.size(), 2u) << design.name << " part " << part + 1;
        }
    }
}

// Every note of the harmony and the pad is a tone of the chord under it and
// stops where the chord changes: a pad written over two bars of different
// chords is struck again on the second.
TEST(CompositionTest, HeldChordsFollowTheProgression) {
    for (const TrackDesign& design : Tracks()) {
        const Arrangement arrangement = Arrange(design);
        const int bars = BarsPerPart(design);
        const std::int64_t halfBar = kPartFrames / (2 * bars);
        for (const ScoreNote& note : arrangement.score.notes) {
            if (note.channel != kPadChannel && note.channel != kHarmonyChannel) continue;
            const int part = static_cast<int>(note.on / kPartFrames);
            const auto halves = ParseProgression(design.parts[part].chords);
            const std::int64_t first = (note.on - part * kPartFrames) / halfBar;
            const std::int64_t last = (note.off - 1 - part * kPartFrames) / halfBar;
            const Chord& chord = (*halves)[static_cast<std::size_t>(first)];
            const int pitchClass = ((note.key - design.tonic - chord.root) % 12 + 12) % 12;
            bool inChord = false;
            for (int interval : chord.intervals) inChord = inChord || interval % 12 == pitchClass;
            ASSERT_TRUE(inChord) << design.name << " key " << note.key << " at frame " << note.on;
            for (std::int64_t h = first + 1; h <= last; ++h) {
                const Chord& later = (*halves)[static_cast<std::size_t>(h)];
                ASSERT_TRUE(later.root == chord.root && later.intervals == chord.intervals)
                    << design.name << " holds key " << note.key << " from frame " << note.on << " into another chord";
            }
        }
    }
}

TEST(CompositionTest, RomanNumeralsGiveTheirChords) {
    struct Case {
        const char* numeral;
        int root;
        std::vector<int> intervals;
    };
    const Case cases[] = {
        {"I", 0, {0, 4, 7}},         {"vi", 9, {0, 3, 7}},     {"bVII", 10, {0, 4, 7}},
        {"#iv", 6, {0, 3, 7}},       {"viio", 11, {0, 3, 6}},  {"V7", 7, {0, 4, 7, 10}},
        {"Imaj7", 0, {0, 4, 7, 11}}, {"IVsus4", 5, {0, 5, 7}}, {"iiadd9", 2, {0, 3, 7, 14}},
    };
    for (const Case& c : cases) {
        const auto chord = ParseChord(c.numeral);
        ASSERT_TRUE(chord) << c.numeral;
        EXPECT_EQ(chord->root, c.root) << c.numeral;
        EXPECT_EQ(chord->intervals, c.intervals) << c.numeral;
    }
    for (const char* bad : {"", "H", "Ix", "iV", "b", "V9"}) EXPECT_FALSE(ParseChord(bad)) << bad;
    EXPECT_EQ(ParseProgression("I | IV V | vi")->size(), 6u);
    EXPECT_FALSE(ParseProgression("I V ii | IV"));
    EXPECT_FALSE(ParseProgression("I | | IV"));
}

TEST(CompositionTest, ChordsAreVoicedWithTheLeastMovement) {
    const std::vector<int> tonic = VoiceChord(*ParseChord("I"), 0, 60, {});
    EXPECT_EQ(tonic, (std::vector<int>{60, 64, 67}));
    // I to IV keeps the common C and moves the others up a step or two.
    EXPECT_EQ(VoiceChord(*ParseChord("IV"), 0, 60, tonic), (std::vector<int>{60, 65, 69}));
    EXPECT_EQ(VoiceChord(*ParseChord("V"), 0, 60, tonic), (std::vector<int>{62, 67, 71}));
}

TEST(CompositionTest, StepsLastUntilTheNextNoteOrRest) {
    const std::vector<StepEvent> events = ReadSteps(CharacterSteps("1-.5-- | -.-3"));
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].step, 0);
    EXPECT_EQ(events[0].length, 2);
    EXPECT_EQ(events[1].step, 3);
    EXPECT_EQ(events[1].length, 4);  // the hold after the bar line carries on
    EXPECT_EQ(events[2].step, 9);    // the hold after the rest is nothing
    EXPECT_EQ(events[2].length, 1);
    EXPECT_EQ(ReadSteps(WordSteps("5' - |b7 .")).back().token, "b7");
}

TEST(CompositionTest, ATempoThatDoesNotFillTwentySecondsIsRefused) {
    TrackDesign design = Tracks().front();
    design.bpm = 100;  // 8.33 bars of 4/4
    EXPECT_EQ(BarsPerPart(design), 0);
    EXPECT_NE(Arrange(design).error, "");
    design = Tracks().front();
    design.parts[2].melody = "A A";  // 16 bars into an 8-bar part
    EXPECT_NE(Arrange(design).error.find("part 3"), std::string::npos);
}

}  // namespace
}  // namespace glyphora::soundgen
