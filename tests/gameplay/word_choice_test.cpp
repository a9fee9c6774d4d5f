#include "game/gameplay/word_choice.h"

#include "play_fixture.h"

namespace glyphora {
namespace {

using testing::PlayFixture;

WordList ListOf(std::initializer_list<const char*> words, std::int32_t frequency = 10) {
    WordList list;
    for (const char* word : words) list.entries.push_back({word, frequency});
    list.count = static_cast<std::int32_t>(list.entries.size());
    list.averageFrequency = list.count > 0 ? frequency : 0;
    return list;
}

TEST(WordPoints, RareWordsPayMoreAndCommonOnesLess) {
    struct Case {
        int length;
        std::int32_t frequency, average;
        int points;
    };
    const Case cases[] = {
        {6, 100, 10, 30},                      // 10 times the average: 60 x 0.5
        {6, 9, 100, 90},                       // below a tenth: x 1.5
        {7, 10, 100, 84},                      // a tenth: x 1.2, exactly
        {7, 69, 100, 84},  {7, 70, 100, 70},   // 0.7 up to 1.3: x 1
        {5, 129, 100, 50}, {5, 130, 100, 40},  // from 1.3: x 0.8
        {5, 499, 100, 40}, {5, 500, 100, 25},  // from 5: x 0.5, truncated
        {8, 0, 0, 80},                         // an average of 0 counts as average
        {8, 1000, 0, 80},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WordPoints(c.length, c.frequency, c.average), c.points)
            << c.length << " letters at " << c.frequency << " of " << c.average;
}

class WordChoice : public PlayFixture {};

// Rolls for every word of the list in turn: a word outside the difficulty's
// lengths is drawn again, so the words offered are exactly the fitting ones.
TEST_F(WordChoice, AWordOutsideTheDifficultysLengthsIsDrawnAgain) {
    game.words = ListOf({"AB", "ABCD", "ABCDE", "ABCDEF", "ABCDEFGH", "ABCDEFGHI", "ABCDEFGHIJ", "ABCDEFGHIJK",
                         "ABCDEFGHIJKLM", "ABCDEFGHIJKLMN"});
    struct Case {
        int difficulty;
        std::vector<int> lengths;
    } cases[] = {{kEasy, {2, 4, 5, 6, 8}}, {kMedium, {5, 6, 8, 9, 10}}, {kHard, {6, 8, 9, 10, 11, 13}}};
    for (const Case& c : cases) {
        game.run.difficulty = c.difficulty;
        game.random.reseed(1);  // forgets rolls the last case left unused
        game.random.script({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        std::vector<int> offered;
        for (std::size_t i = 0; i < c.lengths.size(); ++i) {
            PickNextWord(play);
            offered.push_back(game.field.word.length);
        }
        EXPECT_EQ(offered, c.lengths) << kDifficulties[c.difficulty].name;
    }
}

TEST_F(WordChoice, WithoutAFittingWordTheBuiltInWordsAreOffered) {
    const WordList lists[] = {ListOf({}), ListOf({"AB", "ABC"}), ListOf({"ABCDEFGHIJKLMNOPQRS"})};
    for (const WordList& list : lists) {
        game.words = list;
        for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
            game.run.difficulty = difficulty;
            PickNextWord(play);
            EXPECT_TRUE(HasWordFor(BuiltInWords(), difficulty));
            EXPECT_GE(game.field.word.length, kDifficulties[difficulty].shortestWord);
            EXPECT_LE(game.field.word.length, kDifficulties[difficulty].longestWord);
            EXPECT_EQ(game.field.word.points, game.field.word.length * 10);
        }
    }
}

TEST_F(WordChoice, ANewWordKeepsTheTypedKeysAndStartsItsProgressAtZero) {
    game.words = ListOf({"ABCDEF"});
    game.field.progress = 3;
    game.field.history.append('A');
    PickNextWord(play);
    EXPECT_EQ(game.field.word.view(), "ABCDEF");
    EXPECT_EQ(game.field.word.points, 60);
    EXPECT_EQ(game.field.progress, 0);
    EXPECT_EQ(game.field.history.count, 1);
}

}  // namespace
}  // namespace glyphora
