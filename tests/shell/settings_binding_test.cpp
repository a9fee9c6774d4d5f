// The settings file's values live in the widgets that edit them while the
// game runs: read into them at start-up and written back from them.
#include "game/shell/settings_binding.h"
#include "game/screens/screen_table.h"
#include "game/shell/run_control.h"

#include <gtest/gtest.h>

#include "game/data/fresh_installation.h"
#include "game/data/integrity.h"
#include "game/data/settings_file.h"
#include "game/gameplay/progression.h"
#include "game/shell/main_loop.h"
#include "platform/fake/fake_platform.h"
#include "platform/keys.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

class SettingsBinding : public ::testing::Test {
protected:
    SettingsBinding() {
        testing::WriteBytes("words.txt", "1\nHOUSE 10\n");
        EXPECT_TRUE(WriteFreshInstallation("words.txt", fake.files));
        stored.windowX = 200;
        stored.windowY = 150;
        stored.queryF3 = false;
        stored.difficulty = 2;
        stored.defaultName = "Ada";
        stored.freeGameKeys[1][1] = true;
        stored.freeGameKeys[4][0] = true;
        stored.startLevel = 3;
        stored.speedMod = 9;
        stored.chanceMod = 2;
        stored.maxLives = 6;
        stored.musicVolume = 4;
        stored.soundVolume = 10;
        stored.regcode = "ABCDEFGHIJ0123456789";
        stored.groups[2] = "Typists";
        SaveSettings(stored);
        WriteDataFileHashes();
    }

    testing::ScratchDir scratch{true};
    platform::FakePlatform fake;
    Settings stored;
};

TEST_F(SettingsBinding, StartUpSpreadsTheFileOverItsHoldersAndShutdownGathersItBack) {
    {
        Game game{fake.bundle(), GameScreens()};
        StartUp(game);
        ASSERT_TRUE(fake.desktop.boxes.empty()) << "the data files pass their check";
        EXPECT_FALSE(game.settings.queryF3);
        EXPECT_EQ(game.settings.difficulty, 2);
        EXPECT_EQ(game.settings.defaultName, "Ada");
        for (int row = 0; row < kFreeGameToggleRows; ++row)
            for (int column = 0; column < kFreeGameToggleColumns; ++column)
                EXPECT_EQ(game.settings.freeGameKeys[row][column],
                          (row == 1 && column == 1) || (row == 4 && column == 0));
        EXPECT_EQ(game.settings.startLevel, 3);
        EXPECT_EQ(game.settings.speedMod, 9);
        EXPECT_EQ(game.settings.chanceMod, 2);
        EXPECT_EQ(game.settings.maxLives, 6);
        EXPECT_EQ(game.settings.musicVolume, 4);
        EXPECT_EQ(game.settings.soundVolume, 10);
        EXPECT_EQ(game.settings.regcode, "ABCDEFGHIJ0123456789");
        EXPECT_EQ(game.settings.groups[2], "Typists");
        EXPECT_EQ(game.shell.windowPos.x, 200);

        WindowProcedure(game, {platform::MessageKind::KeyDown, vk::F6, 0});  // music 5
        game.settings.freeGameKeys[0][0] = false;
        ShutDown(game);
    }
    Settings written;
    Random random;
    LoadSettings(written, true, random);
    LoadSettings(written, false, random);
    EXPECT_EQ(written.musicVolume, 5);
    EXPECT_FALSE(written.freeGameKeys[0][0]);
    EXPECT_TRUE(written.freeGameKeys[1][1]);
    EXPECT_EQ(written.soundVolume, 10);
    EXPECT_EQ(written.difficulty, 2);
    EXPECT_EQ(written.defaultName, "Ada");
    EXPECT_EQ(written.startLevel, 3);
    EXPECT_EQ(written.maxLives, 6);
    EXPECT_EQ(written.groups[2], "Typists");
    EXPECT_EQ(written.windowX, 200);
}

TEST_F(SettingsBinding, AFreeGameRunsOnTheFreeGameWidgets) {
    Game game{fake.bundle(), GameScreens()};
    StartUp(game);
    game.run.freeGame = true;
    NewGame(game);
    EXPECT_EQ(game.run.maxLives, 6);
    EXPECT_EQ(LevelNumber(game.run), 11);
    EXPECT_FALSE(game.run.groupEnabled[kLettersAndSpace]) << "level 1 of the free game: row 0 is empty";
    ShutDown(game);
}

}  // namespace
}  // namespace glyphora
