#include "game/shell/window_scale.h"

#include <algorithm>
#include <fstream>
#include <string>

#include "common/data_file.h"
#include "game/data/data_paths.h"
#include "game/engine/window_size.h"
#include "game/shell/game.h"
#include "game/shell/window_position.h"

namespace glyphora {
namespace {

// The largest scale whose window is within the share (in percent) of both sides.
int ScaleWithin(platform::Size display, int percent) {
    int scale = 1;
    while (scale < kMaxWindowScale && kWindowWidth * (scale + 1) * 100 <= display.width * percent &&
           kWindowHeight * (scale + 1) * 100 <= display.height * percent)
        ++scale;
    return scale;
}

constexpr int kComfortablePercent = 85;
constexpr int kDesignedDensity = 96;  // dots per inch the game's pixels were drawn for

// The whole scale nearest the density's ratio to the designed one; 1 when unknown.
int DensityScale(int density) {
    if (density <= 0) return 1;
    return std::clamp((density + kDesignedDensity / 2) / kDesignedDensity, 1, kMaxWindowScale);
}

// A window that grew past the display's right or bottom edge comes back
// inside it, where it can.
void KeepOnDisplay(Game& game, int scale) {
    const platform::Size display = game.platform.desktop->screenSize();
    const platform::Point at = game.shell.windowPos;
    const platform::Point inside{std::max(0, std::min(at.x, display.width - kWindowWidth * scale)),
                                 std::max(0, std::min(at.y, display.height - kWindowHeight * scale))};
    if (inside != at) PlaceWindow(game, inside);
}

// The first run's place, as for the unscaled window: centred across, a third
// of the free height above.
platform::Point FirstRunPlace(platform::Size display, int scale) {
    return {(display.width - kWindowWidth * scale) / 2, (display.height - kWindowHeight * scale) / 3};
}

void ApplyScale(Game& game, int scale) {
    if (scale > game.shell.windowScale) KeepOnDisplay(game, scale);
    game.shell.windowScale = scale;
    game.platform.window->setScale(scale);
}

}  // namespace

int LargestWindowScale(platform::Size display) { return ScaleWithin(display, 100); }

int ComfortableWindowScale(platform::Size display) { return ScaleWithin(display, kComfortablePercent); }

int StartUpWindowScale(platform::Size display, int density) {
    return std::min(std::max(ComfortableWindowScale(display), DensityScale(density)), LargestWindowScale(display));
}

int StoredWindowScale() {
    std::ifstream file(paths::kWindowScale);
    int scale = 0;
    if (!(file >> scale) || scale < 1 || scale > kMaxWindowScale) return 0;
    return scale;
}

// Replaced in one step, so a reader (or a start after a crash) never finds
// the file empty.
bool StoreWindowScale(int scale) {
    DataFile file;
    if (!file.openReplacing(paths::kWindowScale, "wb")) return false;
    file.writeString(std::to_string(scale) + "\n");
    return file.commit();
}

void ChooseWindowScale(Game& game) {
    const platform::Size display = game.platform.desktop->screenSize();
    const int stored = StoredWindowScale();
    const int scale = stored > 0 ? std::min(stored, LargestWindowScale(display))
                                 : StartUpWindowScale(display, game.platform.desktop->screenDensity());
    if (scale == 1) {
        game.shell.windowScale = 1;  // the window opens unscaled
        return;
    }
    if (game.settings.firstRun) {
        PlaceWindow(game, FirstRunPlace(display, scale));
        game.shell.savedPosition = game.shell.windowPos;
    }
    ApplyScale(game, scale);
}

void CycleWindowScale(Game& game) {
    const int largest = LargestWindowScale(game.platform.desktop->screenSize());
    const int next = game.shell.windowScale >= largest ? 1 : game.shell.windowScale + 1;
    StoreWindowScale(next);
    ApplyScale(game, next);
}

}  // namespace glyphora
