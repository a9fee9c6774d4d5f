#pragma once
#include <cstddef>
#include <string>

namespace glyphora {

// Exchanges the two bytes of every byte pair of the file at path, in place:
// the swapped copy is written to path + "X" and then moved over path in one
// step. A single last byte stays as it is. A file that cannot be opened, or a
// copy that cannot be written, leaves everything untouched; false then.
bool SwapFileBytes(const std::string& path);

// The same exchange on bytes in memory: the stored form of a file read whole
// becomes its plain form, and back. An odd last byte stays as it is.
void SwapBytePairs(unsigned char* bytes, std::size_t size);

}  // namespace glyphora
