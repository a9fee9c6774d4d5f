#pragma once
// The 37 keys a falling item can carry: A-Z, 0-9 and the space bar. Each has
// its key code (the virtual-key code, equal to the upper-case ASCII
// character), its glyph cell on the glyph sheet, its group and its weight in
// the random choice of a new item's letter.
#include <array>

#include "game/engine/sheet_regions.h"

namespace glyphora {

enum LetterGroup { kLettersAndSpace = 0, kDigits = 1, kGroupCount = 2 };

struct LetterEntry {
    int key;
    int column, row;  // glyph cell
    int group;
    int weight;
};

inline constexpr int kLetterCount = 37;
inline constexpr int kSpaceKey = 0x20;

constexpr std::array<LetterEntry, kLetterCount> MakeLetterTable() {
    std::array<LetterEntry, kLetterCount> table{};
    for (int i = 0; i < 26; ++i) table[i] = {'A' + i, i % 7, i / 7, kLettersAndSpace, 5};
    for (int i = 26; i < 36; ++i) table[i] = {'0' + (i - 26), i % 7, i / 7, kDigits, 3};
    table[36] = {kSpaceKey, 6, 5, kLettersAndSpace, 4};
    return table;
}

inline constexpr std::array<LetterEntry, kLetterCount> LetterTable = MakeLetterTable();

// The glyph sheet lays its cells out the same way.
static_assert([] {
    for (int i = 0; i < regions::kGlyphCount; ++i)
        if (LetterTable[i].column != regions::kGlyphCells[i].u || LetterTable[i].row != regions::kGlyphCells[i].v)
            return false;
    return true;
}());

// Index of the entry with this key code, or -1.
constexpr int FindLetter(int key) {
    if (key >= 'A' && key <= 'Z') return key - 'A';
    if (key >= '0' && key <= '9') return 26 + (key - '0');
    if (key == kSpaceKey) return 36;
    return -1;
}

}  // namespace glyphora
