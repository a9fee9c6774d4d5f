// What a player hears, read back from OpenAL Soft's wave back end: effects at
// their moment and level, streams that refill without gaps or clicks, end and
// are freed, a track change, pauses, and starts part-way into a file.
#include <gtest/gtest.h>

#include "game/audio/effect_table.h"
#include "game/audio/music_streams.h"
#include "openal_session.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using testing::AudioSession;
using testing::OggBytes;
using testing::Samples;
using testing::ScratchDir;
using testing::Sine;
using testing::WaveBytes;
using testing::WriteBytes;

constexpr long kRate = 44100;
constexpr long Ms(long ms) { return ms * kRate / 1000; }
constexpr float kAudible = 0.01f;

// The back end mixes in periods of 512 frames, and its thread may be late on a
// busy machine and then catch up at once: times are compared within this.
constexpr long kTimeTolerance = Ms(100);
constexpr int kEndWithin = 5000;  // ms

TEST(PlaybackCaptureTest, AnEffectIsHeardAtItsMomentAndLevel) {
    ScratchDir dir;
    std::filesystem::create_directories(dir.path() / "Sounds");
    for (const char* file : kEffectFiles)
        WriteBytes(dir.file(file), testing::Swapped(OggBytes(Sine(660, 0.5, 0.3, 2))));
    WriteBytes(dir.file("marker.wav"), WaveBytes(Sine(1000, 0.8, 0.05, 2)));
    AudioSession session;
    ASSERT_EQ(session.result, kAudioSuccess);
    EffectTable effects;
    LoadEffects(*session, effects, dir.path().string());
    SoundId marker = -1;
    ASSERT_EQ(CreateSound(*session, dir.file("marker.wav"), &marker, 0), kAudioSuccess);
    ApplySoundVolume(*session, effects, 0.5f);

    session.RunFrames(200);
    const long markerPlayed = session.FrameNow();
    ASSERT_EQ(StartVoice(*session, marker, 0, nullptr), kAudioSuccess);
    session.RunFrames(400);
    const long effectPlayed = session.FrameNow();
    ASSERT_EQ(PlayEffect(*session, effects, 2), kAudioSuccess);
    EXPECT_TRUE(session.RunFramesUntil([&] { return session->voices.empty(); }, kEndWithin))
        << "finished effects are freed";
    const Samples heard = session.Captured();

    ASSERT_EQ(heard.channels, 2);
    const long markerHeard = testing::FirstFrameAbove(heard, kAudible);
    const long effectHeard = testing::FirstFrameAbove(heard, kAudible, markerHeard + Ms(100));
    ASSERT_GE(markerHeard, 0);
    ASSERT_GT(effectHeard, 0);
    EXPECT_NEAR(effectHeard - markerHeard, effectPlayed - markerPlayed, kTimeTolerance);
    EXPECT_NEAR(testing::LastFrameAbove(heard, kAudible) - effectHeard, Ms(300), Ms(3))
        << "the whole effect, once, and nothing after it";
    // A stereo effect reaches each channel unchanged, at the sound volume.
    EXPECT_NEAR(testing::Peak(heard, effectHeard, effectHeard + Ms(300), 0), 0.25, 0.02);
    EXPECT_NEAR(testing::Peak(heard, effectHeard, effectHeard + Ms(300), 1), 0.25, 0.02);
}

struct StreamCase {
    const char* file;
    std::string bytes;
};

// 437 Hz does not fit a 100 ms buffer a whole number of times: a lost or
// repeated buffer would show as a jump in the wave.
TEST(PlaybackCaptureTest, StreamsRefillWithoutGapsOrClicksEndAndAreFreed) {
    const Samples tone = Sine(437, 0.5, 1.5, 2);
    for (const StreamCase& c : {StreamCase{"tone.ogg", OggBytes(tone)}, StreamCase{"tone.wav", WaveBytes(tone)}}) {
        SCOPED_TRACE(c.file);
        ScratchDir dir;
        WriteBytes(dir.file(c.file), c.bytes);
        AudioSession session;
        VoiceId id = -1;
        ASSERT_EQ(OpenStream(*session, dir.file(c.file), 0, 4, 100, 0, &id), kAudioSuccess);
        session.RunFrames(800);
        EXPECT_NE(FindStream(*session, id), nullptr) << "still playing on refilled buffers";
        EXPECT_TRUE(session.RunFramesUntil([&] { return session->streams.empty(); }, kEndWithin))
            << "freed after its end";
        const Samples heard = session.Captured();

        const long start = testing::FirstFrameAbove(heard, kAudible);
        const long end = testing::LastFrameAbove(heard, kAudible);
        ASSERT_GE(start, 0);
        EXPECT_NEAR(end - start, Ms(1500), Ms(10)) << "every buffer played once";
        const long steady = start + Ms(5), settled = end - Ms(5);  // past the tone's own fades
        EXPECT_LT(testing::LongestQuietRun(heard, steady, settled, 0.02f), 10) << "no gap";
        EXPECT_LT(testing::LargestStep(heard, steady, settled), 0.08f) << "no click";
        EXPECT_NEAR(testing::Peak(heard, steady, settled), 0.5, 0.03);
    }
}

// The next track starts at once while the last one plays out to its end, as
// at a stage change. The first track outlasts the music's ring, so it is
// refilled as well; each tone keeps its phase across the whole track, so a
// step in the wave means a buffer or a track came in at the wrong moment.
TEST(PlaybackCaptureTest, AtATrackChangeTheMusicGoesOnWithoutAGapOrAClick) {
    constexpr double kFirstHz = 437, kNextHz = 293;
    constexpr long kFirstMs = 4600, kNextMs = 1500;
    ScratchDir dir;
    WriteBytes(dir.file("first.ogg"), OggBytes(Sine(kFirstHz, 0.3, kFirstMs / 1000.0, 2)));
    WriteBytes(dir.file("next.ogg"), OggBytes(Sine(kNextHz, 0.2, kNextMs / 1000.0, 2)));
    AudioSession session;
    ASSERT_EQ(session.result, kAudioSuccess);
    MusicStreams music;
    ASSERT_EQ(StartMusic(*session, music, dir.file("first.ogg"), 1.0f), kAudioSuccess);
    session.RunFrames(4200);
    ASSERT_EQ(StartMusic(*session, music, dir.file("next.ogg"), 1.0f), kAudioSuccess);
    EXPECT_NE(FindStream(*session, music.previous), nullptr) << "the first track plays on";
    EXPECT_TRUE(session.RunFramesUntil([&] { return session->streams.empty(); }, kEndWithin));
    const Samples heard = session.Captured();

    const long start = testing::FirstFrameAbove(heard, kAudible);
    const long end = testing::LastFrameAbove(heard, kAudible);
    ASSERT_GE(start, 0);
    const long firstEnds = start + Ms(kFirstMs), nextStarts = end - Ms(kNextMs);
    EXPECT_LT(nextStarts, firstEnds - Ms(200)) << "the tracks overlap";
    const long window = Ms(50);
    EXPECT_NEAR(testing::ToneAmplitude(heard, firstEnds - Ms(60), firstEnds - Ms(10), kFirstHz), 0.3, 0.03)
        << "the first track is heard to its end";
    EXPECT_NEAR(testing::StrongestTone(heard, start, nextStarts - window, kNextHz, window), 0, 0.01);
    const long steady = start + Ms(5), settled = end - Ms(5);  // past the tones' own fades
    const long quiet = testing::LongestQuietRun(heard, steady, settled, 0.02f);
    const float step = testing::LargestStep(heard, steady, settled);
    EXPECT_LT(quiet, 10) << "no gap";
    EXPECT_LT(step, 0.06f) << "no click";
    RecordProperty("longest_quiet_frames", int(quiet));
    RecordProperty("largest_step_x10000", int(step * 10000));
}

TEST(PlaybackCaptureTest, APausedStreamSurvivesReapingAndGoesOnWhereItWas) {
    ScratchDir dir;
    WriteBytes(dir.file("tone.ogg"), OggBytes(Sine(437, 0.5, 1.0, 2)));
    AudioSession session;
    VoiceId id = -1;
    ASSERT_EQ(OpenStream(*session, dir.file("tone.ogg"), 0, 4, 100, 0, &id), kAudioSuccess);
    session.RunFrames(300);
    ASSERT_EQ(PauseVoice(*session, id), kAudioSuccess);
    session.RunFrames(700);
    ASSERT_NE(FindStream(*session, id), nullptr);
    ASSERT_EQ(PlayVoice(*session, id), kAudioSuccess);
    EXPECT_TRUE(session.RunFramesUntil([&] { return session->streams.empty(); }, kEndWithin));
    const Samples heard = session.Captured();

    const long start = testing::FirstFrameAbove(heard, kAudible);
    const long end = testing::LastFrameAbove(heard, kAudible);
    const long pause = testing::LongestQuietRun(heard, start, end, 0.0001f);
    EXPECT_NEAR(pause, Ms(700), kTimeTolerance) << "silent while paused";
    EXPECT_NEAR(end - start - pause, Ms(1000), Ms(10)) << "nothing skipped, nothing repeated";
}

TEST(PlaybackCaptureTest, PausingEverythingFreezesEffectsAndMusicAlike) {
    ScratchDir dir;
    WriteBytes(dir.file("music.ogg"), OggBytes(Sine(300, 0.2, 1.0, 2)));
    WriteBytes(dir.file("effect.wav"), WaveBytes(Sine(900, 0.2, 0.6, 2)));
    AudioSession session;
    SoundId sound = -1;
    VoiceId music = -1;
    ASSERT_EQ(CreateSound(*session, dir.file("effect.wav"), &sound, 0), kAudioSuccess);
    ASSERT_EQ(StartStream(*session, dir.file("music.ogg"), 0, &music), kAudioSuccess);
    ASSERT_EQ(StartVoice(*session, sound, 0, nullptr), kAudioSuccess);
    session.RunFrames(300);
    ASSERT_EQ(PauseAllPlaying(*session), kAudioSuccess);
    session.RunFrames(600);
    EXPECT_EQ(session->voices.size(), 1u);
    EXPECT_EQ(session->streams.size(), 1u);
    ASSERT_EQ(ResumeAllPaused(*session), kAudioSuccess);
    EXPECT_TRUE(
        session.RunFramesUntil([&] { return session->voices.empty() && session->streams.empty(); }, kEndWithin));
    const Samples heard = session.Captured();

    const long start = testing::FirstFrameAbove(heard, kAudible);
    const long end = testing::LastFrameAbove(heard, kAudible);
    const long pause = testing::LongestQuietRun(heard, start, end, 0.0001f);
    EXPECT_NEAR(pause, Ms(600), kTimeTolerance);
    EXPECT_NEAR(end - start - pause, Ms(1000), Ms(10)) << "the music went on where it was";
}

TEST(PlaybackCaptureTest, AStreamStartsPartWayIntoItsFile) {
    // A quiet first second, then a loud one: started at 1000 ms, only the loud part plays.
    Samples tone = Sine(437, 0.1, 2.0, 2);
    for (std::size_t i = tone.values.size() / 2; i < tone.values.size(); ++i) tone.values[i] *= 5;
    struct Case {
        const char* file;
        std::string bytes;
        bool decoderSeeks;  // else the skipped part is decoded and thrown away
    };
    const Case cases[] = {
        {"tone.ogg", OggBytes(tone), true}, {"tone.ogg", OggBytes(tone), false}, {"tone.wav", WaveBytes(tone), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + (c.decoderSeeks ? " seeking" : ""));
        ScratchDir dir;
        WriteBytes(dir.file(c.file), c.bytes);
        AudioSession session;
        if (!c.decoderSeeks) session->ov.ov_pcm_seek = nullptr;
        ASSERT_EQ(OpenStream(*session, dir.file(c.file), 0, 4, 250, 1000, nullptr), kAudioSuccess);
        ASSERT_EQ(OpenStream(*session, dir.file(c.file), 0, 4, 250, 5000, nullptr), kAudioSuccess) << "past the end";
        EXPECT_TRUE(session.RunFramesUntil([&] { return session->streams.empty(); }, kEndWithin));
        const Samples heard = session.Captured();
        const long start = testing::FirstFrameAbove(heard, kAudible);
        EXPECT_NEAR(testing::LastFrameAbove(heard, kAudible) - start, Ms(1000), Ms(10));
        EXPECT_GT(testing::Peak(heard, start, start + Ms(20)), 0.3f) << "begins in the loud second";
    }
}

}  // namespace
}  // namespace glyphora
