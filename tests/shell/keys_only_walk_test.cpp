// Every screen worked with the keyboard alone: from a fresh installation
// through the intro, the note, the difficulty, a game, the name entry, the
// high scores and a group name, the free game, the help's keys page and the
// manual, the credits' donation page and the settings, each screen left by
// its key.
// Keys arrive as the platform sends them: a key-down, then the character it
// types where it types one.
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "game/data/fresh_installation.h"
#include "game/data/settings_file.h"
#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

class KeysOnlyWalk : public testing::StartedGame {
protected:
    void SetUp() override {
        testing::WriteBytes("words.txt", "2\nHOUSE 10\nRIVER 30\n");
        ASSERT_TRUE(WriteFreshInstallation("words.txt", fake.files));
        StartUp(game);
    }

    // One key as a keyboard gives it.
    void press(int code) {
        WindowProcedure(game, {platform::MessageKind::KeyDown, static_cast<std::uint32_t>(code), 0});
        const bool types = code == vk::Enter || code == vk::Tab || code == vk::Escape || code == vk::Backspace ||
                           code == vk::Space || std::isalnum(code);
        if (types) WindowProcedure(game, {platform::MessageKind::Char, static_cast<std::uint32_t>(code), 0});
    }
    void typeWord(std::string_view word) {
        for (char c : word) press(std::toupper(static_cast<unsigned char>(c)));
    }
};

// One step of the walk: on the screen `on`, what happens first (frames,
// typing), then the keys, then the screen it leads to and what it changed.
struct Step {
    const char* what;
    ScreenKind on;
    std::function<void()> before;
    std::vector<int> keys;
    ScreenKind after;
    std::function<void()> check;
};

TEST_F(KeysOnlyWalk, EveryScreenFromAFreshInstallationWithKeysOnly) {
    auto wait = [this](int ms) { return [this, ms] { frames(ms); }; };
    auto erase = [this](int n) {
        return [this, n] {
            for (int i = 0; i < n; ++i) press(vk::Backspace);
        };
    };
    // clang-format off
    const Step steps[] = {
        {"Enter before the note's button shows does nothing", ScreenKind::Intro, wait(3000), {vk::Enter},
         ScreenKind::Intro, [this] { EXPECT_FALSE(game.menus.noteShown); }},
        {"Enter opens the note once its button shows", ScreenKind::Intro, wait(5000), {vk::Enter}, ScreenKind::Intro,
         [this] { EXPECT_TRUE(game.menus.noteShown); }},
        {"Enter continues from the note", ScreenKind::Intro, nullptr, {vk::Enter}, ScreenKind::DifficultyChoice,
         nullptr},
        {"Left and Right change the difficulty within its range, Enter is OK", ScreenKind::DifficultyChoice,
         nullptr, {vk::Right, vk::Right, vk::Left, vk::Left, vk::Left, vk::Enter}, ScreenKind::MainMenu,
         [this] { EXPECT_EQ(game.settings.difficulty, kEasy); }},
        {"Tab and Enter start a game", ScreenKind::MainMenu, nullptr, {vk::Tab, vk::Enter}, ScreenKind::Play,
         nullptr},
        {"the word on offer typed, Esc twice ends the game", ScreenKind::Play,
         [this] { frames(200); typeWord(std::string(game.field.word.view())); }, {vk::Escape, vk::Escape},
         ScreenKind::GameOver, [this] { EXPECT_GT(game.run.ending.pendingRank, 0); }},
        {"the name typed and confirmed", ScreenKind::GameOver,
         [&] { frames(3000); erase(20)(); typeWord("keys"); }, {vk::Enter}, ScreenKind::HighScores,
         [this] { EXPECT_EQ(game.scores.at(kEasy, 1).name, "KEYS"); }},
        {"a group named: Groups pressed, the first name typed, Esc", ScreenKind::HighScores,
         [&] { for (int code : {vk::Tab, vk::Tab, vk::Enter}) press(code); erase(20)(); typeWord("crew"); },
         {vk::Escape}, ScreenKind::MainMenu, [this] { EXPECT_EQ(game.settings.groups[0], "CREW"); }},
        {"the free game", ScreenKind::MainMenu, nullptr, {vk::Tab, vk::Tab, vk::Enter}, ScreenKind::FreeGameSetup,
         nullptr},
        {"a box ticked with Space, the start level slid, Start pressed", ScreenKind::FreeGameSetup,
         [this] { EXPECT_TRUE(game.settings.freeGameKeys[0][0]) << "ticked on a fresh installation"; },
         {vk::Tab, vk::Space, vk::Tab, vk::Tab, vk::Tab, vk::Tab, vk::Tab, vk::Tab, vk::Tab, vk::Tab, vk::Tab,
          vk::Tab, vk::Right, vk::Right, vk::Tab, vk::Tab, vk::Tab, vk::Tab, vk::Enter},
         ScreenKind::Play,
         [this] {
             EXPECT_TRUE(game.run.freeGame);
             EXPECT_FALSE(game.settings.freeGameKeys[0][0]);
             EXPECT_EQ(game.settings.startLevel, 3);
         }},
        {"Esc twice ends the free game", ScreenKind::Play, nullptr, {vk::Escape, vk::Escape}, ScreenKind::GameOver,
         nullptr},
        {"Esc leaves the game-over screen", ScreenKind::GameOver, nullptr, {vk::Escape}, ScreenKind::MainMenu,
         nullptr},
        {"the help's keys page and the manual", ScreenKind::MainMenu, nullptr,
         {vk::Tab, vk::Tab, vk::Tab, vk::Tab, vk::Enter}, ScreenKind::Help, nullptr},
        {"Right to the keys page's button, Enter, Right to Manual, Enter, Esc", ScreenKind::Help, nullptr,
         {vk::Right, vk::Right, vk::Right, vk::Enter, vk::Right, vk::Enter, vk::Escape}, ScreenKind::MainMenu,
         [this] {
             EXPECT_EQ(game.screen.helpPage, 2);
             EXPECT_EQ(fake.shell.opened.size(), 1u);
         }},
        {"the credits", ScreenKind::MainMenu, nullptr, {vk::Left, vk::Left, vk::Enter}, ScreenKind::Credits, nullptr},
        {"a donation page opened, Esc", ScreenKind::Credits, nullptr, {vk::Right, vk::Enter, vk::Escape},
         ScreenKind::MainMenu, [this] { EXPECT_EQ(fake.shell.opened.size(), 2u); }},
        {"Left walks back to Settings", ScreenKind::MainMenu, nullptr, {vk::Left, vk::Left, vk::Left, vk::Enter},
         ScreenKind::Settings, nullptr},
        {"the name typed, the difficulty and both volumes changed, the F3 question turned off", ScreenKind::Settings,
         [&] { press(vk::Tab); erase(20)(); typeWord("zed"); },
         {vk::Enter, vk::Right, vk::Right, vk::Tab, vk::Left, vk::Left, vk::Down, vk::Right, vk::Tab, vk::Space,
          vk::Escape},
         ScreenKind::MainMenu,
         [this] {
             EXPECT_EQ(game.settings.defaultName, "ZED");
             EXPECT_EQ(game.settings.difficulty, kHard);
             EXPECT_EQ(game.settings.musicVolume, 5);
             EXPECT_EQ(game.settings.soundVolume, 8);
             EXPECT_FALSE(game.settings.queryF3);
             Settings saved;
             Random random;
             LoadSettings(saved, false, random);
             EXPECT_EQ(saved.defaultName, "ZED") << "leaving Settings saved them";
         }},
    };
    // clang-format on
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_EQ(screen(), step.on);
        if (step.before) step.before();
        for (int code : step.keys) press(code);
        frames(32);
        ASSERT_EQ(screen(), step.after);
        if (step.check) step.check();
    }
}

}  // namespace
}  // namespace glyphora
