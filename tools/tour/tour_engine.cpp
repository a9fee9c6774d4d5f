// Scenes of the presentation engine: the splash at each loading step, every
// widget kind in each of its states, and the font table.
#include "tools/tour/tour_engine.h"
#include "game/shell/window_position.h"

#include <cstdio>
#include <string>

#include "game/engine/font_table.h"
#include "game/engine/selection_band.h"
#include "game/shell/loading.h"
#include "game/shell/main_loop.h"

namespace glyphora::tour {
namespace {

const char* const kStateNames[] = {"normal", "hover", "pressed"};

void Caption(Game& game, const std::string& text, int x, int y, int width = 200) {
    DrawFontText(game.renderer, game.fonts[HelpFont22], text, {x, y, x + width, y + 22}, DT_LEFT, 0xFF606060);
}

// Draws each of the three states of a button, forced, with its name under it.
template <typename Draw>
void DrawInEachState(Game& game, Button& button, int captionX, int captionY, int step, Draw&& draw) {
    for (const ButtonState state : {ButtonNormal, ButtonHover, ButtonPressed}) {
        button.forced = true;
        button.forcedState = state;
        draw(state);
        Caption(game, kStateNames[state], captionX + state * step, captionY, step);
    }
    button.forced = false;
}

void DrawImageButtons(Game& game) {
    Caption(game, "Image button", 20, 20);
    ImageButton& play = game.widgets.imageButtons[PlayButton];
    const int savedX = play.x, savedY = play.y;
    DrawInEachState(game, play, 160, 52, 110, [&](int state) {
        play.x = 160 + state * 110;
        play.y = 20;
        DrawImageButton(game.renderer, game.pointer, play);
    });
    play.x = savedX, play.y = savedY;
}

void DrawToggles(Game& game) {
    Caption(game, "Toggle", 20, 92);
    ToggleButton& toggle = game.widgets.freeGameToggles[0][0];
    const ToggleButton saved = toggle;
    const bool savedValue = *toggle.checked;
    for (int checked = 0; checked < 2; ++checked) {
        *toggle.checked = checked == 1;
        const int left = 160 + 270 * checked;
        DrawInEachState(game, toggle, left - 10, 122, 80, [&](int state) {
            toggle.x = left + state * 80;
            toggle.y = 84;
            DrawToggleButton(game.renderer, game.pointer, toggle);
        });
    }
    Caption(game, "unchecked", 160, 144, 100);
    Caption(game, "checked", 430, 144, 100);
    toggle = saved;
    *toggle.checked = savedValue;
}

void DrawTextButtons(Game& game) {
    Caption(game, "Text button", 20, 188);
    WidgetRegistry showcase;  // kept out of the game's click dispatch
    TextButton button;
    MakeTextButton(showcase, button, "Try again", &game.fonts[MenuFont26], 0, 180, 100, 34, 1);
    const Colour backgrounds[3] = {0xFFF4F4F4, 0xFFE4F0C8, 0xFFAEE400};
    for (int i = 0; i < 3; ++i) {
        button.backgroundColours[i] = backgrounds[i];
        button.textColours[i] = 0xFF404040;
    }
    button.borderColour = 0xFF808080;
    DrawInEachState(game, button, 160, 216, 110, [&](int state) {
        button.x = 160 + state * 110;
        button.rect = MakeRect(button.x, button.y, button.w, button.h);
        DrawTextButton(game.renderer, game.pointer, button);
    });
}

void DrawTextFields(Game& game) {
    Caption(game, "Text field", 20, 262);
    TextField& field = game.widgets.defaultNameField;
    const TextField saved = field;
    const std::string savedText = *field.text;
    *field.text = "Player one";
    for (int focused = 0; focused < 2; ++focused) {
        field.x = 160 + 220 * focused;
        field.y = 256;
        field.rect = MakeRect(field.x, field.y, field.w, field.h);
        SetFieldFocus(field, focused == 1);
        if (focused) DrawSelectionBand(game.renderer, game.resources, field.x - 10, field.y - 5, field.w + 20);
        DrawTextField(game.renderer, game.pointer, field);
        Caption(game, focused ? "focused" : "not focused", field.x, 292);
    }
    field = saved;
    *field.text = savedText;
}

void DrawSliders(Game& game) {
    Caption(game, "Slider", 20, 340);
    Slider& slider = game.widgets.sliders[FallingSpeedSlider];
    const Slider saved = slider;
    const int savedValue = *slider.value;
    slider.y = 330;
    slider.x = 160;
    *slider.value = 6;
    DrawSlider(game.renderer, game.resources, slider);
    Caption(game, "idle", 560, 340, 80);
    slider.y = 384;
    *slider.value = 3;
    slider.active = true;
    DrawSlider(game.renderer, game.resources, slider);
    Caption(game, "following the mouse", 560, 394, 140);
    slider = saved;
    *slider.value = savedValue;
}

}  // namespace

bool SplashProgress(TourHarness& tour) {
    tour.startUp();
    Game& game = tour.game();
    LoadSplash(game);
    game.screen.current = ScreenKind::Splash;
    bool captured = true;
    for (int step = 0; step <= kLoadingSteps; ++step) {
        game.resources.loadingProgress = step;
        DrawFrame(game);
        captured = tour.capture("splash-progress-" + std::to_string(step)) && captured;
    }
    ReleaseSplash(game);
    return captured;
}

bool WidgetStates(TourHarness& tour) {
    tour.startUp();
    Game& game = tour.game();
    tour.desktop().cursor = {-1000, -1000};  // no real hover: the states are forced
    ReadCursor(game);
    BeginFrame(game.renderer);
    ClearScreen(game.renderer, 0xFFFFFFFF);
    DrawImageButtons(game);
    DrawToggles(game);
    DrawTextButtons(game);
    DrawTextFields(game);
    DrawSliders(game);
    EndFrame(game.renderer);
    return tour.capture("widgets");
}

bool FontTable(TourHarness& tour) {
    static const char* const kNames[] = {"HudFont30",       "HudFont36a",      "HudFont36b",      "HudFont28",
                                         "HudFont40",       "GameOverFont28a", "GameOverFont28b", "FieldFont26",
                                         "NameEntryFont36", "GameOverFont22",  "ScoresFont26",    "MessageFont26",
                                         "NoteFont26",      "MenuFont26",      "HelpFont22"};
    tour.startUp();
    Game& game = tour.game();
    BeginFrame(game.renderer);
    ClearScreen(game.renderer, 0xFFFFFFFF);
    int y = 4;
    for (int name = 0; name < kFontCount; ++name) {
        char line[96];
        std::snprintf(line, sizeof line, "%s - Score 12,345  Level 3  \xC9\xC0\xDC \x92\x80 Freeware: the quick fox",
                      kNames[name]);
        DrawFontText(game.renderer, game.fonts[name], line, {10, y, 690, y + kFontTable[name].height}, DT_LEFT,
                     0xFF404040);
        y += kFontTable[name].height;
    }
    EndFrame(game.renderer);
    return tour.capture("fonts");
}

}  // namespace glyphora::tour
