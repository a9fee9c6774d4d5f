// The cheat codes as the player types them: key-downs and their characters
// through the window procedure of a started game, and the rules' reports
// (sounds, music) read where the shell takes them from.
#include "game/gameplay/cheat_codes.h"

#include <cctype>
#include <filesystem>
#include <functional>

#include "game/gameplay/end_of_run.h"
#include "game/gameplay/run_rules.h"
#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

class CheatCodes : public testing::StartedGame {
protected:
    void SetUp() override {
        StartedGame::SetUp();
        startRun(kMedium);
        game.field.items.clear();
        game.run.spawnChance = 0;
    }
    // Each character as the keyboard sends it: its key-down, then the
    // character itself.
    void press(std::string_view text) {
        for (char c : text) {
            key(std::toupper(static_cast<unsigned char>(c)));
            type(std::string_view(&c, 1));
        }
    }
    void unlock() { press("unlock tricks"); }
    std::string message() const { return std::string(game.run.message.view()); }
    // The rules' answer to one more typed character, as the shell gets it.
    PlayEvents character(char c) {
        PlayModel play = PlayModelOf(game);
        PlayEvents events;
        CheatCharacter(play, c, screen() == ScreenKind::Play, GameTime(game), events);
        return events;
    }
    PlayEvents keyDown(int code) {
        PlayModel play = PlayModelOf(game);
        PlayEvents events;
        FeedCheatMatchers(play, code, screen() == ScreenKind::Play, GameTime(game), events);
        return events;
    }
};

struct CodeCase {
    const char* code;
    const char* message;
    bool marksRun;
    std::function<bool(const Game&)> effect;  // true once the code has acted
};

const CodeCase kCodes[] = {
    {"qxzvk", "QXZVK", true, [](const Game& g) { return g.cheats.invulnerable; }},
    {"qxwrm", "QXWRM", true, [](const Game& g) { return g.run.lives == g.run.maxLives && g.run.tntCharges == 3; }},
    {"qxpt", "QXPT", true, [](const Game& g) { return g.run.lives == g.run.maxLives && g.run.tntCharges == 3; }},
    {"qxjnb", "Track #?", false, [](const Game& g) { return g.cheats.trackChoiceArmed; }},
    {"qxhgly", "Level ??", true, [](const Game& g) { return g.cheats.levelChoiceState == 1; }},
    {"qxhgoz", "QXHGOZ", true, [](const Game& g) { return g.field.width == kWideFieldWidth; }},
    {"qxstewaf", "LIGHT!", false, [](const Game& g) { return g.run.message.view() == "LIGHT!"; }},
};

TEST_F(CheatCodes, UnlockedOnThePlayScreenEachCodeActsShowsItsMessageAndMarksTheRunAsItSays) {
    unlock();
    for (const CodeCase& c : kCodes) {
        SCOPED_TRACE(c.code);
        startRun(kMedium);
        game.field.width = kNormalFieldWidth;
        game.run.lives = 1;
        press(c.code);
        EXPECT_TRUE(c.effect(game));
        EXPECT_EQ(message(), c.message);
        EXPECT_EQ(game.run.message.hold, 1000);
        EXPECT_EQ(game.run.message.fade, 500);
        EXPECT_EQ(game.store.cheated(), c.marksRun);
        game.cheats.trackChoiceArmed = false;
        game.cheats.levelChoiceState = 0;
    }
}

TEST_F(CheatCodes, LockedOrOffThePlayScreenACodeIsConsumedWithoutEffect) {
    const struct {
        const char* name;
        bool unlocked;
        ScreenKind screen;
    } situations[] = {
        {"locked, on the play screen", false, ScreenKind::Play},
        {"unlocked, on the main menu", true, ScreenKind::MainMenu},
    };
    for (const auto& s : situations) {
        SCOPED_TRACE(s.name);
        game.cheats.enabled = s.unlocked;
        for (const CodeCase& c : kCodes) {
            SCOPED_TRACE(c.code);
            startRun(kMedium);
            game.run.lives = 1;
            if (s.screen != ScreenKind::Play) SwitchScreen(game, s.screen);
            const std::string_view code = c.code;
            for (std::size_t i = 0; i < code.size(); ++i) {
                PlayModel play = PlayModelOf(game);
                PlayEvents events;
                const CheatAcceptance accepted =
                    FeedCheatMatchers(play, std::toupper(static_cast<unsigned char>(code[i])),
                                      s.screen == ScreenKind::Play, GameTime(game), events);
                EXPECT_TRUE(accepted.any()) << "key " << i << " is consumed";
                type(code.substr(i, 1));
            }
            EXPECT_FALSE(c.effect(game));
            EXPECT_FALSE(game.store.cheated());
            EXPECT_FALSE(game.run.message.shown());
            EXPECT_EQ(game.field.width, kNormalFieldWidth);
        }
    }
}

TEST_F(CheatCodes, UnlockTricksWorksOnAnyScreenAndCallsForItsSound) {
    SwitchScreen(game, ScreenKind::Credits);
    press("unlock trick");
    EXPECT_FALSE(game.cheats.enabled);
    EXPECT_TRUE(keyDown('S').cheatsUnlocked);
    EXPECT_TRUE(game.cheats.enabled);
    EXPECT_FALSE(keyDown('S').cheatsUnlocked);

    SwitchScreen(game, ScreenKind::MainMenu);
    game.cheats.enabled = false;
    press("UNLOCK TRICKS");
    EXPECT_TRUE(game.cheats.enabled) << "typed in capitals too";
    startRun(kMedium);
    press("qxzvk");
    EXPECT_TRUE(game.cheats.invulnerable) << "the unlock lasts";
}

TEST_F(CheatCodes, ARepeatedCharacterBreaksTheCodeAndIsNotTakenAsANewStart) {
    unlock();
    const struct {
        const char* typed;
        bool invulnerable;
    } cases[] = {
        {"qxzvk", true},    {"qxqxzvk", false},  {"qqxzvk", false},
        {"qxzvzvk", false}, {"qxzkqxzvk", true},  // the key after the breaking one starts afresh
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        startRun(kMedium);
        BuildCheatMatchers(game.cheats);  // no progress left from the case before
        press(c.typed);
        EXPECT_EQ(game.cheats.invulnerable, c.invulnerable);
    }
}

TEST_F(CheatCodes, KeyCodesOfTheLowerCaseLettersCountAsLetters) {
    unlock();
    // F1 is the key code of "p"; the keypad's 1 and 6 those of "a" and "f",
    // while the keypad's 0 is that of "`".
    const struct {
        std::initializer_list<int> keys;
        const char* message;
    } cases[] = {
        {{'Q', 'X', vk::F1, 'T'}, "QXPT"},
        {{'Q', 'X', 'S', 'T', 'E', 'W', vk::Numpad0 + 1, vk::Numpad0 + 6}, "LIGHT!"},
        {{'Q', 'X', 'S', 'T', 'E', 'W', vk::Numpad0, vk::Numpad0 + 6}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        game.run.message.clear();
        keys(c.keys);
        EXPECT_EQ(message(), c.message);
    }
}

TEST_F(CheatCodes, AcceptedKeysAreNoMistakesAndEachAcceptingCodeLowersThePanic) {
    const struct {
        std::string_view before;
        int key;
        float panicChange;
    } cases[] = {
        {"", 'Q', -700},    // seven codes begin with Q
        {"q", 'X', -700},   // and go on with X
        {"qx", 'Z', -100},  // one of them with Z
        {"", 'Z', +100},    // a mistake: no code begins with Z
        {"unlock", ' ', -100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " then " + char(c.key));
        startRun(kMedium);
        game.field.items.clear();
        std::string_view word = "WORD";  // no key of the cases
        std::copy(word.begin(), word.end(), game.field.word.text.begin());
        game.field.word.length = 4;
        BuildCheatMatchers(game.cheats);
        press(c.before);
        game.run.panic = 0;
        key(c.key);
        EXPECT_FLOAT_EQ(game.run.panic, c.panicChange);
    }
}

TEST_F(CheatCodes, TheLevelChoiceTakesTwoDigitsAndReopensTheTrackAtTheSubLevelsPart) {
    const struct {
        const char* digits;
        int fromLevel;
        int level;  // 0: the run stays where it was
        int musicMs;
        const char* message;
    } cases[] = {
        {"07", 1, 7, 20000, "Level 07"},
        {"23", 2, 23, 40000, "Level 23"},
        {"06", 5, 6, 0, "Level 06"},  // from a stage's last sub-level: no stage is completed on the way
        {"99", 1, 99, 60000, "Level 99"},
        {"00", 3, 0, 0, "Level 0?"},  // names no level: the choice ends and nothing moves
    };
    unlock();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        startRun(kMedium);
        PlayModel play = PlayModelOf(game);
        JumpToLevel(play, c.fromLevel, GameTime(game));
        const std::string track(game.run.musicFile.data());
        FallingItem falling;
        falling.speed = ItemSpeed(game.run);  // as fast as the level makes new items
        game.field.items.assign(1, falling);
        press("qxhgly");
        press(std::string_view(c.digits, 1));
        EXPECT_EQ(message(), std::string("Level ") + c.digits[0] + "?");
        fake.clock.advance(300);
        const PlayEvents events = character(c.digits[1]);
        EXPECT_EQ(game.cheats.levelChoiceState, 0);
        EXPECT_EQ(message(), c.message);
        EXPECT_TRUE(game.store.cheated());
        if (c.level == 0) {
            EXPECT_EQ(LevelNumber(game.run), c.fromLevel);
            EXPECT_FALSE(events.musicStopped || events.musicReopened);
            continue;
        }
        EXPECT_EQ(LevelNumber(game.run), c.level);
        EXPECT_FLOAT_EQ(game.field.items[0].speed, ItemSpeed(game.run)) << "falling items keep pace";
        EXPECT_EQ(game.run.message.start, GameTime(game));
        EXPECT_EQ(game.run.stage, (c.level - 1) / 5);
        EXPECT_EQ(game.run.levelStart, GameTime(game)) << "the sub-level's 20 s start now";
        EXPECT_TRUE(events.musicStopped && events.musicReopened);
        EXPECT_EQ(events.track, 0) << "the same track, reopened";
        EXPECT_EQ(game.run.musicFile.data(), track);
        EXPECT_EQ(events.musicStartMs, c.musicMs);
        EXPECT_FALSE(events.musicVolumeApplied);
    }
}

TEST_F(CheatCodes, ANonDigitEndsTheLevelChoiceSilently) {
    unlock();
    press("qxhgly4");
    press("k7");
    EXPECT_EQ(game.cheats.levelChoiceState, 0);
    EXPECT_EQ(LevelNumber(game.run), 1);
    EXPECT_EQ(message(), "Level 4?");
}

// The level choice marks its run when armed; the run ending before the
// digits came must not leave the next, unmarked, run to take them.
TEST_F(CheatCodes, AChoiceLeftArmedWhenTheRunEndsIsNotTakenByTheNext) {
    unlock();
    press("qxhgly");
    keys({vk::Escape, vk::Escape});
    ASSERT_EQ(screen(), ScreenKind::GameOver);
    clickButton(PlayAgainButton);
    ASSERT_EQ(screen(), ScreenKind::Play);
    press("07");
    EXPECT_EQ(LevelNumber(game.run), 1);
    EXPECT_FALSE(game.store.cheated());
}

TEST_F(CheatCodes, TheTrackChoiceWaitsForADigitFromOneToSevenAndKeepsThePosition) {
    unlock();
    EnterSubLevel(game, 2);
    fake.clock.advance(5250);
    press("qxjnb");
    EXPECT_TRUE(game.cheats.trackChoiceArmed) << "the B's own character was skipped";
    for (char ignored : {'8', '0', 'x'}) {
        EXPECT_FALSE(character(ignored).musicStopped);
        EXPECT_TRUE(game.cheats.trackChoiceArmed);
    }
    const PlayEvents events = character('3');
    EXPECT_FALSE(game.cheats.trackChoiceArmed);
    EXPECT_TRUE(events.musicStopped);
    EXPECT_EQ(events.track, 3);
    EXPECT_STREQ(game.run.musicFile.data(), "Music/Track3.ogg");
    EXPECT_EQ(events.musicStartMs, 2 * 20000 + 5250);
    EXPECT_TRUE(events.musicVolumeApplied);
    EXPECT_EQ(message(), "Track #3");
    EXPECT_FALSE(game.store.cheated()) << "the music is no cheat";
}

TEST_F(CheatCodes, LeavingThePlayScreenDisarmsTheTrackChoice) {
    unlock();
    press("qxjnb");
    keys({vk::Escape, vk::Escape});  // the run ends
    ASSERT_EQ(screen(), ScreenKind::GameOver);
    EXPECT_FALSE(character('3').musicStopped);
    EXPECT_FALSE(game.cheats.trackChoiceArmed);
}

TEST_F(CheatCodes, AMarkedRunEndsOnCheaterWithoutANameAndNeverReachesTheScoreFile) {
    unlock();
    press("qxzvk");
    press("qxzvk");  // invulnerability off again: the mark stays
    EXPECT_FALSE(game.cheats.invulnerable);
    game.store.setRunScore(100000);
    keys({vk::Escape, vk::Escape});
    ASSERT_EQ(screen(), ScreenKind::GameOver);
    EXPECT_FALSE(NameToEnter(game.run));
    frames(1000);
    EXPECT_FALSE(game.widgets.nameEntryField.active);
    ConfirmName(game);  // what OK would do
    EXPECT_EQ(screen(), ScreenKind::GameOver);
    EXPECT_EQ(game.store.score(kMedium, 1), 0);
    EXPECT_FALSE(std::filesystem::exists("Data/Scores.txt"));
    clickButton(PlayAgainButton);
    ASSERT_EQ(screen(), ScreenKind::Play);
    EXPECT_FALSE(game.store.cheated()) << "a new run starts unmarked";
}

TEST_F(CheatCodes, InvulnerabilityDrawsTheYellowBorderAndSavesTheLives) {
    unlock();
    press("qxzvk");
    FallingItem item;
    item.baseQuad = item.displayQuad = MakeQuad(100, kFallOutY - kItemSize + 1, kItemSize, kItemSize);
    item.speed = 100;
    item.lastUpdate = GameTime(game);
    game.field.items.push_back(item);
    const int lives = game.run.lives;
    fake.window.device->calls.clear();
    frames(100);
    EXPECT_TRUE(game.field.items.empty());
    EXPECT_EQ(game.run.lives, lives);
    bool border = false;
    for (const platform::DrawCall& call : fake.window.device->calls)
        border = border || (call.kind == platform::DrawCall::Kind::Fill && call.colour == 0xFFDCDC00);
    EXPECT_TRUE(border);
}

}  // namespace
}  // namespace glyphora
