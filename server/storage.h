#pragma once
// Where the score server keeps its entries: one interface, an embedded
// SQLite file for one machine and PostgreSQL for several server processes
// sharing one database. Every operation may be called from many threads at
// once; none throws: failures come back as results.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "server/submission.h"

namespace glyphora::server {

enum class StoreResult {
    kStored,         // something new: the entry, or its membership of the group
    kAlreadyStored,  // the entry and the membership were there already
    kFailed,         // the storage could not be reached or refused; nothing changed
};

// One line of a table: a player's best entry. A player is a name on one
// installation.
struct TableRow {
    std::string name;
    std::string regcode;
    std::int32_t score = 0;
    std::int32_t level = 0;
    std::int32_t words = 0;
};

class ScoreStorage {
public:
    virtual ~ScoreStorage() = default;
    // Stores the entry unless the very same entry of the same installation
    // is there already, and its membership of group (when not empty) unless
    // that is there already. Each player's best entry per difficulty (per
    // group as well) is kept up to date in the same transaction; of equal
    // scores the one stored first stays best.
    virtual StoreResult store(const Entry& entry, const std::string& group) = 0;
    // The best entries of the players of a difficulty, best first (of equal
    // scores the one stored first), at most limit. With a group, only the
    // players' entries sent for that group count. Nothing on failure.
    virtual std::optional<std::vector<TableRow>> table(int difficulty, const std::string& group, int limit) = 0;
    // How many distinct entries are stored; nothing on failure.
    virtual std::optional<std::int64_t> countEntries() = 0;
    // Whether the storage answers at all.
    virtual bool healthy() = 0;
};

}  // namespace glyphora::server
