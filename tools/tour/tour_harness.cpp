#include "tools/tour/tour_harness.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "game/screens/screen_table.h"
#include "game/shell/main_loop.h"
#include "platform/png/png_image.h"

namespace glyphora::tour {
namespace fs = std::filesystem;

namespace {

fs::path MakeScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "glyphora-tour-XXXXXX").string();
    return fs::path(::mkdtemp(pattern.data()));
}

}  // namespace

TourHarness::TourHarness(const fs::path& gameFolder, const fs::path& outputFolder)
    : scratch_(MakeScratchFolder()), output_(fs::absolute(outputFolder)) {
    fs::create_directories(output_);
    fs::copy(gameFolder, scratch_ / "Glyphora", fs::copy_options::recursive);
    fs::create_directories(scratch_ / "xdg");
    setenv("XDG_DATA_HOME", (scratch_ / "xdg").c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    fs::current_path(scratch_ / "Glyphora" / "Data");
    bundle_.window = &video_;
    bundle_.messages = &messages_;
    bundle_.desktop = &desktop_;
    bundle_.clock = &clock_;
    bundle_.fonts = &fonts_;
    bundle_.files = &files_;
    bundle_.libraries = &libraries_;
    bundle_.processes = &processes_;
    bundle_.shell = &shell_;
    bundle_.http = &http_;
    desktop_.cursor = {1000, 1000};  // far outside the window until a scene moves it
    game_ = std::make_unique<Game>(bundle_, GameScreens());
}

TourHarness::~TourHarness() {
    game_.reset();
    std::error_code ignored;
    fs::current_path(output_, ignored);
    fs::remove_all(scratch_, ignored);
}

void TourHarness::startUp() { StartUp(*game_); }

void TourHarness::send(const platform::Message& message) { WindowProcedure(*game_, message); }

void TourHarness::advance(int ms, int frameMs) {
    for (int done = 0; done < ms; done += frameMs) {
        clock_.advance(static_cast<std::uint32_t>(std::min(frameMs, ms - done)));
        RunFrame(*game_);
    }
}

bool TourHarness::capture(const std::string& name) {
    if (!game_->renderer.device) return false;
    platform::Image frame;
    if (!game_->renderer.device->readFrame(frame)) return false;
    const fs::path file = output_ / (name + ".png");
    if (!platform::SavePng(file.string(), frame)) return false;
    ++pictures_;
    std::printf("%s\n", file.c_str());
    return true;
}

}  // namespace glyphora::tour
