#include "game/data/score_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/swap_file_bytes.h"
#include "data_folder.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class ScoreFileTest : public testing::DataFolderTest {
protected:
    ScoreFileTest() {
        table.at(0, 1) = {"Grace", 7, 210, 14, 1, 2};
        store.setScore(0, 1, 0x01020304);
        table.at(2, 5) = {"Twenty-char-name-xyz", 30, 4, 3, 2, 1};
        store.setScore(2, 5, -1);
    }
    ScoreTable table;
    ScoreStore store;
};

TEST_F(ScoreFileTest, StoredFileInterleavesTheNameAndSwapsEveryPair) {
    random.reseed(1);
    SaveScores(table, store, random);
    const std::string stored = ReadBytes("Data/Scores.txt");
    ASSERT_EQ(stored.size(), 960u);
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(stored[2 * k + 1], "Grace"[k]) << k;
    EXPECT_EQ(stored[11], '\0');
    // The score's bytes stand second, first, fourth, third.
    EXPECT_EQ(stored.substr(40, 4), std::string("\x03\x04\x01\x02", 4));

    ASSERT_TRUE(SwapFileBytes("Data/Scores.txt"));
    const std::string plain = ReadBytes("Data/Scores.txt");
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(plain[2 * k], "Grace"[k]);
    for (std::size_t k = 0; k < 20; ++k) {
        EXPECT_GE(plain[2 * k + 1], 'A');
        EXPECT_LE(plain[2 * k + 1], 'Y');
    }
    EXPECT_EQ(plain.substr(40, 8), std::string("\x04\x03\x02\x01\x07\x00\x00\x00", 8));
}

TEST_F(ScoreFileTest, SavingTwiceChangesOnlyTheFiller) {
    random.reseed(1);
    SaveScores(table, store, random);
    const std::string first = ReadBytes("Data/Scores.txt");
    SaveScores(table, store, random);
    const std::string second = ReadBytes("Data/Scores.txt");
    ASSERT_EQ(first.size(), second.size());
    EXPECT_NE(first, second);
    for (std::size_t i = 0; i < first.size(); ++i) {
        bool filler = i % 64 < 40 && i % 2 == 0;  // stored form: filler at even offsets
        if (!filler) { EXPECT_EQ(first[i], second[i]) << i; }
    }
}

TEST_F(ScoreFileTest, LoadReadsBackWhatWasSavedAndLeavesTheFileAlone) {
    SaveScores(table, store, random);
    const std::string stored = ReadBytes("Data/Scores.txt");
    ScoreTable read;
    ScoreStore readStore;
    LoadScores(read, readStore);
    EXPECT_EQ(ReadBytes("Data/Scores.txt"), stored);
    EXPECT_EQ(read.at(0, 1).name, "Grace");
    EXPECT_EQ(read.at(0, 1).letters, 210);
    EXPECT_EQ(read.at(0, 1).panics, 2);
    EXPECT_EQ(readStore.score(0, 1), 0x01020304);
    EXPECT_EQ(read.at(2, 5).name, "Twenty-char-name-xyz");
    EXPECT_EQ(read.at(2, 5).level, 30);
    EXPECT_EQ(readStore.score(2, 5), -1);
    EXPECT_EQ(read.at(1, 3).name, "");
}

TEST_F(ScoreFileTest, ShortOrLongFilesFillOnlyCompleteRecords) {
    SaveScores(table, store, random);
    const std::string stored = ReadBytes("Data/Scores.txt");
    for (std::size_t length : {0u, 1u, 63u, 64u, 127u, 959u}) {
        WriteBytes("Data/Scores.txt", stored.substr(0, length));
        ScoreTable read = table;
        ScoreStore readStore;
        readStore.setScore(2, 5, 99);
        LoadScores(read, readStore);
        EXPECT_EQ(read.at(0, 1).name, length >= 64 ? "Grace" : "") << length;
        EXPECT_EQ(readStore.score(0, 1), length >= 64 ? 0x01020304 : 0) << length;
        EXPECT_EQ(read.at(2, 5).name, "") << length;
        EXPECT_EQ(readStore.score(2, 5), 0) << length;
    }
    WriteBytes("Data/Scores.txt", stored + std::string(5000, 'Z'));
    ScoreTable read;
    LoadScores(read, store);
    EXPECT_EQ(read.at(2, 5).name, "Twenty-char-name-xyz");
    std::remove("Data/Scores.txt");
    LoadScores(read, store);
    EXPECT_EQ(read.at(2, 5).name, "");
}

}  // namespace
}  // namespace glyphora
