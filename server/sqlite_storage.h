#pragma once
// The entries in one SQLite file in write-ahead-log mode: readers never wait
// for the writer, and writes are serialised in this process (group commit:
// the writes that wait share the next transaction) instead of retrying on a
// busy database.
#include <memory>
#include <mutex>
#include <string>

#include "server/group_commit.h"
#include "server/pool.h"
#include "server/storage.h"

namespace glyphora::server {

class SqliteConnection;

class SqliteStorage final : public ScoreStorage {
public:
    // Opens the file, creating it and its tables when missing, with one
    // connection for writing and `readers` for reading. Nullptr, with the
    // reason in error, when it cannot be opened or set up.
    static std::unique_ptr<SqliteStorage> Open(const std::string& path, int readers, std::string& error);
    ~SqliteStorage() override;

    StoreResult store(const Entry& entry, const std::string& group) override;
    std::optional<std::vector<TableRow>> table(int difficulty, const std::string& group, int limit) override;
    std::optional<std::int64_t> countEntries() override;
    bool healthy() override;

private:
    SqliteStorage();
    void storeBatch(const std::vector<GroupCommit::Write*>& writes);

    std::unique_ptr<SqliteConnection> writer_;
    GroupCommit commits_;
    Pool<SqliteConnection> readers_;
};

}  // namespace glyphora::server
