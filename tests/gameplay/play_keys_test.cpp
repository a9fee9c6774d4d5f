#include "game/gameplay/play_keys.h"
#include "game/shell/run_control.h"

#include "game/gameplay/update_play.h"
#include "platform/keys.h"
#include "play_fixture.h"

namespace glyphora {
namespace {

using testing::PlayFixture;

class PlayKeys : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        offerWord("WORD");
    }
    void press(int key) { HandlePlayKey(game, key); }
    void type(std::string_view keys) {
        for (char key : keys) press(key);
    }
    bool mistakeCounted(int key) {
        const float before = game.run.panic;
        press(key);
        return game.run.panic > before;
    }
};

TEST_F(PlayKeys, TheKeyCatchesTheLowestItemUnlessALaterOneIsTnt) {
    struct Case {
        const char* name;
        float firstY, secondY;
        bool secondTnt;
        int caught;  // index of the item caught
    };
    const Case cases[] = {
        {"the lower one, created first", 200, 100, false, 0},
        {"the lower one, created later", 100, 200, false, 1},
        {"a later TNT item, even higher", 200, 100, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.field.items.clear();
        addItem('E', c.firstY);
        addItem('E', c.secondY, 200, c.secondTnt);
        press('E');
        EXPECT_TRUE(game.field.items[c.caught].beingCaught());
        EXPECT_FALSE(game.field.items[1 - c.caught].beingCaught());
    }
}

TEST_F(PlayKeys, ACaughtLetterScoresItsValueAndAnItemBeingCaughtIsNotCaughtAgain) {
    addItem('E', 100);
    const int value = game.store.letterValue();
    press('E');
    EXPECT_EQ(game.store.runScore(), value);
    EXPECT_EQ(game.run.lettersCaught, 1);
    EXPECT_TRUE(mistakeCounted('E'));
    EXPECT_EQ(game.store.runScore(), value);
    EXPECT_EQ(game.run.lettersCaught, 1);
}

TEST_F(PlayKeys, ALetterThatJustLeftTheFieldIsNoMistakeForAMoment) {
    struct Case {
        std::uint32_t pressedAfterMs;
        bool mistake;
    };
    for (const Case c : {Case{300, false}, Case{400, true}}) {
        SCOPED_TRACE(c.pressedAfterMs);
        game.field.items.clear();
        game.cheats.invulnerable = true;
        addItem('Q', kFallOutY - kItemSize + 0.5f);
        advance(100);
        UpdatePlay(game);
        ASSERT_TRUE(game.field.items.empty()) << "the Q left the field";
        advance(c.pressedAfterMs);
        game.run.panic = 0;
        EXPECT_EQ(mistakeCounted('Q'), c.mistake);
    }
}

TEST_F(PlayKeys, ProgressIsTheLongestTailOfTheTypedKeysThatStartsTheWord) {
    struct Case {
        const char* typed;
        const char* word;
        int progress;
    };
    const Case cases[] = {
        {"ABA", "ABAB", 3},  {"ABAA", "ABAB", 1}, {"XYZ", "ABAB", 0}, {"ABAB", "ABAB", 4},
        {"QQAB", "ABAB", 2}, {"", "ABAB", 0},     {"AB", "A", 0},     {"BA", "A", 1},
    };
    for (const Case& c : cases) {
        TypedHistory history;
        for (const char* key = c.typed; *key; ++key) history.append(*key);
        EXPECT_EQ(WordProgress(history, c.word), c.progress) << c.typed << " towards " << c.word;
    }
}

TEST_F(PlayKeys, TheHistoryKeepsTheNewestKeysForTheLongestWord) {
    TypedHistory history;
    const std::string word = "ABCDEFGHIJKLMNOPQRS";  // 19 characters
    for (char key : "XXXXXXXXXX" + word) {
        if (key != '\0') history.append(key);
    }
    EXPECT_EQ(WordProgress(history, word), 19);
}

TEST_F(PlayKeys, CompletingTheWordCreditsItAndOffersAnother) {
    game.run.lives = 2;
    offerWord("ABAB", 60);
    type("ABAA");
    EXPECT_EQ(game.field.progress, 1);
    type("BAB");
    EXPECT_EQ(game.run.wordsCompleted, 1);
    EXPECT_EQ(game.run.lives, 3);
    EXPECT_EQ(game.store.runScore(), 60);
    EXPECT_FLOAT_EQ(game.run.bonusBar, 60);
    EXPECT_NE(game.field.word.view(), "ABAB");
    EXPECT_EQ(game.field.progress, 0);
    EXPECT_EQ(game.field.history.count, 0);
}

TEST_F(PlayKeys, TypingAnotherReplacesTheWordButAnInterruptedOneIsAMistake) {
    offerWord("ZZZZZ");
    type("ANOTHER");
    EXPECT_NE(game.field.word.view(), "ZZZZZ");

    offerWord("ZZZZZ");
    type("ANOTHE");
    game.run.panic = 0;
    EXPECT_TRUE(mistakeCounted('X'));
    EXPECT_EQ(game.field.word.view(), "ZZZZZ");
    EXPECT_EQ(game.field.anotherProgress, 0);
    EXPECT_EQ(game.run.panic, 100);
}

TEST_F(PlayKeys, KeypadDigitsCatchDigitsAndOtherKeysAreIgnored) {
    addItem('7', 100);
    press(vk::Numpad0 + 7);
    EXPECT_TRUE(game.field.items[0].beingCaught());
    for (int key : {vk::F5, vk::Left, vk::Tab, 0x5B, 0x2F}) EXPECT_FALSE(mistakeCounted(key)) << key;
}

TEST_F(PlayKeys, NothingHappensOffThePlayScreenOrWhilePaused) {
    addItem('E', 100);
    SetPaused(game, true, PauseReason::Key);
    press('E');
    SetPaused(game, false);
    game.screen.current = ScreenKind::MainMenu;
    press('E');
    EXPECT_FALSE(game.field.items[0].beingCaught());
    EXPECT_EQ(game.run.panic, 0);
}

TEST_F(PlayKeys, APanicLocksThePlayKeysForFourSecondsEvenAcrossTheWrapOfTheTick) {
    for (const std::uint32_t panicTick : {1000u, 0xFFFFFFFFu - 1000}) {
        SCOPED_TRACE(panicTick);
        fake.clock.set(panicTick);
        game.field.items.clear();
        addItem('E', 100);
        game.run.panic = 700;
        press('X');
        EXPECT_EQ(game.run.panic, 300);
        EXPECT_EQ(game.run.message.view(), "Don't Panic!");
        EXPECT_EQ(game.run.message.hold + game.run.message.fade, 4000);
        advance(3999);
        press('E');
        EXPECT_FALSE(game.field.items[0].beingCaught());
        advance(1);
        press('E');
        EXPECT_TRUE(game.field.items[0].beingCaught());
    }
    EXPECT_EQ(game.run.panics, 2);
}

TEST_F(PlayKeys, ANewRunStartsWithThePlayKeysUnlocked) {
    game.run.panic = 700;
    press('X');
    ASSERT_TRUE(game.run.panicLocked);
    NewGame(game);
    addItem('E', 100);
    press('E');
    EXPECT_TRUE(game.field.items.back().beingCaught());
}

}  // namespace
}  // namespace glyphora
