#pragma once
// The single-byte character set of the game's text: Windows code page 1252.
#include <cstdint>

namespace glyphora::platform {

// The Unicode code point of byte b in code page 1252; 0 for the five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) and for the
// control bytes (below 32, and 127).
char32_t Windows1252ToUnicode(std::uint8_t b);

}  // namespace glyphora::platform
