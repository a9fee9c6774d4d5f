#include "server/sqlite_storage.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "server/schema.h"

namespace glyphora::server {
namespace {

constexpr int kBusyTimeoutMs = 5000;

struct StatementCloser {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

// One use of a prepared statement: parameters bound in order, and the
// statement reset for its next use when done.
class Use {
public:
    explicit Use(const Statement& statement) : statement_(statement.get()) {}
    ~Use() {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

    Use& bind(std::int64_t value) {
        sqlite3_bind_int64(statement_, ++index_, value);
        return *this;
    }
    Use& bind(const std::string& text) {
        sqlite3_bind_text(statement_, ++index_, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
        return *this;
    }
    Use& bindEntry(const Entry& e) {
        return bind(e.regcode)
            .bind(e.name)
            .bind(e.difficulty)
            .bind(e.score)
            .bind(e.level)
            .bind(e.letters)
            .bind(e.words)
            .bind(e.bars)
            .bind(e.panics);
    }
    int step() { return sqlite3_step(statement_); }
    std::int64_t integer(int column) { return sqlite3_column_int64(statement_, column); }
    std::string text(int column) {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))) : "";
    }

private:
    sqlite3_stmt* statement_;
    int index_ = 0;
};

}  // namespace

class SqliteConnection {
public:
    // writer: creates the file and the tables; otherwise the connection
    // only reads.
    static std::unique_ptr<SqliteConnection> Open(const std::string& path, bool writer, std::string& error);

    bool exec(const char* sql) {
        char* message = nullptr;
        const bool done = sqlite3_exec(db_.get(), sql, nullptr, nullptr, &message) == SQLITE_OK;
        if (!done) report(message ? message : "unknown error");
        sqlite3_free(message);
        return done;
    }
    void report(const char* what) { std::fprintf(stderr, "glyphora-scores: sqlite: %s\n", what); }
    void reportLast() { report(sqlite3_errmsg(db_.get())); }

    Statement insertEntry, findEntry, insertMembership, updateBest, table, count;

private:
    bool prepare(Statement& statement, const char* sql) {
        sqlite3_stmt* raw = nullptr;
        const std::string text = schema::InDialect(sql, schema::kSqlite);
        const bool prepared =
            sqlite3_prepare_v3(db_.get(), text.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &raw, nullptr) == SQLITE_OK;
        statement.reset(raw);
        return prepared;
    }
    bool setUp(bool writer);

    std::unique_ptr<sqlite3, DatabaseCloser> db_;
};

std::unique_ptr<SqliteConnection> SqliteConnection::Open(const std::string& path, bool writer, std::string& error) {
    auto connection = std::make_unique<SqliteConnection>();
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    const int opened = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    connection->db_.reset(db);
    if (opened != SQLITE_OK || !connection->setUp(writer)) {
        error = "cannot use " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
        return nullptr;
    }
    return connection;
}

// WAL with synchronous=NORMAL: a commit survives the end of the process at
// once and a power cut from the next checkpoint on, and costs no fsync.
//
// Pages are read through a memory map and the writer keeps a larger cache:
// both spare the system calls that dominate small reads and writes.
bool SqliteConnection::setUp(bool writer) {
    sqlite3_busy_timeout(db_.get(), kBusyTimeoutMs);
    if (!exec("PRAGMA mmap_size=1073741824")) return false;
    if (writer) {
        if (!exec("PRAGMA journal_mode=WAL") || !exec("PRAGMA synchronous=NORMAL") || !exec("PRAGMA cache_size=-65536"))
            return false;
        for (const char* table : schema::kTables)
            if (!exec(schema::InDialect(table, schema::kSqlite).c_str())) return false;
        return prepare(insertEntry, schema::kInsertEntry) && prepare(findEntry, schema::kFindEntry) &&
               prepare(insertMembership, schema::kInsertMembership) && prepare(updateBest, schema::kUpdateBest);
    }
    return exec("PRAGMA query_only=1") && prepare(table, schema::kTable) && prepare(count, schema::kCount);
}

namespace {

// The entry's id and whether it is new; nothing on failure.
std::optional<std::pair<std::int64_t, bool>> InsertEntry(SqliteConnection& c, const Entry& entry) {
    {
        Use insert(c.insertEntry);
        const int step = insert.bindEntry(entry).bind(static_cast<std::int64_t>(std::time(nullptr))).step();
        if (step == SQLITE_ROW) return std::make_pair(insert.integer(0), true);
        if (step != SQLITE_DONE) return std::nullopt;
    }
    Use find(c.findEntry);
    if (find.bindEntry(entry).step() != SQLITE_ROW) return std::nullopt;
    return std::make_pair(find.integer(0), false);
}

bool UpdateBest(SqliteConnection& c, const std::string& group, const Entry& e, std::int64_t id) {
    Use update(c.updateBest);
    return update.bind(group).bind(e.difficulty).bind(e.regcode).bind(e.name).bind(id).bind(e.score).step() ==
           SQLITE_DONE;
}

// Whether the membership is new; nothing on failure.
std::optional<bool> InsertMembership(SqliteConnection& c, const std::string& group, std::int64_t id) {
    Use insert(c.insertMembership);
    const int step = insert.bind(group).bind(id).step();
    if (step == SQLITE_ROW) return true;
    if (step == SQLITE_DONE) return false;
    return std::nullopt;
}

std::optional<StoreResult> StoreInTransaction(SqliteConnection& c, const Entry& entry, const std::string& group) {
    const auto inserted = InsertEntry(c, entry);
    if (!inserted) return std::nullopt;
    const auto [id, newEntry] = *inserted;
    if (newEntry && !UpdateBest(c, "", entry, id)) return std::nullopt;
    bool newMembership = false;
    if (!group.empty()) {
        const std::optional<bool> membership = InsertMembership(c, group, id);
        if (!membership || (*membership && !UpdateBest(c, group, entry, id))) return std::nullopt;
        newMembership = *membership;
    }
    return newEntry || newMembership ? StoreResult::kStored : StoreResult::kAlreadyStored;
}

}  // namespace

std::unique_ptr<SqliteStorage> SqliteStorage::Open(const std::string& path, int readers, std::string& error) {
    std::unique_ptr<SqliteStorage> storage(new SqliteStorage());
    storage->writer_ = SqliteConnection::Open(path, true, error);
    if (!storage->writer_) return nullptr;
    for (int i = 0; i < std::max(readers, 1); ++i) {
        auto reader = SqliteConnection::Open(path, false, error);
        if (!reader) return nullptr;
        storage->readers_.add(std::move(reader));
    }
    return storage;
}

constexpr std::size_t kMaxBatch = 256;

SqliteStorage::SqliteStorage()
    : commits_([this](const std::vector<GroupCommit::Write*>& writes) { storeBatch(writes); }, kMaxBatch) {}

SqliteStorage::~SqliteStorage() = default;

StoreResult SqliteStorage::store(const Entry& entry, const std::string& group) { return commits_.store(entry, group); }

// One transaction for the batch; when any write of it fails the whole batch
// is rolled back and every write of it reports the failure.
void SqliteStorage::storeBatch(const std::vector<GroupCommit::Write*>& writes) {
    SqliteConnection& c = *writer_;
    if (!c.exec("BEGIN IMMEDIATE")) return;
    for (GroupCommit::Write* write : writes) {
        const std::optional<StoreResult> result = StoreInTransaction(c, write->entry, write->group);
        if (!result) {
            c.reportLast();
            c.exec("ROLLBACK");
            for (GroupCommit::Write* failed : writes) failed->result = StoreResult::kFailed;
            return;
        }
        write->result = *result;
    }
    if (c.exec("COMMIT")) return;
    c.exec("ROLLBACK");
    for (GroupCommit::Write* failed : writes) failed->result = StoreResult::kFailed;
}

std::optional<std::vector<TableRow>> SqliteStorage::table(int difficulty, const std::string& group, int limit) {
    auto reader = readers_.take();
    Use select(reader->table);
    select.bind(group).bind(difficulty).bind(limit);
    std::vector<TableRow> rows;
    int step = SQLITE_ROW;
    while ((step = select.step()) == SQLITE_ROW) {
        rows.push_back({select.text(0), select.text(1), static_cast<std::int32_t>(select.integer(2)),
                        static_cast<std::int32_t>(select.integer(3)), static_cast<std::int32_t>(select.integer(4))});
    }
    if (step != SQLITE_DONE) {
        reader->reportLast();
        return std::nullopt;
    }
    return rows;
}

std::optional<std::int64_t> SqliteStorage::countEntries() {
    auto reader = readers_.take();
    Use count(reader->count);
    if (count.step() != SQLITE_ROW) return std::nullopt;
    return count.integer(0);
}

bool SqliteStorage::healthy() {
    auto reader = readers_.take();
    return reader->exec("SELECT 1 FROM entries LIMIT 1");
}

}  // namespace glyphora::server
