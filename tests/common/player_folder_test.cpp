#include "common/player_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "support/scratch_dir.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// An installed game's Data folder (fresh settings, a picture folder, the
// program) and a per-user data home, in one scratch folder.
class PlayerFolderTest : public ::testing::Test {
protected:
    PlayerFolderTest() {
        Write(game / "Data" / "Settings.ini", "fresh");
        Write(game / "Data" / "Backup" / "Settings.ini", "fresh");
        Write(game / "Graphics" / "Sheet.png", "picture");
        Write(game / "Game", "program");
    }
    static bool ReadOnly(const fs::path&) { return false; }

    testing::ScratchDir scratch;
    fs::path game = scratch.path() / "install" / "Data";
    fs::path home = scratch.path() / "xdg";
    ScopedEnv xdg{"XDG_DATA_HOME", home.c_str()};
};

TEST_F(PlayerFolderTest, AWritableGameFolderIsUsedAsItIs) {
    EXPECT_EQ(ChoosePlayerFolder(game), game);
    EXPECT_FALSE(fs::exists(home));
    EXPECT_TRUE(CanWriteIn(game / "Data"));
    EXPECT_FALSE(CanWriteIn(game / "missing"));
}

TEST_F(PlayerFolderTest, AReadOnlyGameGivesEachPlayerACopyOfTheDataAndLinksToTheRest) {
    const fs::path folder = ChoosePlayerFolder(game, ReadOnly);
    EXPECT_EQ(folder, home / "glyphora");
    EXPECT_EQ(Contents(folder / "Data" / "Backup" / "Settings.ini"), "fresh");
    EXPECT_FALSE(fs::is_symlink(folder / "Data"));
    EXPECT_TRUE(fs::is_symlink(folder / "Graphics"));
    EXPECT_EQ(Contents(folder / "Graphics" / "Sheet.png"), "picture");
    EXPECT_FALSE(fs::exists(folder / "Data.partial"));

    // The player's own data survives the next start; a game moved elsewhere
    // is linked anew.
    Write(folder / "Data" / "Settings.ini", "the player's");
    fs::rename(scratch.path() / "install", scratch.path() / "moved");
    const fs::path moved = scratch.path() / "moved" / "Data";
    EXPECT_EQ(ChoosePlayerFolder(moved, ReadOnly), folder);
    EXPECT_EQ(Contents(folder / "Data" / "Settings.ini"), "the player's");
    EXPECT_EQ(fs::read_symlink(folder / "Graphics"), moved / "Graphics");
}

TEST_F(PlayerFolderTest, ThePerUserFolderFollowsTheXdgRulesAndFallsBackToTheGameFolder) {
    struct Case {
        const char* xdg;
        const char* home;
        fs::path expected;
    } cases[] = {
        {"/data/home", "/home/p", "/data/home/glyphora"},
        {"relative/ignored", "/home/p", "/home/p/.local/share/glyphora"},
        {nullptr, "/home/p", "/home/p/.local/share/glyphora"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        ScopedEnv xdgValue("XDG_DATA_HOME", c.xdg), homeValue("HOME", c.home);
        EXPECT_EQ(PerUserFolder(), c.expected) << (c.xdg ? c.xdg : "unset");
    }
    // A data home that cannot be made: the game folder, whose failed saves
    // the game reports.
    Write(scratch.path() / "file", "not a folder");
    ScopedEnv blocked("XDG_DATA_HOME", (scratch.path() / "file").c_str());
    EXPECT_EQ(ChoosePlayerFolder(game, ReadOnly), game);
}

}  // namespace
}  // namespace glyphora
