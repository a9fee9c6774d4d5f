#pragma once
// The one Game object: the platform it runs on and one plain state struct per
// subsystem. Operations are free functions that take the game.
#include "common/random.h"
#include "game/data/score_store.h"
#include "game/data/score_table.h"
#include "game/data/settings.h"
#include "game/data/word_list.h"
#include "game/engine/credit_lines.h"
#include "game/engine/debug_log.h"
#include "game/engine/pointer.h"
#include "game/engine/renderer.h"
#include "game/engine/resources.h"
#include "game/engine/text.h"
#include "game/engine/window_size.h"
#include "game/gameplay/cheats.h"
#include "game/gameplay/play_field.h"
#include "game/gameplay/run_state.h"
#include "game/shell/screen_definition.h"
#include "game/shell/screen_state.h"
#include "game/shell/shell_state.h"
#include "game/shell/sound_state.h"
#include "game/shell/widget_set.h"
#include "platform/platform.h"

namespace glyphora {

inline constexpr char kWindowTitle[] = "Glyphora";
inline constexpr char kWindowIcon[] = "Graphics/icon.png";

struct Game {
    Game(platform::Platform& platformServices, const ScreenTable& screenTable)
        : platform(platformServices), screens(screenTable) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    platform::Platform& platform;
    const ScreenTable& screens;  // every screen's definition, by kind
    Random random;               // the one random source, seeded from the clock when the renderer starts
    ShellState shell;
    ScreenState screen;
    MenuState menus;
    Renderer renderer;
    DebugLog log{LoggingEnabledByDefault()};
    Font fonts[kFontCount];
    Resources resources;
    PointerState pointer;
    Widgets widgets;
    Settings settings;
    WordList words;
    ScoreTable scores;
    ScoreStore store;
    PlayField field;
    RunState run;
    CheatState cheats;
    SoundState sound;
    CreditPages credits;  // built at load, played by the credits screen
};

}  // namespace glyphora
