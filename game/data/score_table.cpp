#include "game/data/score_table.h"

namespace glyphora {

int RankFor(const ScoreStore& store, int difficulty, std::int32_t score, bool freeGame) {
    if (freeGame || store.cheated() || difficulty < 0 || difficulty >= ScoreStore::kDifficulties) return 0;
    if (store.score(difficulty, ScoreStore::kRanks) >= score) return 0;
    for (int rank = ScoreStore::kRanks - 1; rank >= 1; --rank) {
        if (store.score(difficulty, rank) >= score) return rank + 1;
    }
    return 1;
}

InsertResult InsertEntry(ScoreTable& table, ScoreStore& store, int difficulty, int rank, std::string& name,
                         const FinishedRun& run) {
    if (difficulty < 0 || difficulty >= ScoreStore::kDifficulties || rank < 1 || rank > ScoreStore::kRanks) {
        return InsertResult::kRejected;
    }
    if (name.empty()) {
        name = kAnonymousName;
        return InsertResult::kNameFilled;
    }
    for (int place = ScoreStore::kRanks; place > rank; --place) {
        table.at(difficulty, place) = table.at(difficulty, place - 1);
        store.setScore(difficulty, place, store.score(difficulty, place - 1));
    }
    ScoreEntry& entry = table.at(difficulty, rank);
    entry.name = name.substr(0, ScoreEntry::kMaxName);
    entry.level = run.level;
    entry.letters = run.letters;
    entry.words = run.words;
    entry.bars = run.bars;
    entry.panics = run.panics;
    store.setScore(difficulty, rank, run.score);
    return InsertResult::kStored;
}

}  // namespace glyphora
