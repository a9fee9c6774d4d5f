#include "game/shell/settings_binding.h"

#include "game/data/settings_file.h"
#include "game/shell/game.h"
#include "game/shell/window_position.h"

namespace glyphora {

void ReadWindowSettings(Game& game) {
    Settings stored;
    LoadSettings(stored, true, game.random);
    game.settings.firstRun = stored.firstRun;
    const platform::Point position = WindowPositionFromSettings(stored, game.platform.desktop->screenSize());
    PlaceWindow(game, position);
    game.shell.savedPosition = position;
}

void ReadAllSettings(Game& game) {
    Settings stored;
    stored.firstRun = game.settings.firstRun;
    LoadSettings(stored, false, game.random);
    game.settings = stored;
}

Settings CollectSettings(const Game& game) {
    Settings s = game.settings;
    s.windowX = game.shell.windowPos.x;
    s.windowY = game.shell.windowPos.y;
    return s;
}

}  // namespace glyphora
