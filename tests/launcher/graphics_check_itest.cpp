// The launcher's diagnostic provider against SDL itself.
#include "launcher/sdl_graphics_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace glyphora {
namespace {

TEST(SdlGraphicsCheck, AnswersNineZeroCWhenTheRendererCanBeCreated) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlGraphicsCheck check;
    int major = 0, minor = 0;
    char letter = ' ';
    EXPECT_EQ(check.query(major, minor, letter), CheckResult::Ok);
    EXPECT_EQ(PackDirectXVersion(major, minor, letter), 0x90003u);
    unsetenv("SDL_VIDEODRIVER");
}

TEST(SdlGraphicsCheck, FailsWithoutVideoAndLeavesTheOutputsAlone) {
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    SdlGraphicsCheck check;
    int major = 1, minor = 2;
    char letter = 'x';
    EXPECT_EQ(check.query(major, minor, letter), CheckResult::Failed);
    EXPECT_EQ(DirectXVersionText(major, minor, letter), "1.2x");
    unsetenv("SDL_VIDEODRIVER");
}

TEST(SdlGraphicsCheck, FailsWithoutADisplayWhereSdlFallsBackToDrawingOffscreen) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display ? display : "";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    SdlGraphicsCheck check;
    int major = 0, minor = 0;
    char letter = ' ';
    EXPECT_EQ(check.query(major, minor, letter), CheckResult::Failed);
    if (display) setenv("DISPLAY", saved.c_str(), 1);
}

}  // namespace
}  // namespace glyphora
