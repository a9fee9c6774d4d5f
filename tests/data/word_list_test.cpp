#include "game/data/word_list.h"

#include <gtest/gtest.h>

#include "data_folder.h"

namespace glyphora {
namespace {

using testing::WriteBytes;

class WordListTest : public testing::DataFolderTest {};

// The words joined by ",", then "/" and the average frequency.
std::string Summary(const WordList& list) {
    std::string text;
    for (const WordEntry& entry : list.entries) {
        text += (text.empty() ? "" : ",") + entry.word + ":" + std::to_string(entry.frequency);
    }
    return text + "/" + std::to_string(list.averageFrequency) + "#" + std::to_string(list.count);
}

TEST_F(WordListTest, ReadsWordsFrequenciesAndTheirIntegerMean) {
    struct Case {
        std::string file;
        const char* summary;
    } cases[] = {
        {"3\nHOUSE 10\nTREE 20\nRIVER 30\n", "HOUSE:10,TREE:20,RIVER:30/20#3"},
        {"2\r\nA 1\r\nB 2\r\n", "A:1,B:2/1#2"},
        {"1\nHOUSE 10 \n", "HOUSE:10/10#1"},
        {"2\nTREE 5", "TREE:5/5#1"},  // fewer lines than counted, no final line end
        {"1\nABCDEFGHIJKLMNOPQRSTUVWXYZ 7\n", "ABCDEFGHIJKLMNOPQRS:7/7#1"},
        {"3\nNOTNUM x\nNEG -4\nR2D2 9\n", "NOTNUM:0,NEG:0,R2D2:9/3#3"},
        {"4\nlower 1\nWITH-DASH 1\n 1\nOK 4\n", "OK:4/4#1"},
        {"3\nA 2000000000\nB 2000000000\nC 2000000000\n", "A:2000000000,B:2000000000,C:2000000000/2000000000#3"},
        {"2147483647\nONE 1\n", "ONE:1/1#1"},
        {"-3\nONE 1\n", "/0#0"},
        {"", "/0#0"},
        {std::string("2\nA\0B 1\nC 2\n", 12), "C:2/2#1"},
    };
    for (const Case& c : cases) {
        WriteBytes("Data/WordList.txt", c.file);
        EXPECT_EQ(Summary(LoadWordList("Data/WordList.txt")), c.summary) << "file: " << c.file;
    }
}

TEST_F(WordListTest, MissingFileGivesAnEmptyList) {
    WordList list = LoadWordList("Data/none.txt");
    EXPECT_EQ(list.count, 0);
    EXPECT_TRUE(list.entries.empty());
}

// The list the game ships: every word typable and 3 to 13 letters long, and
// thousands of words for each difficulty's length range.
TEST(ShippedWordListTest, CoversEveryDifficulty) {
    WordList list = LoadWordList(GLYPHORA_TEST_DATA "/../../../assets/wordlist.txt");
    ASSERT_GT(list.count, 5000);
    int fits[3] = {};
    for (const WordEntry& entry : list.entries) {
        const std::size_t length = entry.word.size();
        ASSERT_TRUE(length >= 3 && length <= 13) << entry.word;
        ASSERT_EQ(entry.word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << entry.word;
        fits[0] += length <= 8;
        fits[1] += length >= 5 && length <= 10;
        fits[2] += length >= 6;
    }
    for (int fit : fits) EXPECT_GT(fit, 2000);
    EXPECT_GT(list.averageFrequency, 0);
}

}  // namespace
}  // namespace glyphora
