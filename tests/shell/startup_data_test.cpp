// Start-up and shutdown with the data files: the first settings pass places
// the window, the check guards the files before anything reads them, and
// shutdown leaves a state the next start accepts.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/data/fresh_installation.h"
#include "game/screens/screen_table.h"
#include "game/shell/main_loop.h"
#include "game/shell/screens.h"
#include "platform/fake/fake_platform.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

class StartupDataTest : public ::testing::Test {
protected:
    StartupDataTest() {
        testing::WriteBytes("words.txt", "2\nHOUSE 10\nRIVER 30\n");
        EXPECT_TRUE(WriteFreshInstallation("words.txt", fake.files));
    }
    // One whole run of the game on the fakes: start-up, no frames, shutdown.
    void runOnce() {
        Game game{fake.bundle(), GameScreens()};
        StartUp(game);
        lastPosition = {game.shell.windowPos.x, game.shell.windowPos.y};
        firstRun = game.settings.firstRun;
        firstScreen = game.screen.current;
        introStart = game.menus.introStart;
        lastPeekEnd = game.menus.lastPeekEnd;
        ShutDown(game);
    }

    testing::ScratchDir scratch{true};
    platform::FakePlatform fake;
    platform::Point lastPosition;
    bool firstRun = false;
    ScreenKind firstScreen = ScreenKind::Splash;
    int introStart = -1;
    int lastPeekEnd = -1;
};

TEST_F(StartupDataTest, AFreshInstallationStartsCentredWithoutComplaint) {
    fake.clock.set(5000);
    runOnce();
    EXPECT_TRUE(firstRun);
    EXPECT_EQ(firstScreen, ScreenKind::Intro);
    EXPECT_EQ(introStart, 5000);
    EXPECT_EQ(lastPosition, (platform::Point{162, 106}));  // 1024 x 768 screen
    ASSERT_FALSE(fake.window.moves.empty());
    EXPECT_EQ(fake.window.moves.front(), (platform::Point{162, 106}));
    EXPECT_TRUE(fake.desktop.boxes.empty());

    runOnce();
    EXPECT_FALSE(firstRun);
    EXPECT_EQ(firstScreen, ScreenKind::MainMenu);
    EXPECT_EQ(lastPeekEnd, 0) << "the peeking picture may come at once";
    EXPECT_EQ(lastPosition, (platform::Point{162, 106}));
    EXPECT_TRUE(fake.desktop.boxes.empty());
}

TEST_F(StartupDataTest, AnEditedFileIsReportedAndRestoredBeforeTheFullRead) {
    runOnce();
    std::string settings = testing::ReadBytes("Data/Settings.ini");
    settings.replace(settings.find("difficulty=1"), 12, "difficulty=2");
    testing::WriteBytes("Data/Settings.ini", settings);

    Game game{fake.bundle(), GameScreens()};
    StartUp(game);
    ASSERT_EQ(fake.desktop.boxes.size(), 1u);
    EXPECT_EQ(fake.desktop.boxes[0].caption, "Error: Corrupted Files");
    EXPECT_EQ(game.settings.difficulty, 1);  // read from the restored file
    ShutDown(game);

    fake.desktop.boxes.clear();
    runOnce();
    EXPECT_TRUE(fake.desktop.boxes.empty());
}

// A data file that cannot be replaced (its new copy's name is taken by a
// folder, which fails for every user, root included, as a read-only folder
// fails for a player): the game goes on and says once what was not saved
// and where.
TEST_F(StartupDataTest, AFailedSaveIsToldOnceWithTheFileItCouldNotWrite) {
    runOnce();
    std::filesystem::create_directory("Data/Settings.ini.new");
    Game game{fake.bundle(), GameScreens()};
    StartUp(game);
    SwitchScreen(game, ScreenKind::Settings);
    SwitchScreen(game, ScreenKind::MainMenu);
    SwitchScreen(game, ScreenKind::Settings);
    SwitchScreen(game, ScreenKind::MainMenu);
    ShutDown(game);
    ASSERT_EQ(fake.desktop.boxes.size(), 1u);
    EXPECT_EQ(fake.desktop.boxes[0].caption, "Error: Could Not Save");
    const std::string where = (scratch.path() / "Data/Settings.ini").string();
    EXPECT_NE(fake.desktop.boxes[0].text.find("your settings to\n" + where + "\n"), std::string::npos)
        << fake.desktop.boxes[0].text;
}

// With a data file and its backup both gone, the message says what the game
// does instead of claiming that the backups were loaded.
TEST_F(StartupDataTest, TheRecoveryMessageNamesFilesThatHadNoBackup) {
    runOnce();
    std::filesystem::remove("Data/WordList.txt");
    std::filesystem::remove("Data/Backup/WordList.txt");
    std::filesystem::remove("Data/Backup/Scores.txt");
    Game game{fake.bundle(), GameScreens()};
    StartUp(game);
    ASSERT_EQ(fake.desktop.boxes.size(), 1u);
    const std::string& text = fake.desktop.boxes[0].text;
    EXPECT_NE(text.find("No backup of WordList.txt was found: a small built-in word list is used."), std::string::npos)
        << text;
    EXPECT_NE(text.find("No backup of Scores.txt was found: the file is used as it is."), std::string::npos);
    EXPECT_EQ(text.find("Settings.ini"), std::string::npos);
    ShutDown(game);
}

}  // namespace
}  // namespace glyphora
