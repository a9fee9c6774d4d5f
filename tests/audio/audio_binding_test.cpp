// Binding the OpenAL runtime through a fake of the platform's libraries: the
// lookups, their one debug line, the search order, and a game that stays
// silent when audio never came up.
#include <gtest/gtest.h>

#include <string>

#include "game/audio/audio_system.h"
#include "game/audio/effect_table.h"
#include "game/audio/music_streams.h"
#include "platform/fake/fake_platform.h"

namespace glyphora {
namespace {

void Dummy() {}

// Every OpenAL entry point but the one left out. The addresses are never
// called: binding fails before the device is opened.
platform::FakeLibraries RuntimeWithout(const std::string& missing) {
    platform::FakeLibraries libraries;
    libraries.available.insert(kOpenAlLibrary);
    for (const char* name : kAudioApiNames) {
        if (name != missing) libraries.symbols[name] = reinterpret_cast<void*>(&Dummy);
    }
    return libraries;
}

TEST(AudioBindingTest, WithoutTheRuntimeStartupGivesThreeAndWritesNothing) {
    platform::FakeLibraries libraries;
    AudioSystemPtr audio = MakeAudioSystem(libraries, "");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(AudioStartup(*audio, true), kAudioNoRuntime);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(AudioIsUp(*audio));
    EXPECT_EQ(UnbindAudioApi(*audio), 0);
}

TEST(AudioBindingTest, AMissingEntryPointIsNamedOnceAndStopsTheLookups) {
    struct Case {
        const char* missing;
        int filledBefore;  // entries found before it
    };
    for (const Case c : {Case{"alcGetEnumValue", 65}, Case{"alEnable", 0}, Case{"alGetError", 12}}) {
        SCOPED_TRACE(c.missing);
        platform::FakeLibraries libraries = RuntimeWithout(c.missing);
        AudioSystemPtr audio = MakeAudioSystem(libraries, "");
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(AudioStartup(*audio, true), kAudioNoRuntime);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  std::string("Failed to retrieve '") + c.missing + "' function address\n");
        EXPECT_EQ(c.filledBefore == 65, audio->al.alcGetProcAddress != nullptr);
        EXPECT_EQ(c.filledBefore > 0, audio->al.alEnable != nullptr);
        EXPECT_EQ(audio->al.alcGetEnumValue, nullptr);
        EXPECT_TRUE(audio->openAl) << "the library stays loaded";
        AudioShutdown(*audio);
        EXPECT_FALSE(audio->openAl);
    }
}

TEST(AudioBindingTest, TheBundledFolderIsSearchedBeforeTheSystem) {
    platform::FakeLibraries libraries = RuntimeWithout("alEnable");
    AudioSystemPtr audio = MakeAudioSystem(libraries, "Data/lib");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(BindAudioApi(*audio));
    ::testing::internal::GetCapturedStderr();
    ASSERT_FALSE(libraries.opened.empty());
    EXPECT_EQ(libraries.opened.end()[-2], "Data/lib/libopenal.so.1");
    EXPECT_EQ(libraries.opened.back(), "libopenal.so.1");
    for (std::size_t i = 0; i + 2 < libraries.opened.size(); ++i) {
        EXPECT_EQ(libraries.opened[i].rfind("Data/lib/", 0), 0u) << "companions come from the bundle only";
    }

    libraries.opened.clear();
    libraries.available.insert("Data/lib/libopenal.so.1");
    ::testing::internal::CaptureStderr();
    BindAudioApi(*audio);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(libraries.opened.back(), "Data/lib/libopenal.so.1") << "a bundled copy is used when there";
}

// A game whose audio never came up calls every operation all the same.
TEST(AudioBindingTest, EveryOperationReturnsCleanlyWhenAudioIsNotUp) {
    platform::FakeLibraries libraries;
    AudioSystemPtr audio = MakeAudioSystem(libraries, "");
    AudioStartup(*audio, true);
    SoundId sound = -1;
    VoiceId voice = -1;
    EXPECT_EQ(CreateSound(*audio, "Sounds/BtnClick.ogg", &sound, 0), kAudioNoRuntime);
    EXPECT_EQ(StartVoice(*audio, 0, 0, &voice), kAudioNoRuntime);
    EXPECT_EQ(OpenStream(*audio, "Music/Track1.ogg", 0, 0, 0, 20000, &voice), kAudioNoRuntime);
    EXPECT_EQ(voice, -1);
    EXPECT_EQ(PlayVoice(*audio, 0), kAudioNoRuntime);
    EXPECT_EQ(PauseVoice(*audio, 0), kAudioNoRuntime);
    EXPECT_EQ(StopVoice(*audio, 0), kAudioNoRuntime);
    EXPECT_EQ(SetVolume(*audio, 0, 0.5f), kAudioNoRuntime);
    EXPECT_EQ(SetSoundVolume(*audio, 0, 0.5f), kAudioNoRuntime);
    EXPECT_EQ(SetMasterVolume(*audio, 1.0f), kAudioNoRuntime);
    EXPECT_EQ(DestroySound(*audio, 0), kAudioNoRuntime);
    EXPECT_EQ(DestroyVoice(*audio, 0), kAudioNoRuntime);
    EXPECT_EQ(UpdateStreams(*audio), kAudioNoRuntime);
    EXPECT_EQ(ReapFinished(*audio), 0);
    EXPECT_EQ(PauseAllPlaying(*audio), kAudioNoRuntime);
    EXPECT_EQ(ResumeAllPaused(*audio), kAudioNoRuntime);

    EffectTable effects;
    LoadEffects(*audio, effects);
    EXPECT_EQ(effects.sounds, EffectTable().sounds);
    EXPECT_EQ(PlayEffect(*audio, effects, 3), kAudioNoSuchId);
    ApplySoundVolume(*audio, effects, 0.3f);
    MusicStreams music;
    EXPECT_EQ(StartMusic(*audio, music, "Music/Track1.ogg", 0.5f), kAudioNoRuntime);
    EXPECT_EQ(RestartMusicAt(*audio, music, "Music/Track1.ogg", 40000, 0.5f), kAudioNoRuntime);
    ApplyMusicVolume(*audio, music, 0.2f);
    StopAllMusic(*audio, music);
    EXPECT_EQ(music.current, -1);
    EXPECT_EQ(music.previous, -1);
    EXPECT_EQ(AudioShutdown(*audio), 0);
}

}  // namespace
}  // namespace glyphora
