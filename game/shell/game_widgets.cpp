#include "game/shell/game_widgets.h"

#include <numeric>

#include "game/audio/sound_effects.h"
#include "game/engine/sheet_drawing.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

struct ImageButtonPlace {
    ImageButtonName name;
    const regions::Region& region;
    int x, y;  // x 0: the screen places it
};

// Main-menu buttons get their x from the centred row.
constexpr ImageButtonPlace kImageButtonPlaces[] = {
    {PlayButton, regions::PlayButton, 0, 400},
    {FreeGameButton, regions::FreeGameButton, 0, 400},
    {HighScoresButton, regions::HighScoresButton, 0, 400},
    {HelpButton, regions::HelpButton, 0, 400},
    {SettingsButton, regions::SettingsButton, 0, 400},
    {CreditsButton, regions::CreditsButton, 0, 400},
    {QuitButton, regions::QuitButton, 0, 400},
    {BackButton, regions::BackButton, 0, 400},
    {StartFreeGameButton, regions::StartFreeGameButton, 0, 400},
    {OnlineScoresButton, regions::OnlineScoresButton, 0, 400},
    {OkButton, regions::OkButton, (kWindowWidth - regions::OkButton.w) / 2, 400},
    {PlayAgainButton, regions::PlayAgainButton, 0, 400},
    {GroupsButton, regions::GroupsButton, 0, 400},
    {LocalScoresButton, regions::LocalScoresButton, 0, 400},
    {DifficultyDownButton, regions::DifficultyDownButton, 275, 115},
    {DifficultyUpButton, regions::DifficultyUpButton, 397, 115},
    {ShowNoteButton, regions::ShowNoteButton, 557, 403},
    {ContinueButton, regions::ContinueButton, 566, 404},
    {HelpPage1Button, regions::HelpPage1Button, 0, 400},
    {HelpPage2Button, regions::HelpPage2Button, 0, 401},
    {ManualButton, regions::ManualButton, 0, 401},
    {DonateUsdButton, regions::DonateUsdButton, 0, 398},
    {DonateEurButton, regions::DonateEurButton, 0, 398},
};
static_assert(std::size(kImageButtonPlaces) == kImageButtonCount, "one row per image button");

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

// Positions of buttons in one row with gap pixels between them, the row
// centred in the window (integer halving, as the layout was drawn).
template <std::size_t N>
void CentreRow(const int (&widths)[N], int gap, int (&xs)[N]) {
    const int total = std::accumulate(widths, widths + N, 0) + gap * int(N - 1);
    int x = (kWindowWidth - total) / 2;
    for (std::size_t i = 0; i < N; ++i) {
        xs[i] = x;
        x += widths[i] + gap;
    }
}

int WidthOf(const Widgets& w, ImageButtonName name) { return w.imageButtons[name].sprite.srcW; }

void LayOutRows(Widgets& w) {
    WidgetLayout& layout = w.layout;
    int menuWidths[kMainMenuButtons];
    for (int i = 0; i < kMainMenuButtons; ++i) menuWidths[i] = WidthOf(w, ImageButtonName(PlayButton + i));
    CentreRow(menuWidths, 14, layout.mainMenuX);
    for (int i = 0; i < kMainMenuButtons; ++i) w.imageButtons[PlayButton + i].x = layout.mainMenuX[i];
    const int scoreWidths[4] = {WidthOf(w, LocalScoresButton), WidthOf(w, GroupsButton),
                                WidthOf(w, OnlineScoresButton), WidthOf(w, BackButton)};
    CentreRow(scoreWidths, 10, layout.highScoresRowX);
    layout.HighScoresBackX = layout.highScoresRowX[3];
    const int creditWidths[3] = {WidthOf(w, DonateUsdButton), WidthOf(w, DonateEurButton), WidthOf(w, BackButton)};
    CentreRow(creditWidths, 10, layout.creditsRowX);
    layout.CreditsBackX = layout.creditsRowX[2];
    w.imageButtons[LocalScoresButton].x = layout.highScoresRowX[0];
    w.imageButtons[GroupsButton].x = layout.highScoresRowX[1];
    w.imageButtons[OnlineScoresButton].x = layout.highScoresRowX[2];
    w.imageButtons[DonateUsdButton].x = layout.creditsRowX[0];
    w.imageButtons[DonateEurButton].x = layout.creditsRowX[1];
}

void CreateImageButtons(Game& game) {
    Widgets& w = game.widgets;
    for (const ImageButtonPlace& place : kImageButtonPlaces)
        MakeImageButton(w.registry, w.imageButtons[place.name], RegionSprite(game, place.region), place.x, place.y,
                        true, [&game](int state) { PlayButtonSound(game, state); });
    LayOutRows(w);
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
    MakeUnderlinedField(game, w.nameEntryField, &game.screen.enteredName, NameEntryFont36, MakeRect(250, 295, 200, 40), 15, 0xFF404040,
                        0xFF404040, AlignMiddle);
    w.nameEntryField.clickFocus = false;
    SetFieldFocus(w.nameEntryField, true);
    MakeUnderlinedField(game, w.defaultNameField, &game.settings.defaultName, FieldFont26, MakeRect(359, 130, 150, 30), 15, TextGrey,
                        0xFF808080, AlignMiddle);
    for (int i = 0; i < kGroupFields; ++i)
        MakeUnderlinedField(game, w.groupFields[i], &game.settings.groups[i], FieldFont26, MakeRect(270, 115 + 45 * i, 250, 40), 20, TextGrey,
                            0xFF808080, AlignBottom);
}

void CreateToggles(Game& game) {
    Widgets& w = game.widgets;
    const Sprite box = RegionSprite(game, regions::ToggleBox);
    for (int row = 0; row < kFreeGameToggleRows; ++row) {
        for (int column = 0; column < kFreeGameToggleColumns; ++column)
            MakeToggleButton(w.registry, w.freeGameToggles[row][column], box, 138 + 41 * column, 146 + 41 * row,
                             false, &game.settings.freeGameKeys[row][column]);
    }
    MakeToggleButton(w.registry, w.askF3Toggle, box, 357, 299, false, &game.settings.queryF3);
    SetToggleLabel(w.askF3Toggle, "", &game.fonts[MenuFont26], TextGrey, 10);
}

}  // namespace

void PlayButtonSound(Game& game, int state) {
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
