#include "tools/artgen/hud_palette.h"

#include <algorithm>
#include <cmath>

namespace glyphora::artgen {
namespace {

constexpr std::uint32_t kPalette[5][9] = {
    // background, panel, message, fade, word, typed, score, letter value, level
    {0xFFFFFF, 0xC5C7B8, 0xFFFFFF, 0xA0A28E, 0x5F604B, 0xFFFFFF, 0x5F5F60, 0xA0A28E, 0x434341},
    {0xFFD027, 0xEDB20F, 0xFFFFFF, 0xB68B09, 0x816361, 0xFFFFFF, 0x816307, 0xB68B09, 0x8D6E06},
    {0xF78E1D, 0xD06F18, 0x000000, 0x914C03, 0x653600, 0xFFFFFF, 0x653600, 0x914C03, 0x733D03},
    {0xAC0000, 0x8F0000, 0xFF9900, 0x560000, 0xC14949, 0xFFFFFF, 0xC14949, 0x560000, 0x610101},
    {0x000000, 0x505050, 0xFF0000, 0x333333, 0x999999, 0xFFFFFF, 0x999999, 0x333333, 0x8C8C8C},
};

constexpr std::uint32_t kBonusFill[5] = {0xF7B500, 0xF78E1D, 0xFFD027, 0xFF9900, 0xFF3B30};
constexpr std::uint32_t kHearts[5] = {0xE0483E, 0xC8261B, 0xA8140E, 0xFF8A7A, 0xFF3B30};

}  // namespace

SubLevelTones SubLevelPalette(int s) {
    const auto* p = kPalette[s];
    return {Hex(p[0]), Hex(p[1]), Hex(p[2]), Hex(p[3]), Hex(p[4]), Hex(p[5]), Hex(p[6]), Hex(p[7]), Hex(p[8])};
}

Rgb PanelEdge(int s) { return Darker(SubLevelPalette(s).panel, 0.28); }
Rgb PanelInset(int s) { return Darker(SubLevelPalette(s).panel, 0.12); }

// Between a dark untyped and a light typed colour, the slot's luminance gives
// the untyped letters (the ones still to type) 1.2 times the contrast of the
// typed ones, which the game also shadows there. When both colours are
// light, the slot is dark.
Rgb WordSlot(int s) {
    const SubLevelTones t = SubLevelPalette(s);
    const double typed = Luminance(t.typed) + 0.05, untyped = Luminance(t.word) + 0.05;
    if (untyped > 0.25) return Darker(t.panel, 0.6);
    return WithLuminance(t.panel, std::sqrt(1.2 * typed * untyped) - 0.05);
}

Rgb MessageWell(int s) {
    const SubLevelTones t = SubLevelPalette(s);
    const bool lightMessage = Contrast(t.message, Hex(0x000000)) > Contrast(t.message, Hex(0xFFFFFF));
    return lightMessage ? Darker(t.panel, s == 4 ? 0.55 : 0.38) : Lighter(t.panel, 0.4);
}

// A plate of the panel's hue with at least 3.5:1 against the level colour,
// lighter or darker, whichever the level colour allows.
Rgb LevelPlate(int s) {
    const SubLevelTones t = SubLevelPalette(s);
    const double level = Luminance(t.level) + 0.05;
    const double lighter = std::max(Luminance(t.panel) + 0.08, 3.5 * level - 0.05);
    if (lighter < 0.8) return WithLuminance(t.panel, lighter);
    return WithLuminance(t.panel, std::max(0.0, level / 3.5 - 0.05));
}

Rgb BonusFill(int s) { return Hex(kBonusFill[s]); }
Rgb HeartColour(int s) { return Hex(kHearts[s]); }

}  // namespace glyphora::artgen
