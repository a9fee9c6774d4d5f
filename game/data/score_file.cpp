#include "game/data/score_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "common/data_file.h"
#include "common/swap_file_bytes.h"
#include "game/data/data_paths.h"

namespace glyphora {

namespace {

constexpr std::size_t kStoredNameBytes = 20;
constexpr std::size_t kNameBlock = 2 * kStoredNameBytes;

std::int32_t IntAt(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return static_cast<std::int32_t>(value);
}

void ParseRecord(const std::string& record, ScoreEntry& entry, std::int32_t& score) {
    entry.name.clear();
    for (std::size_t k = 0; k < kStoredNameBytes && record[2 * k] != '\0'; ++k) entry.name += record[2 * k];
    score = IntAt(record, kNameBlock);
    entry.level = IntAt(record, kNameBlock + 4);
    entry.letters = IntAt(record, kNameBlock + 8);
    entry.words = IntAt(record, kNameBlock + 12);
    entry.bars = IntAt(record, kNameBlock + 16);
    entry.panics = IntAt(record, kNameBlock + 20);
}

// Name bytes interleaved with filler letters, then the six numbers as 32-bit
// little-endian integers.
void AppendRecord(std::string& plain, const ScoreEntry& entry, std::int32_t score, Random& random) {
    for (std::size_t k = 0; k < kStoredNameBytes; ++k) {
        plain += k < entry.name.size() ? entry.name[k] : '\0';
        plain += static_cast<char>(random.below(25) + 65);
    }
    for (std::int32_t value : {score, entry.level, entry.letters, entry.words, entry.bars, entry.panics}) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) plain += static_cast<char>(bits >> (8 * i) & 0xFF);
    }
}

}  // namespace

void ParseStoredScores(std::string_view stored, ScoreTable& table, ScoreStore& store) {
    std::string plain(stored.substr(0, kScoreFileSize));
    SwapBytePairs(plain);
    for (int d = 0; d < ScoreStore::kDifficulties; ++d) {
        for (int rank = 1; rank <= ScoreStore::kRanks; ++rank) {
            std::size_t offset = (d * ScoreStore::kRanks + rank - 1) * kScoreRecordSize;
            ScoreEntry entry;
            std::int32_t score = 0;
            if (offset + kScoreRecordSize <= plain.size()) {
                ParseRecord(plain.substr(offset, kScoreRecordSize), entry, score);
            }
            table.at(d, rank) = std::move(entry);
            store.setScore(d, rank, score);
        }
    }
}

void LoadScores(ScoreTable& table, ScoreStore& store, const std::string& path) {
    char stored[kScoreFileSize + 1];
    DataFile file;
    std::size_t length = file.open(path, "rb") ? file.readBytes(stored, kScoreFileSize) : 0;
    ParseStoredScores(std::string_view(stored, length), table, store);
}

std::string StoredScores(const ScoreTable& table, const ScoreStore& store, Random& random) {
    std::string bytes;
    bytes.reserve(kScoreFileSize);
    for (int d = 0; d < ScoreStore::kDifficulties; ++d) {
        for (int rank = 1; rank <= ScoreStore::kRanks; ++rank)
            AppendRecord(bytes, table.at(d, rank), store.score(d, rank), random);
    }
    SwapBytePairs(bytes);
    return bytes;
}

bool SaveScores(const ScoreTable& table, const ScoreStore& store, Random& random, const std::string& path) {
    DataFile file;
    if (!file.openReplacing(path, "wb")) return false;
    file.writeString(StoredScores(table, store, random));
    return file.commit();
}

}  // namespace glyphora
