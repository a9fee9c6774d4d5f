// The game's sound against the real OpenAL Soft (its null back end): the
// effects loaded while starting, effects and music by the game's events, the
// pause, the volume keys and the release at exit. The sounds are the test's
// own short tones in a scratch game folder.
#include <chrono>
#include <cstdlib>
#include <thread>

#include "game/audio/audio_system.h"
#include "game/shell/loading.h"
#include "game/shell/music.h"
#include "game/shell/sound.h"
#include "game/shell/sound_effects.h"
#include "platform/keys.h"
#include "platform/posix/posix_services.h"
#include "sound_fixtures.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

constexpr int kBrokenEffect = Letter3;

class GameSoundTest : public testing::StartedGame {
protected:
    void SetUp() override {
        setenv("ALSOFT_DRIVERS", "null", 1);
        for (const char* folder : {"Sounds", "Music"}) std::filesystem::create_directories(folder);
        const std::string effect = testing::Swapped(testing::OggBytes(testing::Sine(880, 0.2, 0.1)));
        for (int i = 0; i < kEffectCount; ++i)
            scratch.write(kEffectFiles[i], i == kBrokenEffect ? std::string("not a sound") : effect);
        const std::string track = testing::OggBytes(testing::Sine(220, 0.2, 3.0, 2));
        for (int n = 1; n <= 7; ++n) scratch.write("Music/Track" + std::to_string(n) + ".ogg", track);
        fake.bundle().libraries = &libraries;
        StartedGame::SetUp();
        ASSERT_NE(AudioOf(game), nullptr) << "audio did not start: " << game.sound.startResult;
        game.settings.musicVolume = game.settings.soundVolume = 7;  // a fresh installation's
        ApplySoundVolume(game);
    }
    void TearDown() override { StopSound(game); }  // before the libraries go
    AudioSystem& audio() { return *AudioOf(game); }
    const Stream* music() { return FindStream(audio(), game.sound.music.current); }
    ALint state(ALuint source) { return SourceState(audio().al, source); }
    float gain(ALuint source) {
        float value = -1;
        audio().al.alGetSourcef(source, AL_GAIN, &value);
        return value;
    }
    // Frames at the real pace until the voices have ended and been reaped.
    bool voicesReaped(int ms) {
        for (int waited = 0; waited < ms; waited += 16) {
            frames(16);
            if (audio().voices.empty()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(16));
        }
        return false;
    }

    platform::PosixLibraries libraries;
};

TEST_F(GameSoundTest, EffectsLoadInOrderAFailedOneStaysSilentAndTheFrameReapsThem) {
    for (int i = 0; i < kEffectCount; ++i) {
        if (i == kBrokenEffect) EXPECT_EQ(game.sound.effects.sounds[std::size_t(i)], -1);
        else EXPECT_GE(game.sound.effects.sounds[std::size_t(i)], 0) << kEffectFiles[i];
    }
    PlayEffect(game, kBrokenEffect);
    EXPECT_TRUE(audio().voices.empty());
    PlayEffect(game, Letter1);
    PlayEffect(game, WordLetter);
    EXPECT_EQ(audio().voices.size(), 2u);
    EXPECT_TRUE(voicesReaped(2000));
}

TEST_F(GameSoundTest, ARunPlaysItsTrackThatPausesFollowsTheVolumeKeysAndStopsAtTheEnd) {
    startRun(kEasy);
    ASSERT_NE(music(), nullptr);
    const std::string file = game.run.musicFile.data();
    EXPECT_TRUE(file == "Music/Track1.ogg" || file == "Music/Track2.ogg") << file;
    EXPECT_FLOAT_EQ(gain(music()->source), 0.7f);
    key(vk::F5);
    EXPECT_FLOAT_EQ(gain(music()->source), 0.6f);

    key(vk::F1);  // paused: held through the frames' reaping, then going on
    frames(100);
    ASSERT_NE(music(), nullptr);
    EXPECT_EQ(state(music()->source), AL_PAUSED);
    key(vk::F1);
    frames(16);
    EXPECT_EQ(state(music()->source), AL_PLAYING);

    EndGame(game);
    EXPECT_EQ(screen(), ScreenKind::GameOver);
    EXPECT_TRUE(audio().streams.empty());
}

// F4 answers the new-game question of a pause: what the pause held is let go
// (and ends), not kept paused for ever.
TEST_F(GameSoundTest, ANewGameFromAPauseLetsGoOfWhatThePauseHeld) {
    startRun(kEasy);
    PlayEffect(game, Letter1);
    key(vk::F1);
    ASSERT_EQ(audio().voices.size(), 1u);
    EXPECT_EQ(state(audio().voices[0].source), AL_PAUSED);
    NewGame(game);
    EXPECT_TRUE(voicesReaped(2000));
    EXPECT_EQ(audio().streams.size(), 1u);  // the new run's track only
}

TEST_F(GameSoundTest, TheCreditsPlayTheirTrackPausedWithTheGameUntilLeft) {
    SwitchScreen(game, ScreenKind::Credits);
    ASSERT_NE(music(), nullptr);
    key(vk::F1);
    EXPECT_EQ(state(music()->source), AL_PAUSED);
    key(vk::F1);
    SwitchScreen(game, ScreenKind::MainMenu);
    EXPECT_TRUE(audio().streams.empty());
}

// Dragging the music slider of Settings plays a track at the level being set;
// letting go of it stops the track.
TEST_F(GameSoundTest, TheMusicSliderPlaysItsPreviewWhileDragged) {
    SwitchScreen(game, ScreenKind::Settings);
    const Rect bar = game.widgets.sliders[MusicVolumeSlider].segmentsRect;
    const auto mouse = [&](platform::MessageKind kind, int x) {
        fake.desktop.cursor = {x + game.shell.windowPos.x, (bar.top + bar.bottom) / 2 + game.shell.windowPos.y};
        WindowProcedure(game, {kind, 0, 0});
    };
    mouse(platform::MessageKind::LButtonDown, bar.right - 2);
    ASSERT_NE(music(), nullptr);
    EXPECT_FLOAT_EQ(gain(music()->source), 1.0f);
    mouse(platform::MessageKind::MouseMove, bar.left + 2);
    EXPECT_EQ(game.settings.musicVolume, 1);
    EXPECT_FLOAT_EQ(gain(music()->source), 0.1f);
    mouse(platform::MessageKind::LButtonUp, bar.left + 2);
    EXPECT_TRUE(audio().streams.empty());
}

TEST_F(GameSoundTest, TheSoundVolumeKeysChangeTheNextEffectsGain) {
    key(vk::F7);
    key(vk::F7);
    PlayEffect(game, BtnClick);
    ASSERT_EQ(audio().voices.size(), 1u);
    EXPECT_FLOAT_EQ(gain(audio().voices[0].source), 0.5f);
}

TEST_F(GameSoundTest, ATrackReopenedPartWayReplacesBothTracks) {
    startRun(kEasy);
    const VoiceId first = game.sound.music.current;
    StartMusic(game, game.run.musicFile.data());  // a stage change: the first plays out
    EXPECT_EQ(game.sound.music.previous, first);
    StartMusic(game, game.run.musicFile.data(), 2000);  // a jump into the track
    EXPECT_EQ(audio().streams.size(), 1u);
    EXPECT_EQ(game.sound.music.previous, -1);
}

TEST_F(GameSoundTest, AtExitEverySoundCallReturnsAtOnce) {
    ReleaseAllResources(game);
    EXPECT_EQ(AudioOf(game), nullptr);
    PlayEffect(game, BtnClick);
    StartMusic(game, "Music/Track1.ogg");
    key(vk::F6);
    RunFrame(game);
}

}  // namespace
}  // namespace glyphora
