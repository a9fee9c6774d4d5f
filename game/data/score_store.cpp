#include "game/data/score_store.h"

#include <cstring>

namespace glyphora {

namespace {

// A cheap mixing function: every input bit changes about half of the output.
std::uint32_t Mix(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x85EBCA6Bu;
    x ^= x >> 13;
    x *= 0xC2B2AE35u;
    x ^= x >> 16;
    return x;
}

bool ValidPlace(int difficulty, int rank) {
    return difficulty >= 0 && difficulty < ScoreStore::kDifficulties && rank >= 1 && rank <= ScoreStore::kRanks;
}

int TableCell(int difficulty, int rank) { return difficulty * ScoreStore::kRanks + (rank - 1); }

}  // namespace

ScoreStore::ScoreStore(std::uint32_t seed) {
    // Where the store lives differs between runs, so the keys do too.
    key_ = Mix(seed ^ static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(this)) ^ 0x2545F491u);
    for (int cell = 0; cell < kCellCount; ++cell) write(cell, 0);
}

std::uint32_t ScoreStore::Mask(std::uint32_t key, int cell) {
    return Mix(key + static_cast<std::uint32_t>(cell) * 0x9E3779B9u);
}

std::int32_t ScoreStore::score(int difficulty, int rank) const {
    if (!ValidPlace(difficulty, rank)) return 0;
    return static_cast<std::int32_t>(read(TableCell(difficulty, rank)));
}

void ScoreStore::setScore(int difficulty, int rank, std::int32_t value) {
    if (ValidPlace(difficulty, rank)) write(TableCell(difficulty, rank), static_cast<std::uint32_t>(value));
}

float ScoreStore::levelMultiplier() const {
    std::uint32_t bits = read(kLevelMultiplier);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void ScoreStore::setLevelMultiplier(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    write(kLevelMultiplier, bits);
}

void ScoreStore::refresh() {
    std::uint32_t next = Mix(key_ ^ (++generation_ * 0x6D2B79F5u));
    for (int cell = 0; cell < kCellCount; ++cell) { cells_[cell] ^= Mask(key_, cell) ^ Mask(next, cell); }
    key_ = next;
}

}  // namespace glyphora
