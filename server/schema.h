#pragma once
// The tables both back ends keep, in SQL that SQLite and PostgreSQL share.
//
// entries      every distinct entry once (the same entry of the same
//              installation sent again is not stored again)
// memberships  which groups an entry was sent for
// best         per group ('' for everyone), difficulty and player (name on
//              one installation): the player's best entry, kept up to date
//              with every store so that a table is one indexed read
//
// Parameters are written "%1", "%2" ...; InDialect turns them and the other
// placeholders into the words of one back end.
#include <string>
#include <string_view>

namespace glyphora::server::schema {

// How the back ends differ in the statements below.
struct Dialect {
    char mark;               // parameters: "?1" for SQLite, "$1" for PostgreSQL
    const char* idColumn;    // replaces "%ID%": an id that counts up
    const char* keyedTable;  // replaces "%KEYED%": a table stored in the order of its primary key
};

inline constexpr Dialect kSqlite{'?', "INTEGER PRIMARY KEY", " WITHOUT ROWID"};
inline constexpr Dialect kPostgres{'$', "BIGSERIAL PRIMARY KEY", ""};

// A statement in one back end's words.
inline std::string InDialect(std::string_view sql, const Dialect& dialect) {
    std::string out;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        if (sql.substr(i, 4) == "%ID%") {
            out += dialect.idColumn;
            i += 3;
        } else if (sql.substr(i, 7) == "%KEYED%") {
            out += dialect.keyedTable;
            i += 6;
        } else {
            out.push_back(sql[i] == '%' ? dialect.mark : sql[i]);
        }
    }
    return out;
}

inline constexpr const char* kTables[] = {
    R"(CREATE TABLE IF NOT EXISTS entries (
         id %ID%,
         regcode TEXT NOT NULL, name TEXT NOT NULL, difficulty INTEGER NOT NULL,
         score INTEGER NOT NULL, level INTEGER NOT NULL, letters INTEGER NOT NULL,
         words INTEGER NOT NULL, bars INTEGER NOT NULL, panics INTEGER NOT NULL,
         stored_at BIGINT NOT NULL,
         UNIQUE (regcode, name, difficulty, score, level, letters, words, bars, panics)))",
    R"(CREATE TABLE IF NOT EXISTS memberships (
         grp TEXT NOT NULL, entry_id BIGINT NOT NULL REFERENCES entries (id),
         PRIMARY KEY (grp, entry_id))%KEYED%)",
    R"(CREATE TABLE IF NOT EXISTS best (
         grp TEXT NOT NULL, difficulty INTEGER NOT NULL, regcode TEXT NOT NULL, name TEXT NOT NULL,
         entry_id BIGINT NOT NULL REFERENCES entries (id), score INTEGER NOT NULL,
         PRIMARY KEY (grp, difficulty, regcode, name))%KEYED%)",
    R"(CREATE INDEX IF NOT EXISTS best_ranking ON best (grp, difficulty, score DESC, entry_id))",
};

// Parameters: regcode, name, difficulty, score, level, letters, words, bars,
// panics, stored_at. Returns the new id; no row when the entry exists.
inline constexpr const char* kInsertEntry =
    "INSERT INTO entries (regcode, name, difficulty, score, level, letters, words, bars, panics, stored_at) "
    "VALUES (%1, %2, %3, %4, %5, %6, %7, %8, %9, %10) ON CONFLICT DO NOTHING RETURNING id";

// Parameters: the first nine of kInsertEntry.
inline constexpr const char* kFindEntry =
    "SELECT id FROM entries WHERE regcode = %1 AND name = %2 AND difficulty = %3 AND score = %4 AND level = %5 "
    "AND letters = %6 AND words = %7 AND bars = %8 AND panics = %9";

// Parameters: grp, entry id. Returns a row when the membership is new.
inline constexpr const char* kInsertMembership =
    "INSERT INTO memberships (grp, entry_id) VALUES (%1, %2) ON CONFLICT DO NOTHING RETURNING entry_id";

// Parameters: grp, difficulty, regcode, name, entry id, score.
inline constexpr const char* kUpdateBest =
    "INSERT INTO best (grp, difficulty, regcode, name, entry_id, score) VALUES (%1, %2, %3, %4, %5, %6) "
    "ON CONFLICT (grp, difficulty, regcode, name) DO UPDATE SET entry_id = excluded.entry_id, score = excluded.score "
    "WHERE excluded.score > best.score";

// Parameters: grp, difficulty, limit.
inline constexpr const char* kTable =
    "SELECT e.name, e.regcode, e.score, e.level, e.words FROM best b JOIN entries e ON e.id = b.entry_id "
    "WHERE b.grp = %1 AND b.difficulty = %2 ORDER BY b.score DESC, b.entry_id LIMIT %3";

inline constexpr const char* kCount = "SELECT count(*) FROM entries";

}  // namespace glyphora::server::schema
