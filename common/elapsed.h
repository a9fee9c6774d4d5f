#pragma once
// Differences of times on the game's wrapping millisecond clock.
#include <cstdint>

namespace glyphora {

// later - earlier for two game-clock values (or two ticks), as the signed
// difference of the wrapping clock: correct across the wrap, and free of
// signed overflow.
inline int Elapsed(int later, int earlier) {
    return static_cast<int>(static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier));
}
inline int Elapsed(std::uint32_t later, std::uint32_t earlier) { return static_cast<int>(later - earlier); }

}  // namespace glyphora
