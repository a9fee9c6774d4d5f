#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace glyphora {

// Exchanges the two bytes of every byte pair of the file at path, in place:
// the swapped copy is written to path + "X" and then moved over path in one
// step. A single last byte stays as it is. A file that cannot be opened, or a
// copy that cannot be written, leaves everything untouched; false then. Only
// the tools that make stored files use it: the game reads them with
// ReadStoredFile and never rewrites what it ships.
bool SwapFileBytes(const std::string& path);

// The same exchange on bytes in memory; a single last byte stays.
void SwapBytePairs(std::span<char> bytes);

// The whole file at path in its plain form, for files that lie on disk byte
// pair swapped (the stored pictures, sounds and word list): read, then
// swapped back in memory. Nothing when the file cannot be read; the file is
// never changed, so the game folder may be read-only.
std::optional<std::string> ReadStoredFile(const std::string& path);

// The whole file at path as it lies on disk; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace glyphora
