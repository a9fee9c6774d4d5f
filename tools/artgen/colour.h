// Colours of the art: straight RGB in 0–1 with helpers for the one-step
// highlight and shadow tones that every picture uses.
#pragma once

#include <cstdint>

namespace glyphora::artgen {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

constexpr Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr Rgb Lighter(Rgb c, double t) { return Mix(c, {1, 1, 1}, t); }
constexpr Rgb Darker(Rgb c, double t) { return Mix(c, {0, 0, 0}, t); }

// WCAG relative luminance and contrast ratio, used to pick readable tones.
double Luminance(Rgb c);
double Contrast(Rgb a, Rgb b);

// The tone of c's hue that sits at the given luminance (by mixing with black or white).
Rgb WithLuminance(Rgb c, double luminance);

namespace tone {
inline constexpr Rgb White = Hex(0xFFFFFF);
inline constexpr Rgb Ink = Hex(0x3A3A3E);        // darkest outline and text
inline constexpr Rgb TitleGrey = Hex(0x6E6E74);  // headings
inline constexpr Rgb TextGrey = Hex(0x999999);   // the game's standard text colour
inline constexpr Rgb Paper = Hex(0xF7F7F7);
inline constexpr Rgb Band = Hex(0xECECEC);  // selection band fill
inline constexpr Rgb Footer = Hex(0xE5E5E5);
inline constexpr Rgb Rule = Hex(0xCFCFCF);
inline constexpr Rgb Yellow = Hex(0xFFD027);
inline constexpr Rgb Amber = Hex(0xEDB20F);
inline constexpr Rgb Orange = Hex(0xF78E1D);
inline constexpr Rgb Rust = Hex(0xD06F18);
inline constexpr Rgb DarkRed = Hex(0xAC0000);
inline constexpr Rgb Sage = Hex(0xC5C7B8);
inline constexpr Rgb SageDark = Hex(0xA0A28E);
inline constexpr Rgb Olive = Hex(0x5F604B);
inline constexpr Rgb HazardRed = Hex(0xE0231B);
}  // namespace tone

}  // namespace glyphora::artgen
