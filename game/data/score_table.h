#pragma once
#include <cstdint>
#include <string>

#include "game/data/score_store.h"

namespace glyphora {

// One place of a local high-score table; its score lives in the ScoreStore.
// An empty name marks an empty place.
struct ScoreEntry {
    static constexpr std::size_t kMaxName = 23;  // the name field holds 24 bytes with its NUL
    std::string name;
    std::int32_t level = 0;
    std::int32_t letters = 0;
    std::int32_t words = 0;
    std::int32_t bars = 0;
    std::int32_t panics = 0;
};

// Five places (rank 1 first) for each of the three difficulties.
struct ScoreTable {
    ScoreEntry entries[ScoreStore::kDifficulties][ScoreStore::kRanks];
    ScoreEntry& at(int difficulty, int rank) { return entries[difficulty][rank - 1]; }
    const ScoreEntry& at(int difficulty, int rank) const { return entries[difficulty][rank - 1]; }
};

// What a finished run hands to the table.
struct FinishedRun {
    std::int32_t score = 0;
    std::int32_t level = 0;
    std::int32_t letters = 0;
    std::int32_t words = 0;
    std::int32_t bars = 0;
    std::int32_t panics = 0;
};

inline constexpr const char* kAnonymousName = "-- anonymous --";

// The place 1..5 that a finished run with this score earns in the table of
// the difficulty, or 0 for none: a free game, a run with the cheated mark and
// a score not above the fifth entry's earn none. A new score ties in below
// every equal older one.
int RankFor(const ScoreStore& store, int difficulty, std::int32_t score, bool freeGame);

enum class InsertResult {
    kNameFilled,  // the name was empty: it now reads kAnonymousName and the
                  // player confirms once more; the table is unchanged
    kStored,      // the entry is in the table; the caller saves the settings,
                  // shows the high scores of this difficulty and saves the table
    kRejected,    // difficulty or rank out of range; nothing changed
};

// Moves the entries from rank down one place (the fifth is dropped) and
// stores the run with name at rank. name longer than the field is cut.
InsertResult InsertEntry(ScoreTable& table, ScoreStore& store, int difficulty, int rank, std::string& name,
                         const FinishedRun& run);

}  // namespace glyphora
