// The sound library on the real OpenAL Soft and libvorbisfile: start-up,
// ids, loading and refusing files, gains and the music tracks.
#include <gtest/gtest.h>

#include <ogg/ogg.h>

#include <cmath>

#include "game/audio/effect_table.h"
#include "game/audio/music_streams.h"
#include "game/audio/ogg_reading.h"
#include "openal_session.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using testing::AudioSession;
using testing::OggBytes;
using testing::ScratchDir;
using testing::Sine;
using testing::WaveBytes;
using testing::WriteBytes;

// Hides the decoder library, as on a system without it.
class LibrariesWithoutDecoder final : public platform::Libraries {
public:
    std::unique_ptr<platform::Library> open(const std::string& name) override {
        return name.find("vorbisfile") == std::string::npos ? real_.open(name) : nullptr;
    }

private:
    platform::PosixLibraries real_;
};

// An Ogg file whose first packet is not Vorbis.
std::string OggOfAnotherCodec() {
    ogg_stream_state stream;
    ogg_stream_init(&stream, 7);
    unsigned char head[] = "OpusHead\x01\x02\x38\x01\x80\xbb\0\0\0\0\0";
    ogg_packet packet{head, sizeof head, 1, 0, 0, 0};
    ogg_stream_packetin(&stream, &packet);
    ogg_page page;
    std::string out;
    while (ogg_stream_flush(&stream, &page)) {
        out.append(reinterpret_cast<char*>(page.header), std::size_t(page.header_len));
        out.append(reinterpret_cast<char*>(page.body), std::size_t(page.body_len));
    }
    ogg_stream_clear(&stream);
    return out;
}

float SourceGain(AudioSystem& audio, ALuint source) {
    float gain = -1;
    audio.al.alGetSourcef(source, AL_GAIN, &gain);
    return gain;
}

TEST(AudioStartupTest, WithoutTheDecoderOutputStillWorks) {
    testing::OpenAlCapture::File();
    LibrariesWithoutDecoder libraries;
    AudioSystemPtr audio = MakeAudioSystem(libraries, "");
    EXPECT_EQ(AudioStartup(*audio, true), kAudioNoDecoder);
    EXPECT_TRUE(AudioIsUp(*audio));
    ScratchDir dir;
    WriteBytes(dir.file("a.wav"), WaveBytes(Sine(440, 0.5, 0.1)));
    WriteBytes(dir.file("a.ogg"), OggBytes(Sine(440, 0.5, 0.1)));
    SoundId sound = -1;
    EXPECT_EQ(CreateSound(*audio, dir.file("a.wav"), &sound, 0), kAudioSuccess);
    EXPECT_EQ(StartVoice(*audio, sound, 0, nullptr), kAudioSuccess);
    EXPECT_EQ(CreateSound(*audio, dir.file("a.ogg"), &sound, 0), kAudioNoDecoder);
    VoiceId stream = -1;
    EXPECT_EQ(StartStream(*audio, dir.file("a.ogg"), 0, &stream), kAudioNoDecoder);
    EXPECT_EQ(audio->streams.size(), 0u);

    EXPECT_EQ(AudioStartup(*audio, false), kAudioSuccess) << "asked for no decoder";
    EXPECT_EQ(AudioShutdown(*audio), 0);
    EXPECT_FALSE(AudioIsUp(*audio));
    EXPECT_FALSE(audio->openAl);
    EXPECT_FALSE(audio->decoderLibrary);
    EXPECT_EQ(AudioShutdown(*audio), 0) << "twice is harmless";
}

TEST(SoundLibraryTest, IdsFollowTheLastObjectOfTheirRegistries) {
    ScratchDir dir;
    WriteBytes(dir.file("a.wav"), WaveBytes(Sine(440, 0.5, 0.5)));
    AudioSession session;
    ASSERT_EQ(session.result, kAudioSuccess);
    SoundId first = -1, second = -1, again = -1;
    ASSERT_EQ(CreateSound(*session, dir.file("a.wav"), &first, 0), kAudioSuccess);
    ASSERT_EQ(CreateSound(*session, dir.file("a.wav"), &second, 0), kAudioSuccess);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(DestroySound(*session, second), kAudioSuccess);
    ASSERT_EQ(CreateSound(*session, dir.file("a.wav"), &again, 0), kAudioSuccess);
    EXPECT_EQ(again, 1);

    VoiceId voice = -1, stream = -1;
    ASSERT_EQ(StartVoice(*session, first, 0, &voice), kAudioSuccess);
    EXPECT_EQ(voice, 0);
    ASSERT_EQ(StartStream(*session, dir.file("a.wav"), 0, &stream), kAudioSuccess);
    EXPECT_EQ(stream, 1);
    EXPECT_EQ(DestroyVoice(*session, stream), kAudioSuccess);
    ASSERT_EQ(StartStream(*session, dir.file("a.wav"), 0, &stream), kAudioSuccess);
    EXPECT_EQ(stream, 1);
    EXPECT_EQ(DestroyVoice(*session, 7), kAudioNoSuchId);
    EXPECT_EQ(PlayVoice(*session, 7), kAudioNoSuchId);
    EXPECT_EQ(StartVoice(*session, 9, 0, nullptr), kAudioNoSuchId);
}

TEST(SoundLibraryTest, OpenStreamDefaultsAndRefusals) {
    ScratchDir dir;
    WriteBytes(dir.file("a.ogg"), OggBytes(Sine(440, 0.5, 0.5)));
    AudioSession session;
    VoiceId id = -1;
    ASSERT_EQ(OpenStream(*session, dir.file("a.ogg"), kStreamNotPlaying, 0, 0, 0, &id), kAudioSuccess);
    ASSERT_EQ(session->streams.size(), 1u);
    EXPECT_EQ(session->streams[0]->buffers.size(), 4u);
    EXPECT_EQ(session->streams[0]->chunk, 88200u) << "1000 ms of 44.1 kHz 16-bit mono";
    ASSERT_EQ(DestroyVoice(*session, id), kAudioSuccess);

    EXPECT_EQ(OpenStream(*session, dir.file("a.ogg"), 0, -1, 0, 0, &id), kAudioInvalidArgument);
    EXPECT_EQ(OpenStream(*session, dir.file("a.ogg"), 0, 4, -1, 0, &id), kAudioInvalidArgument);
    EXPECT_EQ(OpenStream(*session, "", 0, 4, 0, 0, &id), kAudioInvalidArgument);
    EXPECT_EQ(session->streams.size(), 0u);
    id = -1;
    EXPECT_EQ(OpenStream(*session, dir.file("a.mp3"), 0, 0, 0, 0, &id), kAudioUnsupportedType);
    EXPECT_EQ(id, 0) << "the id is written before the file is looked at";
    EXPECT_EQ(DestroyVoice(*session, id), kAudioNoSuchId);
    EXPECT_EQ(session->streams.size(), 0u);
}

TEST(SoundLibraryTest, BadFilesAreRefusedWithTheirCodeAndLeaveNothingBehind) {
    ScratchDir dir;
    const std::string wave = WaveBytes(Sine(440, 0.5, 0.1));
    std::string wave24 = wave;
    wave24[34] = 24;  // bits per sample
    std::string noChannels = wave;
    noChannels[22] = 0;
    WriteBytes(dir.file("truncated.wav"), wave.substr(0, 30));
    WriteBytes(dir.file("24bit.wav"), wave24);
    WriteBytes(dir.file("nochannels.wav"), noChannels);
    WriteBytes(dir.file("opus.ogg"), OggOfAnotherCodec());
    WriteBytes(dir.file("empty.ogg"), "");
    WriteBytes(dir.file("text.ogg"), "not an ogg file at all");
    WriteBytes(dir.file("plain.ogg"), OggBytes(Sine(440, 0.5, 0.1)));
    WriteBytes(dir.file("stored.wav"), testing::Swapped(wave));
    struct Case {
        const char* file;
        int flags;
        AudioResult sound;   // CreateSound
        AudioResult stream;  // OpenStream
    };
    const Case cases[] = {
        {"missing.ogg", 0, kAudioCannotOpenFile, kAudioCannotOpenFile},
        {"missing.wav", 0, kAudioCannotOpenFile, kAudioCannotOpenFile},
        {"truncated.wav", 0, kAudioCannotOpenFile, kAudioUnusableFile},
        {"nochannels.wav", 0, kAudioCannotOpenFile, kAudioUnusableFile},
        {"24bit.wav", 0, kAudioUnusableFile, kAudioOpenAlError},
        {"opus.ogg", 0, kAudioUnusableFile, kAudioOpenAlError},
        {"empty.ogg", 0, kAudioUnusableFile, kAudioOpenAlError},
        {"text.ogg", 0, kAudioUnusableFile, kAudioOpenAlError},
        {"plain.ogg", kLoadStoredSwapped, kAudioUnusableFile, kAudioSuccess},
        {"plain.ogg", kLoadAsWave, kAudioCannotOpenFile, kAudioUnusableFile},
        {"stored.wav", 0, kAudioCannotOpenFile, kAudioUnusableFile},
        {"stored.wav", kLoadStoredSwapped, kAudioSuccess, kAudioUnusableFile},
        {"plain.ogg2", 0, kAudioUnsupportedType, kAudioUnsupportedType},
        {"ab", 0, kAudioUnsupportedType, kAudioUnsupportedType},
    };
    AudioSession session;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " flags " + std::to_string(c.flags));
        SoundId sound = -1;
        EXPECT_EQ(CreateSound(*session, dir.file(c.file), &sound, c.flags), c.sound);
        EXPECT_EQ(session->sounds.size(), c.sound == kAudioSuccess ? 1u : 0u);
        if (sound >= 0) DestroySound(*session, sound);
        VoiceId stream = -1;
        EXPECT_EQ(OpenStream(*session, dir.file(c.file), c.flags, 0, 0, 0, &stream), c.stream);
        EXPECT_EQ(session->streams.size(), c.stream == kAudioSuccess ? 1u : 0u);
        if (c.stream == kAudioSuccess) DestroyVoice(*session, stream);
        for (int slot = 0; slot < kWaveSlots; ++slot) ASSERT_FALSE(IsWaveId(*session->waves, slot)) << slot;
    }
}

TEST(SoundLibraryTest, AVoiceKeepsTheGainItStartedWith) {
    ScratchDir dir;
    WriteBytes(dir.file("a.ogg"), OggBytes(Sine(440, 0.5, 1.0, 2)));
    AudioSession session;
    SoundId sound = -1;
    ASSERT_EQ(CreateSound(*session, dir.file("a.ogg"), &sound, 0), kAudioSuccess);
    ASSERT_EQ(SetSoundVolume(*session, sound, 0.4f), kAudioSuccess);
    VoiceId first = -1, second = -1;
    ASSERT_EQ(StartVoice(*session, sound, 0, &first), kAudioSuccess);
    ASSERT_EQ(SetSoundVolume(*session, sound, 0.7f), kAudioSuccess);
    ASSERT_EQ(StartVoice(*session, sound, 0, &second), kAudioSuccess);
    EXPECT_FLOAT_EQ(SourceGain(*session, FindVoice(*session, first)->source), 0.4f);
    EXPECT_FLOAT_EQ(SourceGain(*session, FindVoice(*session, second)->source), 0.7f);
    ASSERT_EQ(SetVolume(*session, second, 0.5f), kAudioSuccess);
    EXPECT_FLOAT_EQ(SourceGain(*session, FindVoice(*session, second)->source), 0.35f) << "the Sound's volume x gain";
    EXPECT_EQ(SetVolume(*session, second, -1.0f), kAudioOpenAlError);
    EXPECT_EQ(SetMasterVolume(*session, 0.8f), kAudioSuccess);

    // Destroying the Sound stops its Voices instead of leaving them on a freed buffer.
    EXPECT_EQ(DestroySound(*session, sound), kAudioSuccess);
    EXPECT_TRUE(session->voices.empty());
    EXPECT_EQ(SetVolume(*session, first, 1.0f), kAudioNoSuchId);
}

TEST(SoundLibraryTest, AShortOggQueuesOnlyTheBuffersItFillsAndIsReapedAtItsEnd) {
    ScratchDir dir;
    WriteBytes(dir.file("short.ogg"), OggBytes(Sine(440, 0.5, 0.15, 2)));
    AudioSession session;
    VoiceId id = -1;
    ASSERT_EQ(OpenStream(*session, dir.file("short.ogg"), 0, 4, 100, 0, &id), kAudioSuccess);
    ALint queued = 0;
    session->al.alGetSourcei(FindStream(*session, id)->source, AL_BUFFERS_QUEUED, &queued);
    EXPECT_EQ(queued, 2);
    ASSERT_EQ(SetVolume(*session, id, 0.0f), kAudioSuccess) << "silent music still runs";
    session.RunFrames(60);
    EXPECT_NE(FindStream(*session, id), nullptr);
    EXPECT_TRUE(session.RunFramesUntil([&] { return FindStream(*session, id) == nullptr; }, 5000));
}

TEST(SoundLibraryTest, SixChannelOggIsPutIntoOpenAlChannelOrder) {
    ScratchDir dir;
    // Vorbis order: front left, centre, front right, rear left, rear right, LFE.
    WriteBytes(dir.file("six.ogg"), OggBytes(testing::SineChannels(100, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}, 0.5)));
    AudioSession session;
    std::FILE* file = std::fopen(dir.file("six.ogg").c_str(), "rb");
    OggVorbis_File decoder{};
    ASSERT_EQ(session->ov.ov_open_callbacks(file, &decoder, nullptr, 0, FileCallbacks()), 0);
    std::vector<std::int16_t> pcm(44100 / 2 * 6);
    const std::size_t got =
        DecodeOgg(session->ov, decoder, reinterpret_cast<unsigned char*>(pcm.data()), pcm.size() * 2, 6);
    session->ov.ov_clear(&decoder);
    ASSERT_EQ(got, pcm.size() * 2);
    // OpenAL order: front left, front right, centre, LFE, rear left, rear right.
    // Vorbis codes the LFE coarsely (louder here); it is the only channel above 0.5.
    const double expected[6] = {0.1, 0.3, 0.2, 0.6, 0.4, 0.5};
    for (int channel = 0; channel < 6; ++channel) {
        double sum = 0;
        for (std::size_t i = std::size_t(channel); i < pcm.size(); i += 6) sum += double(pcm[i]) * pcm[i];
        const double amplitude = std::sqrt(2 * sum / double(pcm.size() / 6)) / 32768;
        if (channel == 3) {
            EXPECT_GT(amplitude, 0.55);
        } else {
            EXPECT_NEAR(amplitude, expected[channel], 0.03) << "channel " << channel;
        }
    }
    int format = 0;
    EXPECT_EQ(OggChannelFormat(6, session->al.alGetEnumValue, format), 0);
    EXPECT_EQ(format, session->al.alGetEnumValue("AL_FORMAT_51CHN16"));
    EXPECT_EQ(OggChannelFormat(5, session->al.alGetEnumValue, format), 1);
}

TEST(EffectTableTest, EffectsLoadFromTheirStoredFormAndAFailedOneStaysSilent) {
    ScratchDir dir;
    std::filesystem::create_directories(dir.path() / "Sounds");
    for (int i = 0; i < kEffectSoundCount; ++i) {
        if (i != 7) WriteBytes(dir.file(kEffectFiles[i]), testing::Swapped(OggBytes(Sine(300 + 50 * i, 0.4, 0.2))));
    }
    AudioSession session;
    EffectTable effects;
    LoadEffects(*session, effects, dir.path().string());
    for (int i = 0; i < kEffectSoundCount; ++i) EXPECT_EQ(effects.sounds[std::size_t(i)] >= 0, i != 7) << i;
    EXPECT_EQ(PlayEffect(*session, effects, 7), kAudioNoSuchId);
    EXPECT_EQ(PlayEffect(*session, effects, 12), kAudioInvalidArgument);
    EXPECT_EQ(session->voices.size(), 0u);
    ApplySoundVolume(*session, effects, 0.3f);
    EXPECT_EQ(PlayEffect(*session, effects, 4), kAudioSuccess);
    EXPECT_FLOAT_EQ(SourceGain(*session, session->voices.back().source), 0.3f);

    EXPECT_EQ(ReleaseEffect(*session, effects, 4), kAudioSuccess);
    EXPECT_EQ(effects.sounds[4], -1);
    EXPECT_EQ(PlayEffect(*session, effects, 4), kAudioNoSuchId);
    EXPECT_TRUE(session->voices.empty()) << "its playing Voice stopped with it";
}

TEST(MusicStreamsTest, TracksReplaceEachOtherAndOnlyMusicIsTouched) {
    ScratchDir dir;
    WriteBytes(dir.file("t1.ogg"), OggBytes(Sine(440, 0.3, 2.0, 2)));
    WriteBytes(dir.file("t2.ogg"), OggBytes(Sine(550, 0.3, 2.0, 2)));
    AudioSession session;
    MusicStreams music;
    ASSERT_EQ(StartMusic(*session, music, dir.file("t1.ogg"), 0.3f), kAudioSuccess);
    ASSERT_EQ(StartMusic(*session, music, dir.file("t2.ogg"), 0.3f), kAudioSuccess);
    EXPECT_EQ(music.previous, 0);
    EXPECT_EQ(music.current, 1);
    EXPECT_FLOAT_EQ(SourceGain(*session, FindStream(*session, 1)->source), 0.3f);
    ApplyMusicVolume(*session, music, 0.6f);
    EXPECT_FLOAT_EQ(SourceGain(*session, FindStream(*session, 0)->source), 0.6f);

    // A previous track left paused would never be resumed: the next start frees it.
    PauseAllPlaying(*session);
    ASSERT_EQ(StartMusic(*session, music, dir.file("t1.ogg"), 0.6f), kAudioSuccess);
    EXPECT_EQ(FindStream(*session, 0), nullptr);
    EXPECT_EQ(session->streams.size(), 2u);

    // The jump to a sub-level frees both and starts at the music gain.
    ASSERT_EQ(RestartMusicAt(*session, music, dir.file("t2.ogg"), 1000, 0.2f), kAudioSuccess);
    EXPECT_EQ(session->streams.size(), 1u);
    EXPECT_EQ(music.previous, -1);
    EXPECT_FLOAT_EQ(SourceGain(*session, FindStream(*session, music.current)->source), 0.2f);
    EXPECT_EQ(RestartMusicAt(*session, music, dir.file("missing.ogg"), 0, 0.2f), kAudioCannotOpenFile);
    EXPECT_EQ(music.current, -1);
    EXPECT_TRUE(session->streams.empty());

    // Ids of tracks that are gone may come back on an effect: it is left alone.
    ASSERT_EQ(StartMusic(*session, music, dir.file("t1.ogg"), 0.5f), kAudioSuccess);
    DestroyVoice(*session, music.current);  // as if it had ended and been reaped
    SoundId sound = -1;
    VoiceId effect = -1;
    ASSERT_EQ(CreateSound(*session, dir.file("t2.ogg"), &sound, 0), kAudioSuccess);
    ASSERT_EQ(StartVoice(*session, sound, 0, &effect), kAudioSuccess);
    ASSERT_EQ(effect, music.current);
    ApplyMusicVolume(*session, music, 0.0f);
    StopAllMusic(*session, music);
    ASSERT_NE(FindVoice(*session, effect), nullptr);
    EXPECT_FLOAT_EQ(SourceGain(*session, FindVoice(*session, effect)->source), 1.0f);
}

}  // namespace
}  // namespace glyphora
