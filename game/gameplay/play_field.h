#pragma once
// The play field: the falling items, the word on offer with the keys typed
// towards it, and the letters that just left the field at the bottom.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "game/engine/geometry.h"

namespace glyphora {

inline constexpr int kNormalFieldWidth = 460;
inline constexpr int kWideFieldWidth = 650;  // while the field-widening cheat is on
inline constexpr float kFallOutY = 415;      // an item whose bottom passes this line leaves the field
inline constexpr float kItemSize = 65;
inline constexpr int kCatchAnimationMs = 500;

struct FallingItem {
    int shape = 0;        // backing shape 0-2
    Quad baseQuad;        // the unrotated square, moved down as it falls
    Quad displayQuad;     // baseQuad rotated (and shrunk while caught): drawn and tested
    int style = 0;        // column of the shape sheet; kTntStyle for TNT items
    float speed = 0;      // pixels per second
    float angle = 0;      // degrees
    float spinSpeed = 0;  // degrees per second
    int lastUpdate = 0;   // GameTime of the last advance
    int letter = 0;       // index into LetterTable
    int caughtTime = 0;   // GameTime at which the catch animation started
    bool spinning = false;
    bool shrinking = false;
    bool tnt = false;

    bool beingCaught() const { return spinning || shrinking; }
};

// The word on offer: at most 19 characters, upper-case letters and digits.
struct CurrentWord {
    static constexpr int kCapacity = 19;
    std::array<char, kCapacity + 1> text{};
    int length = 0;
    int points = 0;

    std::string_view view() const { return {text.data(), static_cast<std::size_t>(length)}; }
};

// The keys typed since the last completed word. Only the last entries up to
// the word's length are ever compared, so the newest 19 are kept.
struct TypedHistory {
    static constexpr int kCapacity = CurrentWord::kCapacity;
    std::array<char, kCapacity> keys{};  // oldest first
    int count = 0;

    void append(char key);
    void clear() { count = 0; }
};

// Letters that left the field at the bottom, with the system tick at which
// they left. An entry matters for kMissGraceMs; older ones are dropped.
struct RecentMisses {
    static constexpr int kCapacity = 16;
    static constexpr int kMissGraceMs = 333;
    struct Miss {
        int key;
        std::uint32_t tick;
    };
    std::array<Miss, kCapacity> entries{};
    int count = 0;

    void append(int key, std::uint32_t tick);
    // True when a letter with this key left less than kMissGraceMs before tick.
    bool justMissed(int key, std::uint32_t tick) const;
};

struct PlayField {
    PlayField() { items.reserve(kUsualItemCount); }

    static constexpr std::size_t kUsualItemCount = 64;
    std::vector<FallingItem> items;  // creation order, oldest first
    int width = kNormalFieldWidth;   // PlayFieldWidth: new items are placed across it
    int lastSpawnCheck = 0;          // GameTime of the last spawn test; kept between runs
    int lastUpdate = 0;              // GameTime of the last frame update
    CurrentWord word;
    TypedHistory history;
    RecentMisses misses;
    int progress = 0;         // leading characters of the word matched
    int anotherProgress = 0;  // characters of "ANOTHER" typed in a row
};

}  // namespace glyphora
