#pragma once
// The web pages and documents the help and credits screens open with the
// desktop's handler. Their results are not shown to the player.
#include <string>

#include "platform/platform.h"

namespace glyphora {

// The maker's web site, in front of the donation pages' paths.
inline constexpr const char* kMakerSite = "https://glyphora.example.org";

void OpenDonationPageUsd(platform::Shell& shell);
void OpenDonationPageEur(platform::Shell& shell);

// Opens Manual/Manual.pdf of the game folder (the folder above the game
// program's); when the desktop cannot open it, Manual/Manual.rtf instead.
void OpenManual(platform::Shell& shell, platform::Files& files);

}  // namespace glyphora
