// The real font system: fontconfig, FreeType and SDL2_ttf on the title face
// that the build ships (Debian's fonts-bebas-neue).
#include "platform/fonts/fontconfig_fonts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/scratch_folder.h"

namespace glyphora::platform {
namespace {

const std::string kBebas = "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Regular.otf";

class FontSystemTest : public ::testing::Test {
protected:
    FontconfigFonts fonts;
};

// GDI's cell: ascent + descent are the height asked for, and the face is
// scaled so that its usWinAscent + usWinDescent (950 + 250 units of 1000 for
// Bebas Neue) fill it. Its capitals, 700 units high, stand on the baseline.
TEST_F(FontSystemTest, AFaceOpenedForHeightHHasACellOfHPixels) {
    for (int height : {22, 26, 28, 30, 36, 40}) {
        const std::optional<FontAtlas> atlas = fonts.rasterise(kBebas, height, false);
        ASSERT_TRUE(atlas) << height;
        EXPECT_EQ(atlas->ascent + atlas->descent, height);
        EXPECT_EQ(atlas->lineHeight, height);
        EXPECT_EQ(atlas->ascent, (height * 950 + 600) / 1200) << height;
        const GlyphMetrics& capital = atlas->glyphs['H'];
        EXPECT_EQ(capital.offsetY + capital.height, atlas->ascent) << "H sits on the baseline at " << height;
        EXPECT_NEAR(capital.height, height * 700.0 / 1200.0, 1.0) << "cap height at " << height;
        for (int c = 32; c < 256; ++c) {
            const GlyphMetrics& g = atlas->glyphs[c];
            if (g.width == 0) continue;
            EXPECT_GE(g.offsetY, 0) << "glyph " << c << " at " << height;
            EXPECT_LE(g.offsetY + g.height, height) << "glyph " << c << " at " << height;
        }
    }
}

TEST_F(FontSystemTest, HighBytesAreRasterisedAsWindows1252) {
    const std::optional<FontAtlas> atlas = fonts.rasterise(kBebas, 26, false);
    ASSERT_TRUE(atlas);
    const GlyphMetrics& quote = atlas->glyphs[0x92];  // a control code in Latin-1, ’ here
    EXPECT_GT(quote.width, 0);
    EXPECT_LT(quote.height, atlas->glyphs['H'].height / 2);
    EXPECT_GT(atlas->glyphs[0x80].width, 0);  // €
    EXPECT_EQ(atlas->glyphs[0x81].advance, 0) << "undefined in the code page";
    EXPECT_EQ(atlas->glyphs[' '].width, 0);
    EXPECT_GT(atlas->glyphs[' '].advance, 0);
}

TEST_F(FontSystemTest, AtlasTexelsAreWhiteWithCoverageInAlpha) {
    const std::optional<FontAtlas> atlas = fonts.rasterise(kBebas, 30, false);
    ASSERT_TRUE(atlas);
    const GlyphMetrics& g = atlas->glyphs['I'];  // a solid bar: its middle is fully covered
    const Colour middle = atlas->image.at(g.atlasX + g.width / 2, g.atlasY + g.height / 2);
    EXPECT_EQ(middle, 0xFFFFFFFFu);
    EXPECT_EQ(atlas->image.at(0, 0) & 0xFF000000u, 0u);
}

TEST_F(FontSystemTest, AFamilyResolvesToItsRegularStyleAndAnUnknownOneIsSubstituted) {
    bool substituted = true;
    EXPECT_EQ(std::filesystem::path(fonts.resolveFace("Bebas Neue", false, substituted)).filename(),
              "BebasNeue-Regular.otf");
    EXPECT_FALSE(substituted);
    const std::string other = fonts.resolveFace("No Such Face Glyphora", false, substituted);
    EXPECT_TRUE(substituted);
    EXPECT_FALSE(other.empty());
    EXPECT_TRUE(fonts.rasterise(other, 20, false));
}

TEST_F(FontSystemTest, RegistrationTakesFontFilesOnlyAndIsForgottenAtOnce) {
    testing::ScratchFolder folder;
    folder.write("not-a-font.otf", "plain text");
    EXPECT_FALSE(fonts.registerFont(folder.file("not-a-font.otf")));
    EXPECT_FALSE(fonts.unregisterFonts());
    EXPECT_TRUE(fonts.registerFont(kBebas));
    EXPECT_TRUE(fonts.unregisterFonts());
    EXPECT_FALSE(fonts.unregisterFonts());
}

TEST_F(FontSystemTest, UnopenableFilesAndHeightsGiveNoAtlas) {
    EXPECT_FALSE(fonts.rasterise("/nonexistent/face.ttf", 20, false));
    EXPECT_FALSE(fonts.rasterise(kBebas, 0, false));
}

TEST_F(FontSystemTest, TheUserFontFolderFollowsXdgDataHome) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string previous = saved ? saved : "";
    setenv("XDG_DATA_HOME", "/tmp/glyphora-xdg", 1);
    EXPECT_EQ(fonts.userFontFolder(), "/tmp/glyphora-xdg/fonts");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_TRUE(fonts.userFontFolder().ends_with("/.local/share/fonts")) << fonts.userFontFolder();
    if (saved) setenv("XDG_DATA_HOME", previous.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace glyphora::platform
