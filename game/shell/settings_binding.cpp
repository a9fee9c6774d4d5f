#include "game/shell/settings_binding.h"
#include "game/shell/window_position.h"

#include "game/data/settings_file.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

void ApplyFreeGame(Widgets& w, const Settings& s) {
    for (int row = 0; row < kFreeGameToggleRows; ++row)
        for (int column = 0; column < kFreeGameToggleColumns; ++column)
            w.freeGameToggles[row][column].checked = s.freeGameKeys[row][column];
    w.sliders[StartLevelSlider].value = s.startLevel;
    w.sliders[FallingSpeedSlider].value = s.speedMod;
    w.sliders[DensitySlider].value = s.chanceMod;
    w.sliders[MaxLivesSlider].value = s.maxLives;
}

void CollectFreeGame(const Widgets& w, Settings& s) {
    for (int row = 0; row < kFreeGameToggleRows; ++row)
        for (int column = 0; column < kFreeGameToggleColumns; ++column)
            s.freeGameKeys[row][column] = w.freeGameToggles[row][column].checked;
    s.startLevel = w.sliders[StartLevelSlider].value;
    s.speedMod = w.sliders[FallingSpeedSlider].value;
    s.chanceMod = w.sliders[DensitySlider].value;
    s.maxLives = w.sliders[MaxLivesSlider].value;
}

}  // namespace

void ReadWindowSettings(Game& game) {
    Settings stored;
    LoadSettings(stored, true, game.random);
    game.settings.firstRun = stored.firstRun;
    const platform::Point position = WindowPositionFromSettings(stored, game.platform.desktop->screenSize());
    PlaceWindow(game, position);
    game.shell.savedPosition.x = position.x;
    game.shell.savedPosition.y = position.y;
}

void ReadAllSettings(Game& game) {
    Settings stored;
    stored.firstRun = game.settings.firstRun;
    LoadSettings(stored, false, game.random);
    ApplySettings(game, stored);
}

Settings CollectSettings(const Game& game) {
    const Widgets& w = game.widgets;
    Settings s;
    s.windowX = game.shell.windowPos.x;
    s.windowY = game.shell.windowPos.y;
    s.firstRun = game.settings.firstRun;
    s.queryF3 = w.askF3Toggle.checked;
    s.difficulty = game.settings.difficulty;
    s.defaultName = w.defaultNameField.label;
    CollectFreeGame(w, s);
    s.musicVolume = w.sliders[MusicVolumeSlider].value;
    s.soundVolume = w.sliders[SoundVolumeSlider].value;
    s.regcode = game.settings.regcode;
    // While the high-score screen is shown its fields hold the group names
    // being edited; the slots take them back only when it is left.
    const bool editingGroups = game.screen.current == ScreenKind::HighScores;
    for (int n = 0; n < kGroupFields; ++n)
        s.groups[n] = editingGroups ? w.groupFields[n].label : game.settings.groups[n];
    return s;
}

// The window position is not taken: the window stays where the first pass
// placed it, inside the range the clamp allows.
void ApplySettings(Game& game, const Settings& s) {
    Widgets& w = game.widgets;
    w.askF3Toggle.checked = s.queryF3;
    game.settings.difficulty = s.difficulty;
    w.defaultNameField.label = s.defaultName.substr(0, Settings::kMaxDefaultName);
    ApplyFreeGame(w, s);
    w.sliders[MusicVolumeSlider].value = s.musicVolume;
    w.sliders[SoundVolumeSlider].value = s.soundVolume;
    game.settings.regcode = s.regcode;
    for (int n = 0; n < kGroupFields; ++n) game.settings.groups[n] = s.groups[n].substr(0, Settings::kMaxGroupName);
}

}  // namespace glyphora
