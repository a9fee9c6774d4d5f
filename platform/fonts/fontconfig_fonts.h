#pragma once
// The font system of the shipped game: fontconfig finds faces by name (and
// the fonts this process registers as application fonts), SDL2_ttf rasterises
// them into glyph atlases.
#include <map>
#include <tuple>

#include "platform/platform.h"

namespace glyphora::platform {

class FontconfigFonts final : public FontSystem {
public:
    FontconfigFonts();
    // Forgets the application fonts and closes SDL_ttf.
    ~FontconfigFonts() override;
    FontconfigFonts(const FontconfigFonts&) = delete;
    FontconfigFonts& operator=(const FontconfigFonts&) = delete;

    std::string resolveFace(const std::string& face, bool bold, bool& substituted) override;
    // Atlases are kept per file, height and weight: fonts of equal face and
    // height (the game makes several) are rasterised once.
    std::optional<FontAtlas> rasterise(const std::string& file, int cellHeight, bool bold) override;
    bool registerFont(const std::string& file) override;
    bool unregisterFonts() override;
    std::string userFontFolder() override;

private:
    bool ttfStarted_ = false;
    int registered_ = 0;
    std::map<std::tuple<std::string, int, bool>, FontAtlas> atlases_;
};

}  // namespace glyphora::platform
