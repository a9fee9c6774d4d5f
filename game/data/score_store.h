#pragma once
#include <array>
#include <cstdint>

namespace glyphora {

// The tamper-resistant store of the values a player would like to edit in
// memory: the 15 scores of the local tables, the score of the run in
// progress, the current letter value, the level multiplier and the cheated
// mark.
//
// No value is ever held as it is: each cell holds the value XOR a mask drawn
// from a key and the cell's place, and refresh() (called once per frame by
// the main loop) draws a new key and re-encodes every cell. A memory scanner
// looking for a known score, or for a cell that changes when the score
// changes, so finds nothing that lasts a frame. Reading returns, for each
// value, the last value written. A refresh costs a few dozen integer
// operations; nothing allocates.
//
// The store keeps its own generator for the keys, so it never draws from the
// game's random source, whose sequence the game's rules depend on.
class ScoreStore {
public:
    static constexpr int kDifficulties = 3;
    static constexpr int kRanks = 5;

    // seed only varies the keys; every value starts as 0 (false, 0.0f).
    explicit ScoreStore(std::uint32_t seed = 0);

    // rank 1 is the best place. Places outside 0..2 x 1..5 read as 0 and
    // ignore writes.
    std::int32_t score(int difficulty, int rank) const;
    void setScore(int difficulty, int rank, std::int32_t value);

    std::int32_t runScore() const { return static_cast<std::int32_t>(read(kRunScore)); }
    void setRunScore(std::int32_t value) { write(kRunScore, static_cast<std::uint32_t>(value)); }
    std::int32_t letterValue() const { return static_cast<std::int32_t>(read(kLetterValue)); }
    void setLetterValue(std::int32_t value) { write(kLetterValue, static_cast<std::uint32_t>(value)); }
    float levelMultiplier() const;
    void setLevelMultiplier(float value);
    bool cheated() const { return read(kCheated) != 0; }
    void setCheated(bool value) { write(kCheated, value ? 1u : 0u); }

    // Re-keys every cell; the values read stay the same.
    void refresh();

private:
    enum Cell { kRunScore = kDifficulties * kRanks, kLetterValue, kLevelMultiplier, kCheated, kCellCount };

    std::uint32_t read(int cell) const { return cells_[cell] ^ Mask(key_, cell); }
    void write(int cell, std::uint32_t value) { cells_[cell] = value ^ Mask(key_, cell); }
    static std::uint32_t Mask(std::uint32_t key, int cell);

    std::array<std::uint32_t, kCellCount> cells_;
    std::uint32_t key_;
    std::uint32_t generation_ = 0;
};

}  // namespace glyphora
