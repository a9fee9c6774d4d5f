#include "game/shell/game_widgets.h"

#include "game/engine/sheet_drawing.h"
#include "game/shell/button_places.h"
#include "game/shell/game.h"
#include "game/shell/sound_effects.h"

namespace glyphora {
namespace {

struct SliderSetup {
    const char* label;
    const char* unit;
    int x, labelWidth, barWidth, valueWidth, y, height;
    int segmentCount, minValue, maxValue, offset, step;
};

constexpr SliderSetup kSliderSetups[kSliderCount] = {
    {"Starting level", "", 300, 115, 170, 50, 147, 36, 5, 1, 100, -4, 5},
    {"Falling speed", "%", 300, 115, 170, 50, 188, 36, 10, 1, 100, 0, 20},
    {"Density", "%", 300, 115, 170, 50, 229, 36, 10, 1, 100, 0, 20},
    {"Max lives", "", 300, 115, 170, 50, 270, 36, 8, 1, 100, 0, 1},
    {"", "", 203, 155, 170, 50, 212, 36, 10, 0, 10, 0, 10},  // music volume: captioned by its screen
    {"", "", 203, 155, 170, 50, 256, 36, 10, 0, 10, 0, 10},  // sound volume: likewise
};

// The setting each slider edits.
int* SliderValue(Settings& settings, SliderName slider) {
    switch (slider) {
        case StartLevelSlider: return &settings.startLevel;
        case FallingSpeedSlider: return &settings.speedMod;
        case DensitySlider: return &settings.chanceMod;
        case MaxLivesSlider: return &settings.maxLives;
        case MusicVolumeSlider: return &settings.musicVolume;
        case SoundVolumeSlider: return &settings.soundVolume;
        case kSliderCount: break;
    }
    return nullptr;
}

Sprite RegionSprite(Game& game, const regions::Region& region) {
    return MakeSprite(SheetTexture(game.resources, region.sheet), region.x, region.y, region.w, region.h);
}

// Made without a place: every screen places and enables its own buttons
// (its row of the screen table says where) on entering it.
void CreateImageButtons(Game& game) {
    Widgets& w = game.widgets;
    for (int name = 0; name < kImageButtonCount; ++name)
        MakeImageButton(w.registry, w.imageButtons[name], RegionSprite(game, *kButtonRegions[name]), 0, 0, true,
                        [&game](ButtonState state) { PlayButtonSound(game, state); });
}

void CreateSliders(Game& game) {
    for (int i = 0; i < kSliderCount; ++i) {
        const SliderSetup& setup = kSliderSetups[i];
        Slider& s = game.widgets.sliders[i];
        s = Slider{};
        s.segment = game.resources.sliderSegment;
        s.gap = game.resources.sliderGap;
        s.font = &game.fonts[MenuFont26];
        s.textColour = TextGrey;
        s.label = setup.label, s.unit = setup.unit;
        s.x = setup.x, s.labelWidth = setup.labelWidth, s.barWidth = setup.barWidth, s.valueWidth = setup.valueWidth;
        s.y = setup.y, s.height = setup.height;
        s.segmentCount = setup.segmentCount, s.minValue = setup.minValue, s.maxValue = setup.maxValue;
        s.offset = setup.offset, s.step = setup.step;
        s.value = SliderValue(game.settings, SliderName(i));
        LayOutSlider(s);
    }
}

// No background; underlined (bottom border 2) whether focused or not; the
// padding keeps the text one pixel above the underline.
void MakeUnderlinedField(Game& game, TextField& field, std::string* edited, FontName font, Rect box, int maxLength,
                         Colour text, Colour border, int verticalAlignment) {
    MakeTextField(game.widgets.registry, field, edited, &game.fonts[font], box.left, box.top, box.right - box.left,
                  box.bottom - box.top, 2, maxLength);
    field.noBackground = true;
    field.focusedBorders = {0, 2, 0, 0};
    field.unfocusedBorders = field.focusedBorders;
    field.borders = field.unfocusedBorders;
    field.paddingY = field.borders.bottom + 1;
    field.verticalAlignment = verticalAlignment;
    for (Colour& c : field.textColours) c = text;
    field.borderColour = border;
}

void CreateTextFields(Game& game) {
    Widgets& w = game.widgets;
    MakeUnderlinedField(game, w.nameEntryField, &game.screen.enteredName, NameEntryFont36, MakeRect(250, 295, 200, 40),
                        15, 0xFF404040, 0xFF404040, AlignMiddle);
    w.nameEntryField.clickFocus = false;
    SetFieldFocus(w.nameEntryField, true);
    MakeUnderlinedField(game, w.defaultNameField, &game.settings.defaultName, FieldFont26, MakeRect(359, 130, 150, 30),
                        15, TextGrey, 0xFF808080, AlignMiddle);
    for (int i = 0; i < kGroupFields; ++i)
        MakeUnderlinedField(game, w.groupFields[i], &game.settings.groups[i], FieldFont26,
                            MakeRect(270, 115 + 45 * i, 250, 40), 20, TextGrey, 0xFF808080, AlignBottom);
}

void CreateToggles(Game& game) {
    Widgets& w = game.widgets;
    const Sprite box = RegionSprite(game, regions::ToggleBox);
    for (int row = 0; row < kFreeGameToggleRows; ++row) {
        for (int column = 0; column < kFreeGameToggleColumns; ++column)
            MakeToggleButton(w.registry, w.freeGameToggles[row][column], box, 138 + 41 * column, 146 + 41 * row, false,
                             &game.settings.freeGameKeys[row][column]);
    }
    MakeToggleButton(w.registry, w.askF3Toggle, box, 357, 299, false, &game.settings.queryF3);
    SetToggleLabel(w.askF3Toggle, "", &game.fonts[MenuFont26], TextGrey, 10);
}

}  // namespace

void PlayButtonSound(Game& game, ButtonState state) {
    if (state == ButtonHover) PlayEffect(game, BtnMouseOver);
    else if (state == ButtonPressed) PlayEffect(game, BtnClick);
}

void CreateGameWidgets(Game& game) {
    game.widgets.registry = WidgetRegistry{};
    CreateSliders(game);
    CreateImageButtons(game);
    CreateTextFields(game);
    CreateToggles(game);
    game.widgets.created = true;
}

void DestroySliders(Game& game) {
    for (Slider& slider : game.widgets.sliders) slider = Slider{};
}

void DestroyButtonsAndFields(Game& game) {
    Widgets& w = game.widgets;
    w.registry = WidgetRegistry{};
    for (ImageButton& button : w.imageButtons) button = ImageButton{};
    for (auto& row : w.freeGameToggles)
        for (ToggleButton& toggle : row) toggle = ToggleButton{};
    w.askF3Toggle = ToggleButton{};
    w.nameEntryField = TextField{};
    w.defaultNameField = TextField{};
    for (TextField& field : w.groupFields) field = TextField{};
    w.created = false;
}

}  // namespace glyphora
