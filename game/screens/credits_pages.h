#pragma once
// The six pages of the credits, built and laid out once while resources load
// and freed at exit. Every page has the same form: an empty first line, a
// heading in two parts (the second waits for the first), a subheading that
// types out beside the heading, two to four centred entries fading in one
// after the other, and a closing line whose three-second fade of a blank is
// the pause before the next page.
#include <array>
#include <string_view>

#include "game/engine/credit_lines.h"

namespace glyphora {

struct Game;

inline constexpr int kMaxCreditEntries = 4;

// The words of one page.
struct CreditPageText {
    std::string_view headingFirst;
    std::string_view headingSecond;
    std::string_view subheading;
    std::array<std::string_view, kMaxCreditEntries> entries;
};

// The pace of one page, all in ms.
struct CreditPageTiming {
    int headingMsPerChar;  // the heading's first part
    int headingDelay;      // the second part waits this long after the first finished
    int entryCount;
    int firstEntryDelay;  // after the subheading finished
    int firstEntryFade;
    int otherEntryFade;
};

// Line offsets and paces that every page shares.
inline constexpr int kCreditHeadingX = 180;
inline constexpr int kCreditHeadingY = 80;
inline constexpr int kCreditHeadingSecondMsPerChar = 50;
inline constexpr int kCreditSubheadingMsPerChar = 90;
inline constexpr int kCreditSubheadingRaise = 5;  // the subheading's top above the heading's bottom
inline constexpr int kCreditFirstEntryGap = 35;
inline constexpr int kCreditEntryGap = 15;
inline constexpr int kCreditClosingFade = 3000;

extern const std::array<CreditPageText, kCreditPageCount> kCreditTexts;
extern const std::array<CreditPageTiming, kCreditPageCount> kCreditTimings;

// Makes the six pages with a font for each line, then lays each out.
void BuildCreditPages(Game& game);
// Every line of every page back to its start, so the next visit plays the
// pages afresh from the first.
void ResetCreditPages(Game& game);
void FreeCreditPages(Game& game);

}  // namespace glyphora
