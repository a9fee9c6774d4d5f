#include "game/data/word_list.h"

#include <gtest/gtest.h>

#include "common/swap_file_bytes.h"
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

TEST(WordListParseTest, KeepsOnlyEntriesOfTheListsOwnForm) {
    struct Case {
        std::string text;
        const char* summary;
    } cases[] = {
        {"3\nHOUSE 10\nTREE 20\nRIVER 30\n", "HOUSE:10,TREE:20,RIVER:30/20#3"},
        {"2\r\nA 1\r\nB 2\r\n", "A:1,B:2/1#2"},
        {"1\nHOUSE 10 \n", "HOUSE:10/10#1"},
        {"2\nTREE 5", "TREE:5/5#1"},  // fewer lines than counted, no final line end
        {"3\nR2D2 9\nNOTNUM x\nOK 3\n", "R2D2:9,OK:3/6#2"},
        {"3\nNEG -4\nA 1\nB 1\n", "A:1,B:1/1#2"},
        {"3\nABCDEFGHIJKLMNOPQRSTUVWXYZ 7\nA 1\nB 1\n", "A:1,B:1/1#2"},  // too long to be typed
        {"4\nlower 1\nWITH-DASH 1\nOK 4\nFINE 2\n", "OK:4,FINE:2/3#2"},
        {"3\nA 2000000000\nB 2000000000\nC 99999999999\n", "A:2000000000,B:2000000000,C:2147483647/2049161215#3"},
        {"2147483647\nONE 1\n", "ONE:1/1#1"},
        {std::string("2\nA\0B 1\nC 2\n", 12), "C:2/2#1"},
        // Not a word list: no count first, or mostly lines of another form.
        {"-3\nONE 1\n", "/0#0"},
        {"4169\r4Y\nUO2 \n", "/0#0"},
        {"", "/0#0"},
        {"3\nBAD x\nWORSE\nOK 1\n", "/0#0"},
    };
    for (const Case& c : cases) EXPECT_EQ(Summary(ParseWordList(c.text)), c.summary) << "text: " << c.text;
}

TEST_F(WordListTest, TheStoredFileIsReadInItsPlainFormAndLeftAsItIs) {
    WriteBytes("Data/WordList.txt", "2\r\nHOUSE 10\r\nTREE 20\r\n");
    SwapFileBytes("Data/WordList.txt");
    const std::string stored = testing::ReadBytes("Data/WordList.txt");
    EXPECT_EQ(Summary(LoadStoredWordList("Data/WordList.txt")), "HOUSE:10,TREE:20/15#2");
    EXPECT_EQ(testing::ReadBytes("Data/WordList.txt"), stored);
    EXPECT_EQ(Summary(LoadStoredWordList("Data/none.txt")), "/0#0");
}

std::string ShippedList() { return testing::ReadBytes(GLYPHORA_TEST_DATA "/../../../assets/wordlist.txt"); }

// The list the game ships: every word typable and 3 to 13 letters long, and
// thousands of words for each difficulty's length range.
TEST(ShippedWordListTest, CoversEveryDifficulty) {
    WordList list = ParseWordList(ShippedList());
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

// Read without being swapped back, the stored list is no word list at all:
// the play field falls back on its built-in words instead of offering junk.
TEST(ShippedWordListTest, ItsStoredFormReadAsPlainGivesNoWords) {
    std::string stored = ShippedList();
    SwapBytePairs(stored);
    EXPECT_EQ(ParseWordList(stored).count, 0);
}

}  // namespace
}  // namespace glyphora
