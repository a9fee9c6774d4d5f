// The same tests on both storage back ends: SQLite in a scratch file and
// PostgreSQL in a throw-away cluster (skipped where it is not installed).
#include <gtest/gtest.h>

#include <thread>

#include "postgres_cluster.h"
#include "server/postgres_storage.h"
#include "server/sqlite_storage.h"
#include "support/scratch_dir.h"

namespace glyphora::server {
namespace {

enum class Backend { kSqlite, kPostgres };

class StorageTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        std::string error;
        if (GetParam() == Backend::kSqlite) {
            storage_ = SqliteStorage::Open(folder_.file("scores.sqlite"), 4, error);
        } else {
            testing::PostgresCluster& cluster = testing::PostgresCluster::Shared();
            if (!cluster.running()) GTEST_SKIP() << cluster.reason();
            storage_ = PostgresStorage::Open(cluster.freshDatabase(), 4, error);
        }
        ASSERT_NE(storage_, nullptr) << error;
    }

    ScoreStorage& storage() { return *storage_; }
    std::vector<TableRow> table(int difficulty, const std::string& group = "", int limit = 100) {
        auto rows = storage_->table(difficulty, group, limit);
        EXPECT_TRUE(rows.has_value());
        return rows.value_or(std::vector<TableRow>{});
    }

private:
    testing::ScratchDir folder_;
    std::unique_ptr<ScoreStorage> storage_;
};

Entry Make(const std::string& name, std::int32_t score, int difficulty = 1, const std::string& regcode = "REG1") {
    return Entry{regcode, name, difficulty, score, 3, 40, 5, 1, 0};
}

std::vector<std::string> Names(const std::vector<TableRow>& rows) {
    std::vector<std::string> names;
    for (const TableRow& row : rows) names.push_back(row.name + "@" + std::to_string(row.score));
    return names;
}

TEST_P(StorageTest, StoresEachEntryOnceWithEachOfItsGroups) {
    const Entry ada = Make("ADA", 300);
    // The six requests of one entry: no group, ALPHA, none, BETA, none, none.
    const std::pair<const char*, StoreResult> requests[] = {
        {"", StoreResult::kStored},     {"ALPHA", StoreResult::kStored},   {"", StoreResult::kAlreadyStored},
        {"BETA", StoreResult::kStored}, {"", StoreResult::kAlreadyStored}, {"ALPHA", StoreResult::kAlreadyStored},
    };
    for (const auto& [group, expected] : requests) EXPECT_EQ(storage().store(ada, group), expected) << group;
    EXPECT_EQ(storage().countEntries(), 1);
    EXPECT_EQ(Names(table(1)), std::vector<std::string>{"ADA@300"});
    EXPECT_EQ(Names(table(1, "ALPHA")), std::vector<std::string>{"ADA@300"});
    EXPECT_EQ(Names(table(1, "BETA")), std::vector<std::string>{"ADA@300"});
    EXPECT_TRUE(table(1, "GAMMA").empty());
    EXPECT_TRUE(table(0).empty());

    // A different count of letters is a different entry.
    Entry other = ada;
    other.letters = 41;
    EXPECT_EQ(storage().store(other, ""), StoreResult::kStored);
    EXPECT_EQ(storage().countEntries(), 2);
}

TEST_P(StorageTest, RanksEachPlayersBestEntryPerDifficultyAndGroup) {
    storage().store(Make("ADA", 300), "CLUB");
    storage().store(Make("ADA", 900), "");  // better, but not sent for the club
    storage().store(Make("ADA", 500), "CLUB");
    storage().store(Make("BOB", 700), "CLUB");
    storage().store(Make("ADA", 650, 1, "REG2"), "");  // another installation: another player
    storage().store(Make("CY", 700), "");              // ties with BOB, stored later
    storage().store(Make("DEE", 800, 2), "CLUB");      // another difficulty

    EXPECT_EQ(Names(table(1)), (std::vector<std::string>{"ADA@900", "BOB@700", "CY@700", "ADA@650"}));
    EXPECT_EQ(Names(table(1, "CLUB")), (std::vector<std::string>{"BOB@700", "ADA@500"}));
    EXPECT_EQ(Names(table(2, "CLUB")), std::vector<std::string>{"DEE@800"});
    EXPECT_EQ(Names(table(1, "", 2)), (std::vector<std::string>{"ADA@900", "BOB@700"}));
    const TableRow first = table(1).front();
    EXPECT_EQ(first.regcode, "REG1");
    EXPECT_EQ(first.level, 3);
    EXPECT_EQ(first.words, 5);

    // An equal score later does not take the place of the first one.
    Entry again = Make("ADA", 900);
    again.words = 9;
    storage().store(again, "");
    EXPECT_EQ(table(1).front().words, 5);
}

TEST_P(StorageTest, KeepsQuotesSqlAndMarkupAsPlainText) {
    const std::string names[] = {"O'BRIEN", "X\"); DROP TABLE ENTRIES; --", "<SCRIPT>&", "%_\\"};
    int score = 100;
    for (const std::string& name : names) storage().store(Make(name, score++), "'; DELETE FROM BEST; --");
    std::vector<std::string> stored;
    for (const TableRow& row : table(1, "'; DELETE FROM BEST; --")) stored.push_back(row.name);
    EXPECT_EQ(stored, (std::vector<std::string>{"%_\\", "<SCRIPT>&", "X\"); DROP TABLE ENTRIES; --", "O'BRIEN"}));
    EXPECT_EQ(storage().countEntries(), 4);
}

TEST_P(StorageTest, TheSameEntriesFromManyThreadsAtOnceAreStoredOnce) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([this, t] {
            for (int i = 0; i < 50; ++i) {
                // Every thread sends the same 50 entries, each for its own group too.
                EXPECT_NE(storage().store(Make("P" + std::to_string(i), 1000 + i), ""), StoreResult::kFailed);
                EXPECT_NE(storage().store(Make("P" + std::to_string(i), 1000 + i), "G" + std::to_string(t)),
                          StoreResult::kFailed);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(storage().countEntries(), 50);
    EXPECT_EQ(table(1).size(), 50u);
    for (int t = 0; t < 4; ++t) EXPECT_EQ(table(1, "G" + std::to_string(t)).size(), 50u) << t;
}

INSTANTIATE_TEST_SUITE_P(Backends, StorageTest, ::testing::Values(Backend::kSqlite, Backend::kPostgres),
                         [](const auto& info) { return info.param == Backend::kSqlite ? "Sqlite" : "Postgres"; });

TEST(SqliteStorage, AFileThatCannotBeOpenedIsReported) {
    std::string error;
    EXPECT_EQ(SqliteStorage::Open("/nonexistent-folder/scores.sqlite", 1, error), nullptr);
    EXPECT_NE(error.find("/nonexistent-folder/scores.sqlite"), std::string::npos) << error;
}

TEST(PostgresStorage, AnUnreachableDatabaseIsReported) {
    std::string error;
    EXPECT_EQ(PostgresStorage::Open("host=127.0.0.1 port=1 dbname=none connect_timeout=2", 1, error), nullptr);
    EXPECT_NE(error.find("cannot use the PostgreSQL database"), std::string::npos) << error;
}

}  // namespace
}  // namespace glyphora::server
