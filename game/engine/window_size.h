#pragma once
// The game's fixed window: every screen is laid out in these client pixels.

namespace glyphora {

inline constexpr int kWindowWidth = 700;
inline constexpr int kWindowHeight = 450;

}  // namespace glyphora
