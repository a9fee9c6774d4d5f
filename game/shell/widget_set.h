#pragma once
// Every widget of the game, created once while resources load and kept until
// exit. Screens draw the ones they show, move them and enable or disable
// them; presses reach all registered widgets, so a screen must disable what
// it does not show.
#include "game/engine/button.h"
#include "game/engine/image_button.h"
#include "game/engine/slider.h"
#include "game/engine/text_button.h"
#include "game/engine/text_field.h"

namespace glyphora {

struct Game;

// The image buttons, in creation order (the order in which they take clicks).
enum ImageButtonName {
    PlayButton,
    FreeGameButton,
    HighScoresButton,
    HelpButton,
    SettingsButton,
    CreditsButton,
    QuitButton,
    BackButton,
    StartFreeGameButton,
    OnlineScoresButton,
    OkButton,
    PlayAgainButton,
    GroupsButton,
    LocalScoresButton,
    DifficultyDownButton,
    DifficultyUpButton,
    ShowNoteButton,
    ContinueButton,
    HelpPage1Button,
    HelpPage2Button,
    ManualButton,
    DonateUsdButton,
    DonateEurButton,
    HelpPage3Button,
    kImageButtonCount,
};

// The sliders, in creation order.
enum SliderName {
    StartLevelSlider,
    FallingSpeedSlider,
    DensitySlider,
    MaxLivesSlider,
    MusicVolumeSlider,
    SoundVolumeSlider,
    kSliderCount,
};

inline constexpr int kMainMenuButtons = 7;  // PlayButton .. QuitButton
inline constexpr int kFreeGameToggleRows = 5;
inline constexpr int kFreeGameToggleColumns = 2;
inline constexpr int kGroupFields = 5;

struct Widgets {
    bool created = false;
    WidgetRegistry registry;
    ImageButton imageButtons[kImageButtonCount];
    ToggleButton freeGameToggles[kFreeGameToggleRows][kFreeGameToggleColumns];
    ToggleButton askF3Toggle;
    TextField nameEntryField;
    TextField defaultNameField;
    TextField groupFields[kGroupFields];
    Slider sliders[kSliderCount];
};

// Plays the mouse-over sound on entering a button and the click sound on
// pressing it: the onStateChange of every image button.
void PlayButtonSound(Game& game, ButtonState state);

}  // namespace glyphora
