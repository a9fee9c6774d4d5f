// Every picture region of every texture sheet, in one table shared by the game
// (which draws the regions) and by the art generator (which paints them), so a
// region can never drift between the two.
//
// A region is the frame-0 rectangle (x, y, w × h) of a picture. The game shifts
// it by whole region sizes to reach its other frames (button states, sub-level
// colour variants, animation steps); `frames` gives the span of shifts the game
// uses along each axis, inclusive, and `only` narrows that span to a list when
// the game uses just some of the frames inside it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

namespace glyphora::regions {
// Hand-laid tables: one row per line, columns aligned.
// clang-format off

enum class Sheet { Splash, Shapes, Design1, Design2, Design3 };

struct SheetInfo {
    Sheet sheet;
    const char* file;  // relative to the game's working directory
    int width, height;
    std::uint32_t colourKey;  // ARGB; texels of exactly this colour load as transparent black; 0 = none
};

inline constexpr std::uint32_t kMagentaKey = 0xFFFF00FF;

inline constexpr SheetInfo kSheets[] = {
    {Sheet::Splash, "Graphics/Splash.png", 256, 64, 0},
    {Sheet::Shapes, "Graphics/Shapes.png", 1024, 1024, kMagentaKey},
    {Sheet::Design1, "Graphics/Design1.png", 1024, 1024, kMagentaKey},
    {Sheet::Design2, "Graphics/Design2.png", 1024, 1024, kMagentaKey},
    {Sheet::Design3, "Graphics/Design3.png", 256, 256, kMagentaKey},
};

constexpr const SheetInfo& InfoOf(Sheet sheet) { return kSheets[static_cast<int>(sheet)]; }

// Frames that the game draws, in whole regions along each axis (inclusive):
// a button with three states stacked downwards is {0, 0, 0, 2}.
struct FrameSpan { int minU, maxU, minV, maxV; };
struct Frame { int u, v; };

struct Region {
    const char* name;
    Sheet sheet;
    int x, y, w, h;
    FrameSpan frames;
    std::span<const Frame> only{};  // empty: every frame of the span is used
};

struct PixelRect { int x, y, w, h; };

// Sheet pixels of frame (u, v) of a region.
constexpr PixelRect FrameRect(const Region& region, int u, int v) {
    return {region.x + u * region.w, region.y + v * region.h, region.w, region.h};
}

constexpr int FrameCount(const Region& region) {
    if (!region.only.empty()) return static_cast<int>(region.only.size());
    return (region.frames.maxU - region.frames.minU + 1) * (region.frames.maxV - region.frames.minV + 1);
}

// The i-th used frame, in row order (all u of the first v, then the next v).
constexpr Frame NthFrame(const Region& region, int i) {
    if (!region.only.empty()) return region.only[static_cast<std::size_t>(i)];
    const int columns = region.frames.maxU - region.frames.minU + 1;
    return {region.frames.minU + i % columns, region.frames.minV + i / columns};
}

inline constexpr FrameSpan kSingle{0, 0, 0, 0};
inline constexpr FrameSpan kButtonStates{0, 0, 0, 2};  // normal, hover, pressed; downwards
inline constexpr FrameSpan kSubLevelsDown{0, 0, 0, 4};
inline constexpr FrameSpan kSubLevelsRight{0, 4, 0, 0};

// ---- Splash sheet (256 × 64, no colour key) --------------------------------
inline constexpr Region SplashLogo{"SplashLogo", Sheet::Splash, 0, 0, 209, 39, kSingle};
inline constexpr Region ProgressSquare{"ProgressSquare", Sheet::Splash, 0, 39, 23, 13, kSingle};

// ---- Shapes sheet: backing shapes of the falling items --------------------
// 15 styles to the right (style 14 is TNT), 5 sub-levels downwards.
inline constexpr FrameSpan kStylesBySubLevel{0, 14, 0, 4};
inline constexpr int kTntStyle = 14;
inline constexpr Region ItemShapes1{"ItemShapes1", Sheet::Shapes, 1, 1, 65, 65, kStylesBySubLevel};
inline constexpr Region ItemShapes2{"ItemShapes2", Sheet::Shapes, 1, 326, 65, 65, kStylesBySubLevel};
inline constexpr Region ItemShapes3{"ItemShapes3", Sheet::Shapes, 1, 651, 65, 65, kStylesBySubLevel};

// ---- Design2 sheet: play screen, first-run screen, help pictures ----------
// Glyph cell of letter-table entry i is frame (i mod 7, i div 7): A–Z then 0–9.
// The space (entry 36, cell (6, 5)) has no glyph, so the rest of row 5 is free.
inline constexpr int kGlyphCount = 36;
constexpr std::array<Frame, kGlyphCount> MakeGlyphCells() {
    std::array<Frame, kGlyphCount> cells{};
    for (int i = 0; i < kGlyphCount; ++i) cells[static_cast<std::size_t>(i)] = {i % 7, i / 7};
    return cells;
}
inline constexpr std::array<Frame, kGlyphCount> kGlyphCells = MakeGlyphCells();
inline constexpr Region LetterGlyphs{"LetterGlyphs", Sheet::Design2, 1, 1, 65, 65, {0, 6, 0, 5}, kGlyphCells};
// Over ItemShapes3 (shape 2) the glyph cells are sampled 5 pixels higher, so
// the glyph lands 5 pixels lower on that shape. Not a picture of its own (it
// reads LetterGlyphs' pixels), hence not listed in kAllRegions. Glyphs keep the
// bottom 5 rows of their cells empty so both readings show the whole glyph.
inline constexpr int kGlyphDropOnShape3 = 5;
inline constexpr Region LetterGlyphsOnShape3{"LetterGlyphsOnShape3", Sheet::Design2, 1, 1 - kGlyphDropOnShape3,
                                             65, 65, {0, 6, 0, 5}, kGlyphCells};

inline constexpr Region GroundStrip{"GroundStrip", Sheet::Design2, 474, 0, 550, 50, kSubLevelsDown};
inline constexpr Region BlastAnimation{"BlastAnimation", Sheet::Design2, 459, 250, 565, 10, {0, 0, 0, 2}};
inline constexpr Frame kFreeGameBadgeFrames[] = {{0, 0}, {1, 0}, {2, 0}, {1, -1}, {2, -1}};  // by sub-level
inline constexpr Region FreeGameBadge{"FreeGameBadge", Sheet::Design2, 156, 378, 165, 37, {0, 2, -1, 0},
                                      kFreeGameBadgeFrames};
inline constexpr Region HudPanel{"HudPanel", Sheet::Design2, 0, 415, 204, 190, kSubLevelsRight};
inline constexpr Region SideStrip{"SideStrip", Sheet::Design2, 0, 605, 15, 275, kSubLevelsRight};
inline constexpr Region TntChargeIcon{"TntChargeIcon", Sheet::Design2, 75, 605, 18, 40, kSubLevelsDown};
inline constexpr Region LifeIcon{"LifeIcon", Sheet::Design2, 129, 605, 24, 23, kSubLevelsDown};
// The bonus bar is drawn as a left part of the filled picture followed by the
// matching right part of the empty one; both are 160 wide and of equal layout.
inline constexpr Region BonusBarFilled{"BonusBarFilled", Sheet::Design2, 160, 605, 160, 40, kSubLevelsDown};
inline constexpr Region BonusBarEmpty{"BonusBarEmpty", Sheet::Design2, 320, 605, 160, 40, kSubLevelsDown};
// Slider segment: filled, and the empty form one region to the right.
inline constexpr Region SliderSegment{"SliderSegment", Sheet::Design2, 130, 721, 13, 24, {0, 1, 0, 0}};
inline constexpr Region SliderGap{"SliderGap", Sheet::Design2, 156, 721, 2, 24, kSingle};
// Ends of the selection band: left, and the right one a region further.
inline constexpr Region SelectionArrows{"SelectionArrows", Sheet::Design2, 438, 805, 11, 40, {0, 1, 0, 0}};
inline constexpr Region GameOverTab{"GameOverTab", Sheet::Design2, 480, 605, 215, 52, kSingle};
inline constexpr Region GroupNumbers{"GroupNumbers", Sheet::Design2, 680, 914, 58, 22, {0, 0, 0, 4}};
// Main-menu peeking pictures 0–4; picture 5 is PeekPicture5 on Design3.
inline constexpr Frame kPeekFrames[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, -1}};
inline constexpr Region PeekPictures{"PeekPictures", Sheet::Design2, 0, 880, 170, 140, {0, 3, -1, 0}, kPeekFrames};
inline constexpr Region HelpWordPicture{"HelpWordPicture", Sheet::Design2, 695, 605, 79, 27, kSingle};
inline constexpr Region HelpBonusBarPicture{"HelpBonusBarPicture", Sheet::Design2, 732, 638, 141, 35, kSingle};
// First-run screen (drawn with vertex alpha).
inline constexpr Region IntroStopPicture{"IntroStopPicture", Sheet::Design2, 801, 830, 222, 193, kSingle};
inline constexpr Region IntroCaption{"IntroCaption", Sheet::Design2, 821, 800, 202, 30, kSingle};
inline constexpr Region IntroGreeting{"IntroGreeting", Sheet::Design2, 474, 280, 482, 32, kSingle};
inline constexpr Region IntroDecorationLarge{"IntroDecorationLarge", Sheet::Design2, 791, 674, 232, 76, kSingle};
inline constexpr Region IntroDecorationSmall{"IntroDecorationSmall", Sheet::Design2, 892, 626, 132, 48, kSingle};
inline constexpr Region NoteHeading{"NoteHeading", Sheet::Design2, 101, 805, 337, 75, kSingle};
inline constexpr Region ShowNoteButton{"ShowNoteButton", Sheet::Design2, 480, 657, 136, 28, kButtonStates};
inline constexpr Region ContinueButton{"ContinueButton", Sheet::Design2, 616, 657, 114, 28, kButtonStates};
inline constexpr Region HelpPage1Button{"HelpPage1Button", Sheet::Design2, 651, 328, 96, 29, kButtonStates};
inline constexpr Region HelpPage2Button{"HelpPage2Button", Sheet::Design2, 748, 328, 127, 29, kButtonStates};
inline constexpr Region HelpPage3Button{"HelpPage3Button", Sheet::Design2, 684, 744, 72, 29, kButtonStates};
inline constexpr Region DonateEurButton{"DonateEurButton", Sheet::Design2, 896, 313, 128, 32, kButtonStates};

// ---- Design1 sheet: menu buttons, header, previews, menu pictures ---------
inline constexpr Region PlayButton{"PlayButton", Sheet::Design1, 0, 0, 79, 29, kButtonStates};
inline constexpr Region FreeGameButton{"FreeGameButton", Sheet::Design1, 79, 0, 80, 29, kButtonStates};
inline constexpr Region HighScoresButton{"HighScoresButton", Sheet::Design1, 159, 0, 96, 29, kButtonStates};
inline constexpr Region HelpButton{"HelpButton", Sheet::Design1, 255, 0, 104, 29, kButtonStates};
inline constexpr Region SettingsButton{"SettingsButton", Sheet::Design1, 359, 0, 70, 29, kButtonStates};
inline constexpr Region CreditsButton{"CreditsButton", Sheet::Design1, 429, 0, 65, 29, kButtonStates};
inline constexpr Region QuitButton{"QuitButton", Sheet::Design1, 494, 0, 37, 29, kButtonStates};
inline constexpr Region BackButton{"BackButton", Sheet::Design1, 531, 0, 108, 29, kButtonStates};
inline constexpr Region StartFreeGameButton{"StartFreeGameButton", Sheet::Design1, 639, 0, 50, 29, kButtonStates};
inline constexpr Region OnlineScoresButton{"OnlineScoresButton", Sheet::Design1, 689, 0, 137, 29, kButtonStates};
inline constexpr Region OkButton{"OkButton", Sheet::Design1, 826, 0, 27, 29, kButtonStates};
inline constexpr Region PlayAgainButton{"PlayAgainButton", Sheet::Design1, 853, 0, 89, 29, kButtonStates};
inline constexpr Region GroupsButton{"GroupsButton", Sheet::Design1, 942, 0, 62, 29, kButtonStates};
inline constexpr Region DifficultyDownButton{"DifficultyDownButton", Sheet::Design1, 648, 943, 22, 20, kButtonStates};
inline constexpr Region DifficultyUpButton{"DifficultyUpButton", Sheet::Design1, 671, 943, 22, 20, kButtonStates};
inline constexpr Region ManualButton{"ManualButton", Sheet::Design1, 918, 844, 64, 29, kButtonStates};

// Header strip (drawn at y 30, 52 high). The long cap and the fill piece are
// one picture used in two places.
inline constexpr Region HeaderCapShort{"HeaderCapShort", Sheet::Design1, 0, 90, 44, 52, kSingle};
inline constexpr Region HeaderCapLong{"HeaderCapLong", Sheet::Design1, 0, 142, 177, 52, kSingle};
inline constexpr Region HeaderFill{"HeaderFill", Sheet::Design1, 0, 142, 177, 52, kSingle};
// Title tabs: tab row t lies at y = 90 + 52 × t.
inline constexpr Region HeaderTabMainMenu{"HeaderTabMainMenu", Sheet::Design1, 0, 194, 177, 52, kSingle};      // t 2
inline constexpr Region HeaderTabQuit{"HeaderTabQuit", Sheet::Design1, 0, 246, 82, 52, kSingle};              // t 3
inline constexpr Region HeaderTabCredits{"HeaderTabCredits", Sheet::Design1, 0, 298, 164, 52, kSingle};       // t 4
inline constexpr Region HeaderTabSettings{"HeaderTabSettings", Sheet::Design1, 0, 350, 186, 52, kSingle};     // t 5
inline constexpr Region HeaderTabFreeGame{"HeaderTabFreeGame", Sheet::Design1, 0, 402, 205, 52, kSingle};     // t 6
inline constexpr Region HeaderTabPlay{"HeaderTabPlay", Sheet::Design1, 0, 454, 200, 52, kSingle};             // t 7
inline constexpr Region HeaderTabHighScores{"HeaderTabHighScores", Sheet::Design1, 0, 506, 254, 52, kSingle}; // t 8
inline constexpr Region HeaderTabHelp{"HeaderTabHelp", Sheet::Design1, 0, 558, 287, 52, kSingle};             // t 9
inline constexpr int kFirstHeaderTabRow = 2;
inline constexpr const Region* HeaderTabs[] = {&HeaderTabMainMenu, &HeaderTabQuit,     &HeaderTabCredits,
                                               &HeaderTabSettings, &HeaderTabFreeGame, &HeaderTabPlay,
                                               &HeaderTabHighScores, &HeaderTabHelp};
// Tab of row t (2–9), or nullptr outside that range.
constexpr const Region* HeaderTabForRow(int t) {
    const int index = t - kFirstHeaderTabRow;
    return index >= 0 && index < static_cast<int>(std::size(HeaderTabs)) ? HeaderTabs[index] : nullptr;
}

// Corner pictures, 130 × 110, drawn at (20, 5) over the header strip.
inline constexpr Region CornerGameOver{"CornerGameOver", Sheet::Design1, 860, 710, 130, 110, kSingle};
inline constexpr Region CornerHighScores{"CornerHighScores", Sheet::Design1, 130, 880, 130, 110, kSingle};
inline constexpr Region CornerFreeGame{"CornerFreeGame", Sheet::Design1, 0, 880, 130, 110, kSingle};
inline constexpr Region CornerSettings{"CornerSettings", Sheet::Design1, 860, 490, 130, 110, kSingle};
inline constexpr Region CornerHelp{"CornerHelp", Sheet::Design1, 860, 380, 130, 110, kSingle};
inline constexpr Region CornerCredits{"CornerCredits", Sheet::Design1, 860, 600, 130, 110, kSingle};
inline constexpr Region FooterBand{"FooterBand", Sheet::Design1, 0, 1004, 700, 20, kSingle};

// Main-menu preview pictures, 275 × 270, drawn at (210, 70).
inline constexpr Region MenuPreviewIdle{"MenuPreviewIdle", Sheet::Design1, 200, 90, 275, 270, kSingle};
inline constexpr Region MenuPreviewPlay{"MenuPreviewPlay", Sheet::Design1, 0, 610, 275, 270, kSingle};
inline constexpr Region MenuPreviewFreeGame{"MenuPreviewFreeGame", Sheet::Design1, 575, 375, 275, 270, kSingle};
inline constexpr Region MenuPreviewHighScores{"MenuPreviewHighScores", Sheet::Design1, 300, 645, 275, 270, kSingle};
inline constexpr Region MenuPreviewHelp{"MenuPreviewHelp", Sheet::Design1, 575, 645, 275, 270, kSingle};
inline constexpr Region MenuPreviewSettings{"MenuPreviewSettings", Sheet::Design1, 475, 90, 275, 270, kSingle};
inline constexpr Region MenuPreviewCredits{"MenuPreviewCredits", Sheet::Design1, 300, 375, 275, 270, kSingle};
inline constexpr Region MenuPreviewQuit{"MenuPreviewQuit", Sheet::Design1, 749, 90, 275, 270, kSingle};

inline constexpr Region ScoreSelectorBox{"ScoreSelectorBox", Sheet::Design1, 384, 963, 210, 40, kSingle};
// "EASY", "MEDIUM", "HARD" downwards, by difficulty.
inline constexpr Region DifficultyNames{"DifficultyNames", Sheet::Design1, 595, 949, 52, 18, {0, 0, 0, 2}};
inline constexpr Region FreeGameRowCaptions{"FreeGameRowCaptions", Sheet::Design1, 866, 844, 50, 180, kSingle};
inline constexpr Region FreeGameColumnCaptions{"FreeGameColumnCaptions", Sheet::Design1, 87, 250, 88, 19, kSingle};
// Toggle box: state (normal, hover, pressed) to the right, checked one region down.
inline constexpr Region ToggleBox{"ToggleBox", Sheet::Design1, 270, 920, 36, 36, {0, 2, 0, 1}};
inline constexpr Region CreditsFinale{"CreditsFinale", Sheet::Design1, 713, 987, 147, 37, kSingle};

// ---- Design3 sheet (256 × 256) ----------------------------------------------
inline constexpr Region PeekPicture5{"PeekPicture5", Sheet::Design3, 0, 0, 170, 140, kSingle};
inline constexpr Region LocalScoresButton{"LocalScoresButton", Sheet::Design3, 0, 139, 62, 29, kButtonStates};
inline constexpr Region DonateUsdButton{"DonateUsdButton", Sheet::Design3, 65, 139, 128, 32, kButtonStates};

inline constexpr Region kAllRegions[] = {
    SplashLogo, ProgressSquare,
    ItemShapes1, ItemShapes2, ItemShapes3,
    LetterGlyphs, GroundStrip, BlastAnimation, FreeGameBadge, HudPanel, SideStrip, TntChargeIcon, LifeIcon,
    BonusBarFilled, BonusBarEmpty, SliderSegment, SliderGap, SelectionArrows, GameOverTab, GroupNumbers,
    PeekPictures, HelpWordPicture, HelpBonusBarPicture, IntroStopPicture, IntroCaption, IntroGreeting,
    IntroDecorationLarge, IntroDecorationSmall, NoteHeading, ShowNoteButton, ContinueButton, HelpPage1Button,
    HelpPage2Button, HelpPage3Button, DonateEurButton,
    PlayButton, FreeGameButton, HighScoresButton, HelpButton, SettingsButton, CreditsButton, QuitButton,
    BackButton, StartFreeGameButton, OnlineScoresButton, OkButton, PlayAgainButton, GroupsButton,
    DifficultyDownButton, DifficultyUpButton, ManualButton,
    HeaderCapShort, HeaderCapLong, HeaderFill, HeaderTabMainMenu, HeaderTabQuit, HeaderTabCredits,
    HeaderTabSettings, HeaderTabFreeGame, HeaderTabPlay, HeaderTabHighScores, HeaderTabHelp,
    CornerGameOver, CornerHighScores, CornerFreeGame, CornerSettings, CornerHelp, CornerCredits, FooterBand,
    MenuPreviewIdle, MenuPreviewPlay, MenuPreviewFreeGame, MenuPreviewHighScores, MenuPreviewHelp,
    MenuPreviewSettings, MenuPreviewCredits, MenuPreviewQuit,
    ScoreSelectorBox, DifficultyNames, FreeGameRowCaptions, FreeGameColumnCaptions, ToggleBox, CreditsFinale,
    PeekPicture5, LocalScoresButton, DonateUsdButton,
};

// Regions may not share pixels, with two kinds of exception that the art
// honours: one picture listed under two names (identical geometry), and
// neighbours laid out one pixel too close, which share exactly one row or
// column; the art keeps those shared pixels fully transparent so that both
// pictures look right.
struct RegionPair { const char* first; const char* second; };
inline constexpr RegionPair kSamePicture[] = {
    {"HeaderCapLong", "HeaderFill"},
};
inline constexpr RegionPair kSharedLines[] = {
    {"PeekPictures", "ShowNoteButton"},       // row 740: top of peek picture 4, bottom of the pressed state
    {"PeekPictures", "ContinueButton"},       // row 740, likewise
    {"MenuPreviewSettings", "MenuPreviewQuit"},  // column 749
    {"PeekPicture5", "LocalScoresButton"},    // row 139
    {"PeekPicture5", "DonateUsdButton"},      // row 139
};

constexpr bool SameName(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr bool PairListed(std::span<const RegionPair> list, const Region& a, const Region& b) {
    for (const RegionPair& pair : list) {
        if ((SameName(pair.first, a.name) && SameName(pair.second, b.name)) ||
            (SameName(pair.first, b.name) && SameName(pair.second, a.name)))
            return true;
    }
    return false;
}

constexpr bool SameGeometry(const Region& a, const Region& b) {
    return a.sheet == b.sheet && a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h &&
           a.frames.minU == b.frames.minU && a.frames.maxU == b.frames.maxU && a.frames.minV == b.frames.minV &&
           a.frames.maxV == b.frames.maxV && a.only.size() == b.only.size();
}

// Intersection of two rectangles; w or h is 0 or less when they do not meet.
constexpr PixelRect Intersect(PixelRect a, PixelRect b) {
    const int left = a.x > b.x ? a.x : b.x;
    const int top = a.y > b.y ? a.y : b.y;
    const int right = a.x + a.w < b.x + b.w ? a.x + a.w : b.x + b.w;
    const int bottom = a.y + a.h < b.y + b.h ? a.y + a.h : b.y + b.h;
    return {left, top, right - left, bottom - top};
}

// Calls visit(a, b, shared) for every pixel rectangle shared by a used frame of
// one region and a used frame of another region on the same sheet.
template <typename Visit>
constexpr void ForEachOverlap(Visit&& visit) {
    constexpr std::size_t count = std::size(kAllRegions);
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            const Region& a = kAllRegions[i];
            const Region& b = kAllRegions[j];
            if (a.sheet != b.sheet) continue;
            for (int fa = 0; fa < FrameCount(a); ++fa) {
                const Frame frameA = NthFrame(a, fa);
                for (int fb = 0; fb < FrameCount(b); ++fb) {
                    const Frame frameB = NthFrame(b, fb);
                    const PixelRect shared =
                        Intersect(FrameRect(a, frameA.u, frameA.v), FrameRect(b, frameB.u, frameB.v));
                    if (shared.w > 0 && shared.h > 0) visit(a, b, shared);
                }
            }
        }
    }
}

// The layout rule: an overlap is allowed only between the two names of one
// picture, or as a single row or column between a listed pair of neighbours.
constexpr bool OverlapAllowed(const Region& a, const Region& b, PixelRect shared) {
    if (PairListed(kSamePicture, a, b)) return SameGeometry(a, b);
    return PairListed(kSharedLines, a, b) && (shared.w == 1 || shared.h == 1);
}

// clang-format on
}  // namespace glyphora::regions
