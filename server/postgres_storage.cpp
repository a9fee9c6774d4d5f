#include "server/postgres_storage.h"

#include <pqxx/pqxx>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "server/schema.h"

namespace glyphora::server {
namespace {

// Serialises creating the tables when several processes start at once.
constexpr long kSchemaLock = 0x67797068;

std::string Sql(const char* statement) { return schema::InDialect(statement, schema::kPostgres); }

void Report(const std::exception& failure) {
    std::fprintf(stderr, "glyphora-scores: postgresql: %s\n", failure.what());
}

}  // namespace

// One connection, opened on first use and again after it broke, with the
// statements prepared on it.
class PostgresConnection {
public:
    explicit PostgresConnection(std::string address) : address_(std::move(address)) {}

    // The open connection; throws a pqxx error when it cannot be opened.
    pqxx::connection& get() {
        if (connection_ && connection_->is_open()) return *connection_;
        connection_ = std::make_unique<pqxx::connection>(address_);
        connection_->prepare("insert_entry", Sql(schema::kInsertEntry));
        connection_->prepare("find_entry", Sql(schema::kFindEntry));
        connection_->prepare("insert_membership", Sql(schema::kInsertMembership));
        connection_->prepare("update_best", Sql(schema::kUpdateBest));
        connection_->prepare("table", Sql(schema::kTable));
        connection_->prepare("count", Sql(schema::kCount));
        return *connection_;
    }
    void drop() { connection_.reset(); }

private:
    std::string address_;
    std::unique_ptr<pqxx::connection> connection_;
};

namespace {

// Runs work on a pooled connection; a failure is reported, the connection
// dropped (the next use opens it again) and fallback returned.
template <typename Work, typename Result>
Result Attempt(Pool<PostgresConnection>& pool, Work work, Result fallback) {
    auto lease = pool.take();
    try {
        return work(lease->get());
    } catch (const std::exception& failure) {
        Report(failure);
        lease->drop();
        return fallback;
    }
}

pqxx::result InsertEntry(pqxx::work& w, const Entry& e) {
    return w.exec_prepared("insert_entry", e.regcode, e.name, e.difficulty, e.score, e.level, e.letters, e.words,
                           e.bars, e.panics, static_cast<std::int64_t>(std::time(nullptr)));
}

std::int64_t FindEntry(pqxx::work& w, const Entry& e) {
    return w
        .exec_prepared1("find_entry", e.regcode, e.name, e.difficulty, e.score, e.level, e.letters, e.words, e.bars,
                        e.panics)[0]
        .as<std::int64_t>();
}

void UpdateBest(pqxx::work& w, const std::string& group, const Entry& e, std::int64_t id) {
    w.exec_prepared("update_best", group, e.difficulty, e.regcode, e.name, id, e.score);
}

StoreResult StoreInTransaction(pqxx::work& w, const Entry& entry, const std::string& group) {
    const pqxx::result inserted = InsertEntry(w, entry);
    const bool newEntry = !inserted.empty();
    const std::int64_t id = newEntry ? inserted[0][0].as<std::int64_t>() : FindEntry(w, entry);
    if (newEntry) UpdateBest(w, "", entry, id);
    bool newMembership = false;
    if (!group.empty()) {
        newMembership = !w.exec_prepared("insert_membership", group, id).empty();
        if (newMembership) UpdateBest(w, group, entry, id);
    }
    return newEntry || newMembership ? StoreResult::kStored : StoreResult::kAlreadyStored;
}

}  // namespace

std::unique_ptr<PostgresStorage> PostgresStorage::Open(const std::string& connection, int connections,
                                                       std::string& error) {
    try {
        pqxx::connection setup(connection);
        pqxx::work w(setup);
        w.exec("SELECT pg_advisory_xact_lock(" + std::to_string(kSchemaLock) + ")");
        for (const char* table : schema::kTables) w.exec(Sql(table));
        w.commit();
    } catch (const std::exception& failure) {
        error = std::string("cannot use the PostgreSQL database: ") + failure.what();
        while (!error.empty() && (error.back() == '\n' || error.back() == ' ')) error.pop_back();
        return nullptr;
    }
    std::unique_ptr<PostgresStorage> storage(new PostgresStorage());
    for (int i = 0; i < std::max(connections, 1); ++i)
        storage->connections_.add(std::make_unique<PostgresConnection>(connection));
    return storage;
}

PostgresStorage::~PostgresStorage() = default;

StoreResult PostgresStorage::store(const Entry& entry, const std::string& group) {
    return Attempt(
        connections_,
        [&](pqxx::connection& c) {
            pqxx::work w(c);
            const StoreResult result = StoreInTransaction(w, entry, group);
            w.commit();
            return result;
        },
        StoreResult::kFailed);
}

// Reads are single statements, consistent in themselves: they run without a
// transaction around them, which would cost two more round trips each.
std::optional<std::vector<TableRow>> PostgresStorage::table(int difficulty, const std::string& group, int limit) {
    return Attempt(
        connections_,
        [&](pqxx::connection& c) -> std::optional<std::vector<TableRow>> {
            pqxx::nontransaction w(c);
            std::vector<TableRow> rows;
            for (const pqxx::row& row : w.exec_prepared("table", group, difficulty, limit)) {
                rows.push_back({row[0].as<std::string>(), row[1].as<std::string>(), row[2].as<std::int32_t>(),
                                row[3].as<std::int32_t>(), row[4].as<std::int32_t>()});
            }
            return rows;
        },
        std::optional<std::vector<TableRow>>());
}

std::optional<std::int64_t> PostgresStorage::countEntries() {
    return Attempt(
        connections_,
        [](pqxx::connection& c) -> std::optional<std::int64_t> {
            pqxx::nontransaction w(c);
            return w.exec_prepared1("count")[0].as<std::int64_t>();
        },
        std::optional<std::int64_t>());
}

bool PostgresStorage::healthy() {
    return Attempt(
        connections_,
        [](pqxx::connection& c) {
            pqxx::nontransaction w(c);
            w.exec("SELECT 1");
            return true;
        },
        false);
}

}  // namespace glyphora::server
