#include "platform/fonts/fontconfig_fonts.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/fonts/ttf_rasteriser.h"

namespace glyphora::platform {
namespace {

struct PatternDestroyer {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternHandle = std::unique_ptr<FcPattern, PatternDestroyer>;

const FcChar8* Utf8(const std::string& text) { return reinterpret_cast<const FcChar8*>(text.c_str()); }

PatternHandle MakeQuery(const std::string& face, bool bold) {
    PatternHandle pattern(FcPatternCreate());
    if (!pattern) return pattern;
    FcPatternAddString(pattern.get(), FC_FAMILY, Utf8(face));
    // Families such as Bebas Neue give several styles the regular weight;
    // the style name picks the one meant.
    FcPatternAddString(pattern.get(), FC_STYLE, reinterpret_cast<const FcChar8*>(bold ? "Bold" : "Regular"));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

// A match may carry several family names (English, localised, typographic).
bool HasFamily(FcPattern* match, const std::string& face) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(family, Utf8(face)) == 0) return true;
    }
    return false;
}

// Fontconfig's library state is shared by every font system of the process:
// the first one starts it and the last one finishes it, which frees all of it.
int& FontconfigUsers() {
    static int users = 0;
    return users;
}

}  // namespace

FontconfigFonts::FontconfigFonts() {
    ttfStarted_ = TTF_Init() == 0;
    if (FontconfigUsers()++ == 0) FcInit();
}

FontconfigFonts::~FontconfigFonts() {
    if (registered_ > 0) FcConfigAppFontClear(nullptr);
    if (--FontconfigUsers() == 0) FcFini();
    if (ttfStarted_) TTF_Quit();
}

std::string FontconfigFonts::resolveFace(const std::string& face, bool bold, bool& substituted) {
    substituted = true;
    PatternHandle query = MakeQuery(face, bold);
    if (!query) return {};
    FcResult result = FcResultNoMatch;
    PatternHandle match(FcFontMatch(nullptr, query.get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return {};
    substituted = !HasFamily(match.get(), face);
    return reinterpret_cast<const char*>(file);
}

std::optional<FontAtlas> FontconfigFonts::rasterise(const std::string& file, int cellHeight, bool bold) {
    if (!ttfStarted_) return std::nullopt;
    const auto key = std::make_tuple(file, cellHeight, bold);
    if (const auto found = atlases_.find(key); found != atlases_.end()) return found->second;
    std::optional<FontAtlas> atlas = RasteriseFace(file, cellHeight, bold);
    if (atlas) atlases_.emplace(key, *atlas);
    return atlas;
}

bool FontconfigFonts::registerFont(const std::string& file) {
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(file, error).string();
    if (error || !FcConfigAppFontAddFile(nullptr, Utf8(absolute))) return false;
    ++registered_;
    return true;
}

bool FontconfigFonts::unregisterFonts() {
    FcConfigAppFontClear(nullptr);
    const bool any = registered_ > 0;
    registered_ = 0;
    return any;
}

std::string FontconfigFonts::userFontFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/fonts";
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "";
    }
    return std::string(home) + "/.local/share/fonts";
}

}  // namespace glyphora::platform
