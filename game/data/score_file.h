#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "common/random.h"
#include "game/data/data_paths.h"
#include "game/data/score_store.h"
#include "game/data/score_table.h"

namespace glyphora {

// "Data/Scores.txt" in its plain form: 15 records of 64 bytes, difficulty 0
// ranks 1 to 5, then difficulty 1, then 2. A record: 40 bytes of name
// interleaved with filler (byte 2k is name byte k, byte 2k + 1 a random
// letter A-Y), then score, level, letters, words, bars and panics as 32-bit
// little-endian integers. On disk the file is stored byte-pair swapped.
inline constexpr std::size_t kScoreRecordSize = 64;
inline constexpr std::size_t kScoreFileSize = 15 * kScoreRecordSize;

// Fills the table and the store's table scores from the stored (swapped)
// bytes. Only the first kScoreFileSize bytes count; a record that is not
// complete reads as an empty place (empty name, zero score and counters).
// A name ends at its first NUL or after 20 bytes.
void ParseStoredScores(std::string_view stored, ScoreTable& table, ScoreStore& store);

// Reads the score file (normally "Data/Scores.txt"). The file itself is never changed: the bytes are
// brought into plain form in memory, so an interrupted load cannot leave the
// file in the wrong form. A missing file gives an empty table.
void LoadScores(ScoreTable& table, ScoreStore& store, const std::string& path = paths::kScores);

// The stored (swapped) bytes of the table, with fresh filler letters.
std::string StoredScores(const ScoreTable& table, const ScoreStore& store, Random& random);

// Replaces the score file with the stored bytes in one step, so that a save
// cut short leaves the previous file whole. False when it cannot be written.
bool SaveScores(const ScoreTable& table, const ScoreStore& store, Random& random,
                const std::string& path = paths::kScores);

}  // namespace glyphora
