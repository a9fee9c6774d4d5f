// Without an audio runtime: the installer runs once while loading, and then
// the game plays on silent, every sound call returning at once.
#include "game/shell/sound.h"
#include "game/shell/music.h"
#include "game/shell/sound_effects.h"
#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

class NoAudioTest : public testing::StartedGame {};

TEST_F(NoAudioTest, TheRuntimeInstallerRunsOnceAndTheGamePlaysOnSilent) {
    ASSERT_EQ(fake.processes.started.size(), 1u);
    EXPECT_TRUE(fake.processes.started[0].program.ends_with("OpenAL/install-runtime"));
    EXPECT_EQ(fake.processes.started[0].arguments, (std::vector<std::string>{"-s", "-f"}));
    EXPECT_EQ(game.sound.startResult, kAudioNoRuntime);
    EXPECT_EQ(AudioOf(game), nullptr);

    PlayEffect(game, BtnClick);
    ReleaseEffect(game, HoHoHo);
    startRun();
    keys({vk::F5, vk::F6, vk::F7, vk::F8, vk::F1});
    frames(100);
    key(vk::F1);
    StartMusic(game, "Music/Track3.ogg", 40000);
    StopCurrentMusic(game);
    EndGame(game);
    EXPECT_EQ(screen(), ScreenKind::GameOver);
}

}  // namespace
}  // namespace glyphora
