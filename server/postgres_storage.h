#pragma once
// The entries in a PostgreSQL database, which several server processes may
// share. Every statement is safe against the same entry arriving at two
// processes at once (inserts that do nothing on conflict, upserts of the best
// entries). A connection that breaks is opened again by its next use.
#include <memory>
#include <string>

#include "server/pool.h"
#include "server/storage.h"

namespace glyphora::server {

class PostgresConnection;

class PostgresStorage final : public ScoreStorage {
public:
    // Connects with a libpq connection string ("host=... dbname=...", or a
    // postgresql:// address) and creates the tables when missing. Nullptr,
    // with the reason in error, when the database cannot be reached.
    static std::unique_ptr<PostgresStorage> Open(const std::string& connection, int connections, std::string& error);
    ~PostgresStorage() override;

    StoreResult store(const Entry& entry, const std::string& group) override;
    std::optional<std::vector<TableRow>> table(int difficulty, const std::string& group, int limit) override;
    std::optional<std::int64_t> countEntries() override;
    bool healthy() override;

private:
    PostgresStorage() = default;
    Pool<PostgresConnection> connections_;
};

}  // namespace glyphora::server
