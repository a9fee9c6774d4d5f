#include "game/data/score_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "game/data/score_store.h"

namespace glyphora {
namespace {

// Medium's table holds 500, 400, 300, 200, 100 under the names A to E.
struct MediumTable {
    MediumTable() {
        for (int rank = 1; rank <= 5; ++rank) {
            table.at(1, rank).name = std::string(1, static_cast<char>('A' + rank - 1));
            table.at(1, rank).level = rank;
            store.setScore(1, rank, 600 - 100 * rank);
        }
    }
    std::string Names() const {
        std::string names;
        for (int rank = 1; rank <= 5; ++rank)
            names += table.at(1, rank).name + ":" + std::to_string(store.score(1, rank)) + " ";
        return names;
    }
    ScoreTable table;
    ScoreStore store;
};

class ScoreTableTest : public ::testing::Test, protected MediumTable {};

TEST_F(ScoreTableTest, RankForTiesInBelowEqualScores) {
    struct Case {
        int score;
        int rank;
    } cases[] = {{100, 0}, {99, 0}, {101, 5}, {300, 4}, {301, 3}, {500, 2}, {501, 1}};
    for (const Case& c : cases) EXPECT_EQ(RankFor(store, 1, c.score, false), c.rank) << c.score;
    EXPECT_EQ(RankFor(store, 1, 1000, true), 0);  // free game
    EXPECT_EQ(RankFor(store, 0, 1, false), 1);    // an empty table takes any positive score
    EXPECT_EQ(RankFor(store, 3, 1000, false), 0);
    store.setCheated(true);
    EXPECT_EQ(RankFor(store, 1, 1000, false), 0);
}

TEST_F(ScoreTableTest, AnInsertMovesTheEntriesBelowItDownAndDropsTheFifth) {
    struct Case {
        int rank, score;
        const char* names;
    } cases[] = {
        {1, 900, "Neo:900 A:500 B:400 C:300 D:200 "},
        {3, 350, "A:500 B:400 Neo:350 C:300 D:200 "},
        {5, 150, "A:500 B:400 C:300 D:200 Neo:150 "},
    };
    for (const Case& c : cases) {
        MediumTable fresh;
        std::string name = "Neo";
        const FinishedRun run{c.score, 12, 300, 20, 2, 1};
        EXPECT_EQ(InsertEntry(fresh.table, fresh.store, 1, c.rank, name, run), InsertResult::kStored);
        EXPECT_EQ(fresh.Names(), c.names);
        const ScoreEntry& entry = fresh.table.at(1, c.rank);
        EXPECT_EQ(entry.level, 12);
        EXPECT_EQ(entry.letters, 300);
        EXPECT_EQ(entry.panics, 1);
        if (c.rank < 5) {
            EXPECT_EQ(fresh.table.at(1, c.rank + 1).level, c.rank) << "the entry moved down keeps its counters";
        }
    }
}

TEST_F(ScoreTableTest, EmptyNameBecomesAnonymousFirstAndIsStoredOnTheSecondConfirmation) {
    std::string name;
    EXPECT_EQ(InsertEntry(table, store, 1, 2, name, {450, 3, 0, 0, 0, 0}), InsertResult::kNameFilled);
    EXPECT_EQ(name, "-- anonymous --");
    EXPECT_EQ(Names(), "A:500 B:400 C:300 D:200 E:100 ");
    EXPECT_EQ(InsertEntry(table, store, 1, 2, name, {450, 3, 0, 0, 0, 0}), InsertResult::kStored);
    EXPECT_EQ(Names(), "A:500 -- anonymous --:450 B:400 C:300 D:200 ");
    EXPECT_EQ(InsertEntry(table, store, 1, 6, name, {}), InsertResult::kRejected);
}

// The store must hand back every value written, across refreshes, without
// the value ever standing in its memory as it is.
TEST(ScoreStoreTest, ReturnsTheLastValueWrittenAndNeverHoldsItPlain) {
    ScoreStore store(42);
    constexpr std::int32_t kScore = 123456789;
    store.setRunScore(kScore);
    store.setScore(2, 5, -7);
    store.setLetterValue(35);
    store.setLevelMultiplier(1.75f);
    store.setCheated(true);
    for (int frame = 0; frame < 1000; ++frame) {
        store.refresh();
        unsigned char memory[sizeof store];
        std::memcpy(memory, &store, sizeof store);
        for (std::size_t i = 0; i + 4 <= sizeof memory; ++i) {
            std::int32_t word;
            std::memcpy(&word, memory + i, 4);
            ASSERT_NE(word, kScore) << "frame " << frame;
        }
    }
    EXPECT_EQ(store.runScore(), kScore);
    EXPECT_EQ(store.score(2, 5), -7);
    EXPECT_EQ(store.score(0, 1), 0);
    EXPECT_EQ(store.letterValue(), 35);
    EXPECT_EQ(store.levelMultiplier(), 1.75f);
    EXPECT_TRUE(store.cheated());
}

}  // namespace
}  // namespace glyphora
