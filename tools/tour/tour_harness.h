#pragma once
// Runs the real game headless for pictures: SDL's dummy video driver and
// software renderer draw the frames, while the clock, the cursor and the
// messages are driven by the tour script. Works on a scratch copy of the
// assembled game folder and a scratch XDG_DATA_HOME.
#include <filesystem>
#include <memory>
#include <string>

#include "game/shell/game.h"
#include "platform/curl/curl_http.h"
#include "platform/fake/fake_platform.h"
#include "platform/fonts/fontconfig_fonts.h"
#include "platform/posix/posix_services.h"
#include "platform/sdl/sdl_video.h"

namespace glyphora::tour {

class TourHarness {
public:
    // gameFolder is the assembled Glyphora folder; pictures go to outputFolder.
    TourHarness(const std::filesystem::path& gameFolder, const std::filesystem::path& outputFolder);
    ~TourHarness();
    TourHarness(const TourHarness&) = delete;
    TourHarness& operator=(const TourHarness&) = delete;

    Game& game() { return *game_; }
    platform::FakeClock& clock() { return clock_; }
    platform::FakeDesktop& desktop() { return desktop_; }

    void startUp();
    // Resizes the game's window as a window manager's full screen would.
    void resizeWindow(platform::Size size) { video_.resize(size); }
    // Delivers a message through the window procedure.
    void send(const platform::Message& message);
    // Advances the clock by ms in frame-sized steps, running a frame each step.
    void advance(int ms, int frameMs = 16);
    // Writes the current frame as OUTDIR/name.png and reports it.
    bool capture(const std::string& name);
    int pictures() const { return pictures_; }

private:
    std::filesystem::path scratch_;
    std::filesystem::path output_;
    platform::SdlVideo video_;
    platform::FakeMessageQueue messages_;
    platform::FakeDesktop desktop_;
    platform::FakeClock clock_{100000};
    platform::FontconfigFonts fonts_;
    platform::PosixFiles files_;
    platform::PosixLibraries libraries_;
    platform::FakeProcesses processes_;
    platform::FakeShell shell_;
    platform::FakeHttp http_;
    platform::Platform bundle_;
    std::unique_ptr<Game> game_;
    int pictures_ = 0;
};

}  // namespace glyphora::tour
