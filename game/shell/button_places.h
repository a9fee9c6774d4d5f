#pragma once
// Where image buttons stand, worked out at compile time from the sheet
// regions they are drawn from: rows centred in the window, as the screens'
// button tables write them.
#include <array>
#include <cstddef>

#include "game/engine/window_size.h"
#include "game/shell/screen_definition.h"

namespace glyphora {

// The sheet region each image button is drawn from, by ImageButtonName.
inline constexpr const regions::Region* kButtonRegions[kImageButtonCount] = {
    &regions::PlayButton,         &regions::FreeGameButton,    &regions::HighScoresButton,
    &regions::HelpButton,         &regions::SettingsButton,    &regions::CreditsButton,
    &regions::QuitButton,         &regions::BackButton,        &regions::StartFreeGameButton,
    &regions::OnlineScoresButton, &regions::OkButton,          &regions::PlayAgainButton,
    &regions::GroupsButton,       &regions::LocalScoresButton, &regions::DifficultyDownButton,
    &regions::DifficultyUpButton, &regions::ShowNoteButton,    &regions::ContinueButton,
    &regions::HelpPage1Button,    &regions::HelpPage2Button,   &regions::ManualButton,
    &regions::DonateUsdButton,    &regions::DonateEurButton,   &regions::HelpPage3Button,
};

inline constexpr int kButtonRowY = 400;  // the row over the footer band

// The buttons left to right, gap pixels apart, the row centred in the window
// (integer halving, as the layout was drawn); each keeps the y it is given.
template <std::size_t N>
constexpr std::array<ButtonAt, N> CentredRow(int gap, std::array<ButtonAt, N> row) {
    int total = -gap;
    for (const ButtonAt& at : row) total += kButtonRegions[at.button]->w + gap;
    int x = (kWindowWidth - total) / 2;
    for (ButtonAt& at : row) {
        at.x = x;
        x += kButtonRegions[at.button]->w + gap;
    }
    return row;
}

template <std::size_t N, std::size_t M>
constexpr std::array<ButtonAt, N + M> Joined(const std::array<ButtonAt, N>& a, const std::array<ButtonAt, M>& b) {
    std::array<ButtonAt, N + M> both{};
    for (std::size_t i = 0; i < N; ++i) both[i] = a[i];
    for (std::size_t i = 0; i < M; ++i) both[N + i] = b[i];
    return both;
}

}  // namespace glyphora
