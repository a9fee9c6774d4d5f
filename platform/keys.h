#pragma once
// Windows virtual-key codes, the key numbers that KeyDown messages carry.
// Letters and digits are their upper-case ASCII codes ('A' .. 'Z', '0' .. '9').

namespace glyphora::vk {

inline constexpr int Backspace = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Enter = 0x0D;
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Digit0 = 0x30;
inline constexpr int LetterA = 0x41;
inline constexpr int Numpad0 = 0x60;  // Numpad0 .. Numpad9 are 0x60 .. 0x69
inline constexpr int F1 = 0x70;       // F1 .. F12 are 0x70 .. 0x7B
inline constexpr int F3 = 0x72;
inline constexpr int F4 = 0x73;
inline constexpr int F5 = 0x74;
inline constexpr int F6 = 0x75;
inline constexpr int F7 = 0x76;
inline constexpr int F8 = 0x77;
inline constexpr int F11 = 0x7A;
inline constexpr int F12 = 0x7B;

}  // namespace glyphora::vk
